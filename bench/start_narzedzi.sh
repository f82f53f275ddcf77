#!/usr/bin/env bash
# How fast the command-line tools start, against the sqlite3 shell doing as
# little: `talvora --version` against `sqlite3 --version`, and a deposit
# calculation (`talvora zysk`) against `sqlite3 :memory: 'select 1'`. Medians
# of many runs (wall time, started from this shell, the two commands in
# turns), and their ratios.
#
#   bench/start_narzedzi.sh [build/bin/talvora] [RUNS]
#
# Needs bash 5 ($EPOCHREALTIME) and the sqlite3 shell (scripts/install-deps.sh).
set -euo pipefail
export LC_NUMERIC=C
root=$(cd "$(dirname "$0")/.." && pwd)
talvora=${1:-$root/build/bin/talvora}
runs=${2:-201}

# iloraz COMMAND -- BASELINE: the medians, in milliseconds, of the wall times
# of the two commands (output discarded), run in turns over $runs rounds so
# that a passing load on the machine slows both alike: "COMMAND BASELINE".
iloraz() {
    local polecenie=() start end
    while [ "$1" != -- ]; do
        polecenie+=("$1")
        shift
    done
    shift
    for _ in $(seq "$runs"); do
        start=$EPOCHREALTIME
        "${polecenie[@]}" >/dev/null
        end=$EPOCHREALTIME
        printf '%s %s ' "$start" "$end"
        start=$EPOCHREALTIME
        "$@" >/dev/null
        end=$EPOCHREALTIME
        printf '%s %s\n' "$start" "$end"
    done | awk '{ print ($2 - $1) * 1000, ($4 - $3) * 1000 }' >"$przebiegi"
    for kolumna in 1 2; do
        cut -d' ' -f"$kolumna" "$przebiegi" | sort -g | sed -n "$(((runs + 1) / 2))p"
    done | paste -sd' '
}

przebiegi=$(mktemp)
trap 'rm -f "$przebiegi"' EXIT

zysk=(zysk --kwota 10000 --okres 3 --jednostka miesiac --oprocentowanie 4,5
    --kapitalizacja miesieczna --start 2026-01-31)
# Each command once first: it runs, and its files are in the page cache.
"$talvora" --version >/dev/null
"$talvora" "${zysk[@]}" >/dev/null
sqlite3 :memory: 'select 1' >/dev/null

read -r wersja wersja_sqlite < <(iloraz "$talvora" --version -- sqlite3 --version)
read -r obliczenie obliczenie_sqlite < <(iloraz "$talvora" "${zysk[@]}" -- sqlite3 :memory: 'select 1')

printf 'mediana z %d przebiegów\n' "$runs"
wiersz() {
    awk -v n="$1" -v a="$2" -v b="$3" -v cel="$4" \
        'BEGIN { printf "%-42s %7.2f ms %7.2f ms  iloraz %5.2f (cel ≤ %s)\n", n, a, b, a / b, cel }'
}
printf '%-42s %10s %10s\n' "" "talvora" "sqlite3"
wiersz "--version / sqlite3 --version" "$wersja" "$wersja_sqlite" 3
wiersz "zysk / sqlite3 :memory: 'select 1'" "$obliczenie" "$obliczenie_sqlite" 4
