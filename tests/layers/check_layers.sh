#!/usr/bin/env bash
# Keeps the layers apart. Bottom up: platform, format, domain, data (with the
# SQLite wrapper in data/sqlite), import (no widgets), app (no widgets), ui
# (with ui/import), entry;
# the host sits beside entry and sees neither ui nor entry; within it the tool
# core (host/tools) is below the window program (host/window) and the web
# tools (host/web), and only the web tools reach the import layer. A folder
# includes its own headers and those of the folders the table below allows;
# any other project include fails. On top of the order:
#  - nothing below the windows includes a Qt Widgets header, nor do the
#    host's tools (host/tools, host/web);
#  - the windows include no part of the SQLite layer and write no SQL;
#  - the layers below app show no message box: they return what happened and
#    the command or window above them tells the user.
# Usage: check_layers.sh SOURCE_ROOT QT_WIDGETS_INCLUDE_DIR
set -uo pipefail
root=$1
widgets=$2

# folder (below SOURCE_ROOT) | project folders its files may include
read -r -d '' LAYERS <<'TABLE'
src/platform     | platform
src/format       | platform format
src/domain       | platform format domain
src/data/sqlite  | platform format domain data/sqlite
src/data         | platform format domain data data/sqlite
src/import       | platform format domain data data/sqlite import
src/app          | platform format domain data data/sqlite import app
src/ui           | platform format domain data import app ui ui/import
src/entry        | platform format domain data data/sqlite import app ui ui/import entry
host/tools       | platform format domain data data/sqlite app tools
host/window      | platform format domain data data/sqlite app tools window
host/web         | platform format domain data data/sqlite import app tools web
host             | platform format domain data data/sqlite import app
TABLE

# Folders whose files must not include Qt Widgets.
NO_WIDGETS="src/platform src/format src/domain src/data src/import src/app host/tools host/web"
# Folders that never show a message box themselves.
NO_MESSAGES="src/format src/domain src/data"
MESSAGE_CALLS='messageBoxes\(\)|\b(PokazBlad|PokazInformacje|ZapytajTakNie|ZapytajPrzedUtrataDanych)\('
# Folders of the windows: no SQLite layer, no SQL text.
WINDOWS="src/ui"
SQL_HEADERS='data/sqlite/|data/TWartoscSQL|data/TPolecenieZapisu|sqlite3\.h'

[ -d "$root/src" ] || { echo "$root/src: no sources found"; exit 1; }
[ -d "$widgets" ] || { echo "$widgets: the Qt Widgets include folder is missing"; exit 1; }

# Every project include of every file, as "file<TAB>line<TAB>included path".
includes() {
    find "$root/src" "$root/host" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 |
        xargs -0 awk '
            match($0, /^[[:space:]]*#[[:space:]]*include[[:space:]]*["<][^">]*[">]/) {
                s = substr($0, RSTART, RLENGTH); sub(/^[^"<]*["<]/, "", s); sub(/[">]$/, "", s)
                printf "%s\t%d\t%s\t%s\n", FILENAME, FNR, s, (index($0, "<") && !index($0, "\"")) ? "<" : "\""
            }'
}

failures=$(includes | awk -F'\t' -v root="$root/" -v table="$LAYERS" \
    -v nowidgets="$NO_WIDGETS" -v windows="$WINDOWS" -v sqlre="$SQL_HEADERS" -v widgets="$widgets" '
    BEGIN {
        n = split(table, rows, "\n")
        for (i = 1; i <= n; i++) {
            split(rows[i], cell, "|"); f = cell[1]; gsub(/[[:space:]]/, "", f)
            if (f == "") continue
            folders[++nf] = f; allowed[f] = " " cell[2] " "; gsub(/[[:space:]]+/, " ", allowed[f])
        }
        split(nowidgets, nw, " "); split(windows, win, " ")
        cmd = "ls \"" widgets "\""
        while ((cmd | getline h) > 0) widget[h] = 1
        close(cmd)
    }
    # The table row of a path: the longest folder that contains it.
    function row(path,   i, best) {
        best = ""
        for (i = 1; i <= nf; i++)
            if (index(path, folders[i] "/") == 1 && length(folders[i]) > length(best)) best = folders[i]
        return best
    }
    # The folder an include names: its directory part, the deepest known one.
    function target(inc,   d) {
        d = inc; sub(/\/[^\/]*$/, "", d)
        if (d == inc) return ""
        while (d != "" && !(("src/" d) in allowed) && !(d in allowed)) {
            if (d !~ /\//) return d
            sub(/\/[^\/]*$/, "", d)
        }
        return d
    }
    function under(path, list,   k) {
        for (k in list) if (index(path, list[k] "/") == 1) return 1
        return 0
    }
    {
        file = $1; rel = substr(file, length(root) + 1); inc = $3; kind = $4
        here = row(rel)
        if (kind == "\"") {
            t = target(inc)
            if (t != "" && t != "common" && t != "generated" && index(allowed[here], " " t " ") == 0)
                printf "%s:%s: includes \"%s\": %s may not include %s/\n", rel, $2, inc, here, t
        }
        if (under(rel, nw) && ((kind == "<" && inc in widget) || inc ~ /^QtWidgets\//))
            printf "%s:%s: includes the Qt Widgets header <%s>\n", rel, $2, inc
        if (under(rel, win) && inc ~ sqlre)
            printf "%s:%s: a window includes the SQLite layer (%s)\n", rel, $2, inc
    }')

# The windows never write SQL themselves.
sql=$(grep -rHn -E '"[[:space:]]*(SELECT|INSERT INTO|UPDATE|DELETE FROM|CREATE TABLE|ALTER TABLE|DROP TABLE) ' \
    $(for w in $WINDOWS; do echo "$root/$w"; done) --include='*.cpp' --include='*.h' |
    sed "s#^$root/##; s#\$#: a window writes SQL#")

# Message boxes come from the commands and windows, not from the layers below.
messages=$(grep -rHn -E "$MESSAGE_CALLS" $(for f in $NO_MESSAGES; do echo "$root/$f"; done) \
    --include='*.cpp' --include='*.h' | grep -v -E '^[^:]*:[0-9]+:[[:space:]]*//' |
    sed "s#^$root/##; s#\$#: shows a message box below the commands#")

out=$(printf '%s\n%s\n%s\n' "$failures" "$sql" "$messages" | sed '/^$/d')
if [ -n "$out" ]; then
    echo "$out"
    exit 1
fi
echo "layers: $(includes | wc -l) includes checked against the layer table"
