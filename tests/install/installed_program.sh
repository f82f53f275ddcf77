#!/usr/bin/env bash
# Installs the build into a temporary prefix ("cmake --install") and starts the
# installed program from another folder: the tools, and the window on demo data
# (offscreen), which paints its tabs and dialogs into pictures and closes
# itself. Also checks the desktop entry and the AppStream metadata (also as it
# is written with the README's pictures as screenshots) with the freedesktop
# validators, the file types, and the man page.
set -euo pipefail
source "$(dirname "$0")/common.sh"

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
check_layout "$prefix"
for validator in desktop-file-validate appstreamcli; do
    command -v $validator >/dev/null || fail "$validator is missing: run scripts/install-deps.sh"
done
hints=$(desktop-file-validate "$prefix/share/applications/$app_id.desktop") || fail "$hints"
[ -z "$hints" ] || fail "desktop-file-validate: $hints"
appstreamcli validate-tree --no-net "$prefix" >"$work/appstream.txt" ||
    fail "appstreamcli: $(cat "$work/appstream.txt")"
# Published with the README's pictures, the metadata lists each of them.
metainfo=$work/screenshots.metainfo.xml
cmake -DTEMPLATE="$dist_sources/$app_id.metainfo.xml.in" -DOUTPUT="$metainfo" -DAPP_ID="$app_id" \
    -DVERSION="$version" -DRELEASE_DATE=2026-01-01 -DSCREENSHOTS_URL=https://talvora.example/docs \
    -P "$dist_sources/Metainfo.cmake" || fail "Metainfo.cmake"
appstreamcli validate --no-net "$metainfo" >"$work/appstream.txt" ||
    fail "appstreamcli with screenshots: $(cat "$work/appstream.txt")"
pictures=$(sed -n 's|.*<image type="source">https://talvora.example/docs/\(.*\)</image>|\1|p' "$metainfo")
[ "$(wc -l <<<"$pictures")" -ge 4 ] || fail "the metadata lists the screenshots: $pictures"
for picture in $pictures; do
    grep -qF "(docs/$picture)" "$dist_sources/../README.md" ||
        fail "screenshot $picture is not a picture of the README"
done
check_libraries "$prefix"
check_file_types "$prefix"
check_tools "$prefix/bin/talvora"

run env QT_QPA_PLATFORM=offscreen TALVORA_FIRST_FRAME="$work/first.png" \
    timeout 120 "$prefix/bin/talvora" --demo || fail "the window ended with $?"
[ -s "$work/first.png" ] || fail "the window did not paint itself"
demo=$work/home/.local/share/Talvora/DemoDataFile.dat
output=$(run "$prefix/bin/talvora" lokaty --db "$demo" --json) || fail "talvora lokaty failed"
grep -q '"Nazwa"' <<<"$output" || fail "the demo data file lists no deposit: $output"

# The man page renders without warnings and has a section for every tool the
# program lists.
man_page=$work/talvora.1
gzip -dc "$prefix/share/man/man1/talvora.1.gz" >"$man_page" || fail "talvora.1.gz is no gzip file"
if command -v groff >/dev/null; then
    warnings=$(groff -k -man -Tutf8 -ww -z "$man_page" 2>&1)
    [ -z "$warnings" ] || fail "groff: $warnings"
fi
tools=$(run "$prefix/bin/talvora" --help | sed -n '/^Polecenia:/,$s/^  \([^ ]*\)  .*/\1/p')
[ -n "$tools" ] || fail "talvora --help lists no tools"
for tool in $tools; do
    grep -qx ".SS $tool" "$man_page" || fail "the man page does not describe '$tool'"
done
