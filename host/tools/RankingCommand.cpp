#include "tools/HostTools.h"

#include "tools/CommandLineOptions.h"
#include "tools/CsvOutput.h"
#include "tools/DepositArguments.h"
#include "tools/JsonWriter.h"
#include "tools/ReadOnlyDataFile.h"
#include "tools/TextTable.h"

#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "domain/TRankingOfert.h"
#include "format/Formatowanie.h"
#include "platform/Clock.h"

#include <exception>

namespace {

const QString kDb = QStringLiteral("--db");
const QString kKwota = QStringLiteral("--kwota");
const QString kOkres = QStringLiteral("--okres");
const QString kJednostka = QStringLiteral("--jednostka");
const QString kTolerancja = QStringLiteral("--tolerancja");
const QString kStart = QStringLiteral("--start");
const QString kBezKonta = QStringLiteral("--bez-konta");
const QString kMaksWiek = QStringLiteral("--maks-wiek");
const QString kJson = QStringLiteral("--json");
const QString kCsv = QStringLiteral("--csv");

bool CzytajPlik(const QString& tekst, TKryteriaRankingu&) {
    return !tekst.isEmpty();
}

bool CzytajKwote(const QString& tekst, TKryteriaRankingu& k) {
    int64_t grosze = 0;
    const bool poprawna = ReadCents(tekst, grosze);
    k.kwota = static_cast<double>(grosze) / 100;
    return poprawna;
}

bool CzytajOkresLokaty(const QString& tekst, TKryteriaRankingu& k) {
    return ReadPeriod(tekst, k.okres) && k.okres > 0;
}

bool CzytajJednostke(const QString& tekst, TKryteriaRankingu& k) {
    k.jednostka = UnitFromName(tekst).value_or(TJednostkaOkresu::Brak);
    return k.jednostka != TJednostkaOkresu::Brak;
}

bool CzytajTolerancje(const QString& tekst, TKryteriaRankingu& k) {
    return ReadPeriod(tekst, k.tolerancja);
}

bool CzytajStart(const QString& tekst, TKryteriaRankingu& k) {
    return ReadDate(tekst, k.start);
}

bool CzytajMaksWiek(const QString& tekst, TKryteriaRankingu& k) {
    uint16_t dni = 0;
    const bool poprawny = ReadPeriod(tekst, dni);
    k.maksymalnyWiekOferty = dni;
    return poprawny;
}

const ToolArgument<TKryteriaRankingu> kArgumenty[] = {
    {kDb, true, CzytajPlik, "pliku danych", "podaj ścieżkę pliku"},
    {kKwota, true, CzytajKwote, "kwoty",
     "oczekiwano kwoty większej od zera, np. 20000 lub 20 000,50"},
    {kOkres, false, CzytajOkresLokaty, "okresu", "oczekiwano liczby całkowitej od 1 do 65535"},
    {kJednostka, false, CzytajJednostke, "jednostki okresu",
     "dozwolone: dzien, tydzien, miesiac, rok"},
    {kTolerancja, false, CzytajTolerancje, "tolerancji",
     "oczekiwano liczby całkowitej od 0 do 65535"},
    {kStart, false, CzytajStart, "daty rozpoczęcia", "oczekiwano daty RRRR-MM-DD"},
    {kMaksWiek, false, CzytajMaksWiek, "maksymalnego wieku oferty",
     "oczekiwano liczby dni od 0 do 65535"},
};

// The term's options go together: a number with its unit, the tolerance
// only with both.
bool SprawdzOkres(const CommandLineOptions& opcje, QString& blad) {
    if (opcje.has(kOkres) != opcje.has(kJednostka))
        blad = QStringLiteral("Okres podaj razem z jednostką: --okres N --jednostka JEDNOSTKA.");
    else if (opcje.has(kTolerancja) && !opcje.has(kOkres))
        blad = QStringLiteral("Argument --tolerancja wymaga argumentów --okres i --jednostka.");
    return blad.isEmpty();
}

QString Data(TDateTime data) {
    return FormatDateTime(QStringLiteral("yyyy-MM-dd"), data, UstawieniaFormatow);
}

QString Kwota(double zlote) {
    return FormatMoney(zlote, 2, UstawieniaFormatow);
}

double Zlote(int64_t grosze) {
    return static_cast<double>(grosze) / 100;
}

QStringList Komorki(const TPozycjaRankingu& p) {
    const THarmonogramLokatyBankowej& o = *p.oferta;
    QStringList komorki{o.BankNazwaOprocentowanie(), o.OkresLokaty(), o.KapitalizacjaNazwa(),
                        Kwota(p.szacowanyZysk)};
    if (!p.dokladnie)
        return komorki << QStringLiteral("poza zakresem") << QString() << QString() << QString();
    const THarmonogramOdsetek& h = *p.dokladnie;
    return komorki << Kwota(Zlote(h.OdsetkiNetto())) << Kwota(Zlote(h.KwotaKoncowa()))
                   << FormatPercent(h.RentownoscNettoRoczna(), UstawieniaFormatow)
                   << Data(h.DataZakonczenia());
}

QStringList Naglowek() {
    return {QStringLiteral("Oferta"),           QStringLiteral("Okres"),
            QStringLiteral("Kapitalizacja"),    QStringLiteral("Szacowany zysk"),
            QStringLiteral("Odsetki netto"),    QStringLiteral("Kwota końcowa"),
            QStringLiteral("Rentowność netto"), QStringLiteral("Koniec")};
}

// The table of the text output, without groups.
TTabelaListy Tabela(const TRankingOfert& ranking) {
    TTabelaListy tabela;
    tabela.tytul = QStringLiteral("Ranking lokat bankowych");
    tabela.kolumny = Naglowek();
    for (const TPozycjaRankingu& p : ranking.Pozycje())
        tabela.wiersze.push_back({QString(), Komorki(p)});
    return tabela;
}

void PiszTekst(const TRankingOfert& ranking, QTextStream& out) {
    if (ranking.Pozycje().empty()) {
        out << ranking.PowodBrakuOfert() << u'\n';
        return;
    }
    std::vector<QStringList> wiersze{Naglowek()};
    for (const TPozycjaRankingu& p : ranking.Pozycje())
        wiersze.push_back(Komorki(p));
    WriteTextTable(out, wiersze, FirstColumnLeft(wiersze.front().size()));
}

void PiszJson(const TRankingOfert& ranking, QTextStream& out) {
    JsonWriter json;
    json.beginArray();
    for (const TPozycjaRankingu& p : ranking.Pozycje()) {
        json.beginObject()
            .key(u"Id")
            .integer(p.oferta->Id())
            .key(u"BankNazwaOprocentowanie")
            .string(p.oferta->BankNazwaOprocentowanie())
            .key(u"SzacowanyZysk")
            .number(p.szacowanyZysk);
        if (p.dokladnie) {
            json.key(u"OdsetkiNetto")
                .money(Zlote(p.dokladnie->OdsetkiNetto()))
                .key(u"KwotaKoncowa")
                .money(Zlote(p.dokladnie->KwotaKoncowa()))
                .key(u"RentownoscNettoRoczna")
                .number(p.dokladnie->RentownoscNettoRoczna())
                .key(u"DataZakonczenia")
                .string(Data(p.dokladnie->DataZakonczenia()));
        } else {
            for (const char16_t* klucz :
                 {u"OdsetkiNetto", u"KwotaKoncowa", u"RentownoscNettoRoczna", u"DataZakonczenia"})
                json.key(klucz).null();
        }
        json.endObject();
    }
    json.endArray();
    out << json.text() << u'\n';
}

} // namespace

