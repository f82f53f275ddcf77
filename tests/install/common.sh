# Shared by the install tests: their arguments, a scratch folder removed on
# exit, a clean environment for the installed program, and the checks both an
# installation under a prefix and an unpacked Debian package must pass.
# Arguments of every install test: BUILD_DIR VERSION MODULE_DIR APP_ID (the
# module's folder relative to the prefix, the desktop application id).
# shellcheck disable=SC2034 # used by the scripts that source this file
build=$1 version=$2 module_dir=$3 app_id=$4

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/cwd" "$work/runtime"
chmod 700 "$work/runtime"

# Runs a command from a folder unrelated to the build, with nothing inherited
# that could point the program back at the build tree (TALVORA_MODULE,
# LD_LIBRARY_PATH) or at the user's own data.
run() {
    (cd "$work/cwd" && env -i PATH="$PATH" HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" \
        LANG=C.UTF-8 "$@")
}

# The files of an installation, relative to its prefix.
check_layout() {
    local prefix=$1
    for file in bin/talvora "$module_dir/libVQ.Lokaty.so" "$module_dir/libtalvora_core.so" \
        "$module_dir/libtalvora_window.so" "$module_dir/libtalvora_web.so" \
        "share/applications/$app_id.desktop" "share/icons/hicolor/scalable/apps/$app_id.svg" \
        "share/metainfo/$app_id.metainfo.xml" "share/mime/packages/$app_id.xml" \
        share/man/man1/talvora.1.gz share/doc/talvora/copyright \
        share/doc/talvora/changelog.Debian.gz; do
        [ -f "$prefix/$file" ] || fail "$prefix/$file is missing"
    done
    check_help "$prefix"
}

# The desktop entry takes a file and names the program's own types, never
# SQLite databases as such; with the shared MIME database built from the
# installed package file alone (besides the system's), an offer file is known
# by its name and by its signature, and the data file by its name, each with
# the program's icon and a Polish comment.
check_file_types() {
    local prefix=$1
    local entry=$prefix/share/applications/$app_id.desktop
    grep -qx 'Exec=talvora %f' "$entry" || fail "$entry: $(grep '^Exec=' "$entry")"
    local types
    types=$(sed -n 's/^MimeType=//p' "$entry")
    for type in application/x-talvora-oferty application/x-talvora-dane; do
        [[ ";$types" == *";$type;"* ]] || fail "$entry does not declare $type: $types"
    done
    [[ "$types" != *sqlite* ]] || fail "$entry claims SQLite databases: $types"

    XDG_DATA_DIRS=$prefix/share update-mime-database "$prefix/share/mime" ||
        fail "update-mime-database $prefix/share/mime"
    local files=$work/types
    mkdir -p "$files"
    printf 'TPF0\001\000' >"$files/oferty.vq_lb"
    cp "$files/oferty.vq_lb" "$files/oferty z banku"
    run "$prefix/bin/talvora" baza --db "$files/DataFile.dat" >/dev/null || fail "talvora baza"
    cp "$files/DataFile.dat" "$files/inne.dat"
    local found expected
    found=$(run env XDG_DATA_DIRS="$prefix/share:/usr/share" LANG=pl_PL.UTF-8 \
        "$build/bin/test_mime_type" "$files/oferty.vq_lb" "$files/oferty z banku" \
        "$files/DataFile.dat" "$files/inne.dat") || fail "test_mime_type failed"
    expected="application/x-talvora-oferty|$app_id|Oferty lokat bankowych programu Talvora
application/x-talvora-oferty|$app_id|Oferty lokat bankowych programu Talvora
application/x-talvora-dane|$app_id|Plik danych programu Talvora"
    [ "$(head -n3 <<<"$found")" = "$expected" ] || fail "the MIME database gives:
$found"
    [[ "$(tail -n1 <<<"$found")" == application/vnd.sqlite3\|* ]] ||
        fail "another SQLite file is taken: $found"
}

# Every help page of the sources is installed in share/talvora/pomoc, and the
# pictures, style sheets and pages the installed pages refer to are installed
# too, where their relative links point.
help_sources=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../docs/pomoc" && pwd)
dist_sources=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../dist" && pwd)
fixtures=$(cd "$(dirname "${BASH_SOURCE[0]}")/../fixtures" && pwd)
check_help() {
    local help=$1/share/talvora/pomoc
    local page target
    for page in "$help_sources"/*.html "$help_sources"/*.css; do
        [ -f "$help/$(basename "$page")" ] || fail "$help/$(basename "$page") is missing"
    done
    for page in "$help"/*.html; do
        while read -r target; do
            case $target in http://* | https://* | "") continue ;; esac
            [ -f "$help/$target" ] || fail "$page refers to $target, which is not installed"
        done < <(grep -o '\(href\|src\)="[^"]*"' "$page" | sed 's/^[a-z]*="//; s/"$//; s/#.*//')
    done
}

# Every library the program, the module and the libraries the program loads on
# use need is found, and the program's own library is the one inside the
# installation. The program itself links neither windows nor the web.
check_libraries() {
    local prefix=$1
    local file libraries
    for file in "$prefix/bin/talvora" "$prefix/$module_dir"/lib{VQ.Lokaty,talvora_window,talvora_web}.so; do
        libraries=$(env -i ldd "$file") || fail "ldd $file"
        ! grep -q "not found" <<<"$libraries" || fail "$file: $libraries"
        grep -q "libtalvora_core.so => $prefix/" <<<"$libraries" ||
            fail "$file does not use the installed libtalvora_core.so: $libraries"
    done
    libraries=$(env -i ldd "$prefix/bin/talvora")
    ! grep -E "lib(Qt6Widgets|Qt6Gui|curl|gumbo)\.so" <<<"$libraries" ||
        fail "bin/talvora links a window or web library"
}

# The version and one tool, run as installed.
check_tools() {
    local program=$1
    local output
    output=$(run "$program" --version) || fail "talvora --version failed"
    [ "$output" = "talvora $version" ] || fail "talvora --version printed '$output'"
    output=$(run "$program" zysk --kwota 10000 --okres 3 --jednostka miesiac \
        --oprocentowanie 4,5 --kapitalizacja miesieczna --start 2026-01-31 --json) ||
        fail "talvora zysk failed"
    grep -q '"SzacowanyZysk":91.92' <<<"$output" || fail "talvora zysk printed '$output'"
    # A web tool: its library is found in the installation.
    output=$(run "$program" strona "$fixtures/strona_lokat.html" --bank X --json) ||
        fail "talvora strona failed"
    grep -q '"Bank":"X"' <<<"$output" || fail "talvora strona printed '$output'"
}
