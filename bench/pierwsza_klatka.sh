#!/usr/bin/env bash
# The deposits window's first painted frame (TALVORA_FIRST_FRAME, offscreen)
# against `talvora lokaty` on the same data file, for two files of 100,000
# expenses, 1,000 deposits and 10,000 offers with Polish letters in every text
# column: one whose offers come from 40 banks, one whose offers come from
# 10,000 distinct banks. Prints the medians of RUNS runs (7; the window and
# the tool in turns), the ratios (window / lokaty on each file, and the
# window on the second file / on the first) and the peak memory of both
# programs.
#
#   bench/pierwsza_klatka.sh [build/bin/talvora]
#
# Needs the sqlite3 shell and GNU time (/usr/bin/time), both installed by
# scripts/install-deps.sh.
set -euo pipefail
export LC_NUMERIC=C
root=$(cd "$(dirname "$0")/.." && pwd)
talvora=${1:-$root/build/bin/talvora}
wydatki=${WYDATKI:-100000}
oferty=${OFERTY:-10000}
lokaty=${LOKATY:-1000}
runs=${RUNS:-7}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The window keeps its placement and settings in a home of its own.
export HOME=$work/dom XDG_CONFIG_HOME=$work/dom/.config XDG_DATA_HOME=$work/dom/.local/share
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# A data file at $1 whose offers come from $2 banks.
utworz_plik() {
    local plik=$1 banki=$2
    "$talvora" baza --db "$plik" >/dev/null
    sqlite3 "$plik" <<SQL
BEGIN;
INSERT OR REPLACE INTO KategorieWydatkow (Id, Opis, Usuniety, Waga)
    VALUES (1, 'Żywność i napoje', 0, 1), (2, 'Mieszkanie – opłaty', 0, 2);
INSERT OR REPLACE INTO KategorieOszczednosci (Id, Opis, Usuniety, MoznaZaplacic, Dlug, Waga)
    VALUES (1, 'Konto osobiste w złotówkach', 0, 1, 0, 1);
INSERT OR REPLACE INTO Osoby (Id, Imie, Nazwisko, Pseudonim, Adres, Telefon, Usuniety, Waga)
    VALUES (1, 'Łucja', 'Żółkiewska', 'Łusia', 'ul. Źródlana 5, Łódź', '600 700 800', 0, 1);
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < $wydatki)
INSERT INTO Wydatki (IdKategoriaWydatki, Ile, IdKategoriaOszczednosci, Data, IdOsoba, Komentarz,
                     ZlecenieStale, Zalacznik)
SELECT 1 + i % 2, (i * 7919 % 100000) / 100.0, 1,
       printf('20%02d-%02d-%02d %02d:%02d', 10 + i % 10, 1 + i % 12, 1 + i % 28, i % 24, i % 60),
       1, 'zakupy w sklepie „Żabka” na rogu, paragon nr ' || i, i % 2,
       'paragony/źródło-' || i || '.pdf'
FROM n;
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < $oferty)
INSERT INTO HarmonogramyLokat (Bank, Nazwa, OkresDepozytu, JednostkaDepozytu,
    OprocentowanieStaleWCalymOkresieLokaty, OprocentowanieWSkaliRoku, Kapitalizacja,
    KwotaMinimalna, KwotaMaksymalna, WymaganeKontoOsobisteWTymBanku,
    MozliwoscWczesniejszegoZerwaniaLokaty, WarunkiWczesniejszegoZerwaniaLokaty,
    PozostaleInformacje, HarmonogramDodanyPrzezUzytkownika, DataDodania)
SELECT 'Bank Spółdzielczy w Łęczycy ' || (i * 7 % $banki), 'Lokata złota ' || i, 1 + i % 12, 2, 1,
       (i % 600) / 100.0, 3, 1000, 0, 0, 1, 'utrata odsetek za cały okres',
       'oferta dla nowych środków, źródło: ulotka', 0, '2013-05-14 17:45'
FROM n;
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < $lokaty)
INSERT INTO Lokaty (Nazwa, Kwota, DataRozpoczecia, OkresLokaty, JednostkaLokaty,
                    IdHarmonogramLokaty, Aktywna)
SELECT 'Oszczędności na wakacje ' || i, 1000 + 37.5 * i,
       printf('2026-%02d-%02d 00:00', 1 + i % 12, 1 + i % 28), 1 + i % 12, 2, 1 + i * 7 % $oferty,
       i % 5 != 0
FROM n;
COMMIT;
SQL
}

# Wall time in seconds of one run of `$@`, output discarded.
czas() {
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null
    end=$(date +%s.%N)
    awk -v a="$start" -v b="$end" 'BEGIN { print b - a }'
}

# The median of the numbers in file $1.
mediana() {
    sort -g "$1" | sed -n "$(((runs + 1) / 2))p"
}

# Peak resident memory in KB of `$@`.
pamiec() {
    /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -n 1
}

# The offscreen platform's notes on stderr are dropped. The frame is saved
# uncompressed, so that encoding a PNG (the harness's work, not the
# window's) stays out of the measure.
okno() {
    TALVORA_FIRST_FRAME=$work/klatka.bmp "$talvora" --db "$1" 2>/dev/null
}

declare -A czasOkna czasLokat pamiecOkna pamieciLokat
for banki in 40 "$oferty"; do
    plik=$work/banki$banki.dat
    utworz_plik "$plik" "$banki"
    rm -f "$work/klatka.bmp"
    okno "$plik" # warms the page cache and checks that it runs
    test -s "$work/klatka.bmp" || { echo "the window painted no frame" >&2; exit 1; }
    # The window and the tool in turns, so that a passing load on the
    # machine slows both alike.
    : >"$work/okno.txt"
    : >"$work/lokaty.txt"
    for _ in $(seq "$runs"); do
        czas okno "$plik" >>"$work/okno.txt"
        czas "$talvora" lokaty --db "$plik" >>"$work/lokaty.txt"
    done
    czasOkna[$banki]=$(mediana "$work/okno.txt")
    czasLokat[$banki]=$(mediana "$work/lokaty.txt")
    pamiecOkna[$banki]=$(pamiec env TALVORA_FIRST_FRAME="$work/klatka.bmp" "$talvora" --db "$plik")
    pamieciLokat[$banki]=$(pamiec "$talvora" lokaty --db "$plik")
done

printf 'wydatki %d, lokaty %d, oferty %d, mediana z %d przebiegów\n' \
    "$wydatki" "$lokaty" "$oferty" "$runs"
for banki in 40 "$oferty"; do
    printf 'banków %5d: pierwsza klatka %.3f s, talvora lokaty %.3f s, iloraz %.2f\n' "$banki" \
        "${czasOkna[$banki]}" "${czasLokat[$banki]}" \
        "$(awk -v a="${czasOkna[$banki]}" -v b="${czasLokat[$banki]}" 'BEGIN { print a / b }')"
    printf '             pamięć szczytowa: okno %d KB, talvora lokaty %d KB\n' \
        "${pamiecOkna[$banki]}" "${pamieciLokat[$banki]}"
done
awk -v a="${czasOkna[$oferty]}" -v b="${czasOkna[40]}" -v n="$oferty" \
    'BEGIN { printf "pierwsza klatka, %d banków / 40 banków: %.2f\n", n, a / b }'