static int Run(const ToolCall& call) {
    QTextStream& out = call.out;
    QTextStream& err = call.err;
    const CommandLineOptions& opcje = call.options;
    TKryteriaRankingu kryteria;
    kryteria.start = Today();
    QString blad;
    if (!ReadToolArguments(opcje, kArgumenty, kryteria, blad) || !SprawdzOkres(opcje, blad))
        return CommandLineOptions::reportError(err, QStringLiteral("ranking"), blad);
    kryteria.kontoOsobisteDozwolone = !opcje.has(kBezKonta);
    ReadOnlyDataFile plik(opcje.value(kDb));
    const TRankingOfert ranking(plik.Project().Kolekcje().HarmonogramyLokatBankowych(), kryteria);
    if (call.json())
        PiszJson(ranking, out);
    else if (call.csv())
        WriteCsv(out, Tabela(ranking));
    else
        PiszTekst(ranking, out);
    return 0;
}

static QString SprawdzFormat(const CommandLineOptions& opcje) {
    return opcje.exclusive({kJson, kCsv});
}

static QString Pomoc() {
    return QStringLiteral(
        "Użycie: talvora ranking --db PLIK --kwota KWOTA\n"
        "                        [--okres N --jednostka JEDNOSTKA [--tolerancja T]]\n"
        "                        [--start RRRR-MM-DD] [--bez-konta] [--maks-wiek DNI]\n"
        "                        [--json | --csv]\n"
        "\n"
        "Szereguje oferty lokat z katalogu pliku danych, które przyjmują podaną kwotę\n"
        "(kwota minimalna nie większa od niej, maksymalna 0 lub nie mniejsza), od\n"
        "najwyższej rentowności netto w skali roku, potem od najwyższych odsetek netto.\n"
        "Przy każdej ofercie: szacowany zysk (jak na liście lokat) i odsetki netto\n"
        "liczone co do grosza tak, jak wypłaca je bank, na cały okres oferty.\n"
        "\n"
        "  --db PLIK                plik danych (nie jest zmieniany)\n"
        "  --kwota KWOTA            kwota lokaty, np. 20000 lub 20 000,50\n"
        "  --okres N                tylko oferty na około N jednostek (okres oferty\n"
        "                           liczony jak w szacunku: miesiąc 30 dni, rok 360)\n"
        "  --jednostka JEDNOSTKA    dzien, tydzien, miesiac lub rok\n"
        "  --tolerancja T           dopuszczalna różnica okresu w tych jednostkach\n"
        "                           (domyślnie 0)\n"
        "  --start RRRR-MM-DD       dzień rozpoczęcia lokaty (domyślnie dzisiaj)\n"
        "  --bez-konta              pomiń oferty wymagające konta osobistego w banku\n"
        "  --maks-wiek DNI          pomiń oferty wpisane lub zaimportowane więcej niż DNI\n"
        "                           dni temu (nieaktualne: banki często zmieniają stawki)\n"
        "  --json                   tablica obiektów JSON: Id, BankNazwaOprocentowanie,\n"
        "                           SzacowanyZysk, OdsetkiNetto, KwotaKoncowa,\n"
        "                           RentownoscNettoRoczna, DataZakonczenia (null, gdy\n"
        "                           kwoty wykraczają poza zakres obliczeń); kwoty\n"
        "                           zaokrąglone do grosza, SzacowanyZysk dokładnie\n"
        "  --csv                    te same kolumny co tabela; UTF-8 ze znacznikiem BOM,\n"
        "                           pola rozdzielone \";\", kwoty jako liczby z przecinkiem\n"
        "                           dziesiętnym (gdy nic nie pasuje: sam nagłówek)\n"
        "  --help                   ten opis\n"
        "\n"
        "Gdy żadna oferta nie pasuje, wypisuje dlaczego (w JSON pustą tablicę). Błędne\n"
        "argumenty: komunikat na stderr i kod wyjścia 2; plik, którego nie ma lub nie\n"
        "można otworzyć: komunikat na stderr i kod wyjścia 1.\n");
}

Tool RankingTool() {
    return {QStringLiteral("ranking"),
            QStringLiteral("oferty z pliku danych uszeregowane dla kwoty (--help: argumenty)"),
            Pomoc(),
            {kDb, kKwota, kOkres, kJednostka, kTolerancja, kStart, kMaksWiek},
            {kBezKonta, kJson, kCsv},
            0,
            false,
            SprawdzFormat,
            Run};
}
