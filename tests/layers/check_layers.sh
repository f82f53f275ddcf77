#!/usr/bin/env bash
# Fails when a file reaches across the layers:
#  - platform/, domain/, data/ and the window-free import/ include a Qt Widgets
#    header or a window header of ui/;
#  - the windows (ui/, import/windows/) include the SQLite layer or write SQL;
#  - the host includes a window header.
# Usage: check_layers.sh SOURCE_ROOT QT_WIDGETS_INCLUDE_DIR
set -uo pipefail
root=$1
widgets=$2
status=0

fail() {
    echo "$1: $2"
    status=1
}

# Files below the given folders (the import windows excluded where asked).
files_in() {
    local exclude=$1
    shift
    find "$@" -type f \( -name '*.cpp' -o -name '*.h' \) 2>/dev/null |
        { if [ -n "$exclude" ]; then grep -v "$exclude"; else cat; fi; }
}

# Angle-bracket includes that name a Qt Widgets header.
check_no_widgets() {
    local file name
    for file in "$@"; do
        while read -r name; do
            [ -e "$widgets/$name" ] && fail "$file" "includes the Qt Widgets header <$name>"
        done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*<\([^>]*\)>.*/\1/p' "$file")
        grep -Hn -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](QtWidgets/|ui/|import/windows/)' \
            "$file" | while read -r line; do fail "$line" "includes a window header"; done
    done
}

check_no_sql() {
    local file
    for file in "$@"; do
        grep -Hn -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](sqlite3\.h|data/TSQLite|data/TWartoscSQL|data/TPolecenieZapisu)' \
            "$file" | while read -r line; do fail "$line" "a window includes the SQLite layer"; done
        grep -Hn -E '"[[:space:]]*(SELECT|INSERT INTO|UPDATE|DELETE FROM|CREATE TABLE|ALTER TABLE|DROP TABLE) ' \
            "$file" | while read -r line; do fail "$line" "a window writes SQL"; done
    done
}

check_no_window_headers() {
    local file
    for file in "$@"; do
        grep -Hn -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"(ui/|import/windows/|entry/)' \
            "$file" | while read -r line; do fail "$line" "the host includes a window header"; done
    done
}

mapfile -t core < <(files_in '/import/windows/' "$root/src/platform" "$root/src/domain" \
    "$root/src/data" "$root/src/import")
mapfile -t windows < <(files_in '' "$root/src/ui" "$root/src/import/windows")
mapfile -t host < <(files_in '' "$root/host")

[ ${#core[@]} -gt 0 ] || fail "$root/src" "no sources found"
[ -d "$widgets" ] || fail "$widgets" "the Qt Widgets include folder is missing"

# Subshell pipelines above cannot set `status`; count their output instead.
out=$( { check_no_widgets "${core[@]}"; check_no_sql "${windows[@]}"; \
         check_no_window_headers "${host[@]}"; } 2>&1)
[ -n "$out" ] && { echo "$out"; status=1; }
[ $status -eq 0 ] && echo "layers: ${#core[@]} window-free, ${#windows[@]} window and ${#host[@]} host files checked"
exit $status
