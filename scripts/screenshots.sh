#!/usr/bin/env bash
# Takes the README's pictures: the picture tool talvora-zrzuty opens the
# deposits window on fresh demo data under a virtual X server and saves into
# docs/ a picture of each tab (lokaty.png, oferty.png, kalendarz.png), of the deposits
# tab in a dark palette (lokaty_ciemny.png), of the
# deposit editor filled in (dodaj_lokate.png), of the offer editor adding and
# editing an offer (dodaj_oferte.png, edytuj_oferte.png), of the offer
# comparison (porownaj_oferty.png), of the profit dialog of an ended deposit
# (zysk_z_lokaty.png), of the import window in file mode, waiting and showing
# a bank's page (import_z_pliku.png, import_oczekiwanie.png,
# import_ze_strony.png), of the bank choice (import_banki.png), and, after a
# large deposit is added and one bank's offers are made old in memory, of the
# guarantee warning with the bar of deposits ending soon (gwarancja_bfg.png)
# and of the offers marked as old (oferty_nieaktualne.png) and the comparison
# marking the offers of the bank over the limit (porownaj_gwarancja.png), then closes the
# window without saving. The euro rate is not downloaded (the address given
# points nowhere), so the pictures show the built-in one. The user's own data and settings are not touched.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" --target talvora-zrzuty
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$root/docs"
env XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" LANG=pl_PL.UTF-8 \
    TALVORA_NBP_API=http://127.0.0.1:9 \
    xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$build/bin/talvora-zrzuty" "$root/docs"
ls -l "$root/docs/lokaty.png" "$root/docs/lokaty_ciemny.png" "$root/docs/oferty.png" "$root/docs/kalendarz.png" "$root/docs/dodaj_lokate.png" \
    "$root/docs/dodaj_oferte.png" "$root/docs/edytuj_oferte.png" \
    "$root/docs/porownaj_oferty.png" "$root/docs/zysk_z_lokaty.png" \
    "$root/docs/import_z_pliku.png" "$root/docs/import_oczekiwanie.png" \
    "$root/docs/import_ze_strony.png" "$root/docs/import_banki.png" \
    "$root/docs/gwarancja_bfg.png" "$root/docs/oferty_nieaktualne.png" \
    "$root/docs/porownaj_gwarancja.png"
