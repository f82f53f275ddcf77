#include "tools/CommandLineOptions.h"
#include "tools/DepositArguments.h"
#include "tools/HostTools.h"
#include "tools/JsonWriter.h"
#include "tools/ReadOnlyDataFile.h"
#include "tools/TextTable.h"
#include "tools/ToolRun.h"

#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "domain/TRankingOfert.h"
#include "format/Formatowanie.h"
#include "platform/Clock.h"

#include <exception>

namespace {

const QString kDb = QStringLiteral("--db");
const QString kAmount = QStringLiteral("--kwota");
const QString kPeriod = QStringLiteral("--okres");
const QString kUnit = QStringLiteral("--jednostka");
const QString kTolerance = QStringLiteral("--tolerancja");
const QString kStart = QStringLiteral("--start");
const QString kNoAccount = QStringLiteral("--bez-konta");
const QString kMaxAge = QStringLiteral("--maks-wiek");
const QString kJson = QStringLiteral("--json");
const QString kCsv = QStringLiteral("--csv");

bool ReadFile(const QString& text, TKryteriaRankingu&) {
    return !text.isEmpty();
}

bool ReadAmount(const QString& text, TKryteriaRankingu& k) {
    int64_t cents = 0;
    const bool valid = ReadCents(text, cents);
    k.kwota = static_cast<double>(cents) / 100;
    return valid;
}

bool ReadDepositPeriod(const QString& text, TKryteriaRankingu& k) {
    return ReadPeriod(text, k.okres) && k.okres > 0;
}

bool ReadUnit(const QString& text, TKryteriaRankingu& k) {
    k.jednostka = UnitFromName(text).value_or(TJednostkaOkresu::Brak);
    return k.jednostka != TJednostkaOkresu::Brak;
}

bool ReadTolerance(const QString& text, TKryteriaRankingu& k) {
    return ReadPeriod(text, k.tolerancja);
}

bool ReadStart(const QString& text, TKryteriaRankingu& k) {
    return ReadDate(text, k.start);
}

bool ReadMaxAge(const QString& text, TKryteriaRankingu& k) {
    uint16_t days = 0;
    const bool valid = ReadPeriod(text, days);
    k.maksymalnyWiekOferty = days;
    return valid;
}

const ToolArgument<TKryteriaRankingu> kArguments[] = {
    {kDb, true, ReadFile, "pliku danych", "podaj ścieżkę pliku"},
    {kAmount, true, ReadAmount, "kwoty",
     "oczekiwano kwoty większej od zera, np. 20000 lub 20 000,50"},
    {kPeriod, false, ReadDepositPeriod, "okresu", "oczekiwano liczby całkowitej od 1 do 65535"},
    {kUnit, false, ReadUnit, "jednostki okresu", "dozwolone: dzien, tydzien, miesiac, rok"},
    {kTolerance, false, ReadTolerance, "tolerancji", "oczekiwano liczby całkowitej od 0 do 65535"},
    {kStart, false, ReadStart, "daty rozpoczęcia", "oczekiwano daty RRRR-MM-DD"},
    {kMaxAge, false, ReadMaxAge, "maksymalnego wieku oferty",
     "oczekiwano liczby dni od 0 do 65535"},
};

// The term's options go together: a number with its unit, the tolerance
// only with both.
bool CheckTerm(const CommandLineOptions& options, QString& error) {
    if (options.has(kPeriod) != options.has(kUnit))
        error = QStringLiteral("Okres podaj razem z jednostką: --okres N --jednostka JEDNOSTKA.");
    else if (options.has(kTolerance) && !options.has(kPeriod))
        error = QStringLiteral("Argument --tolerancja wymaga argumentów --okres i --jednostka.");
    return error.isEmpty();
}

QString Date(TDateTime date) {
    return FormatDateTime(QStringLiteral("yyyy-MM-dd"), date, UstawieniaFormatow);
}

QString Amount(double zloty) {
    return FormatMoney(zloty, 2, UstawieniaFormatow);
}

double Zloty(int64_t cents) {
    return static_cast<double>(cents) / 100;
}

QStringList Cells(const TPozycjaRankingu& p) {
    const THarmonogramLokatyBankowej& o = *p.oferta;
    QStringList cells{o.BankNazwaOprocentowanie(), o.OkresLokaty(), o.KapitalizacjaNazwa(),
                      Amount(p.szacowanyZysk)};
    if (!p.dokladnie)
        return cells << QStringLiteral("poza zakresem") << QString() << QString() << QString();
    const THarmonogramOdsetek& h = *p.dokladnie;
    return cells << Amount(Zloty(h.OdsetkiNetto())) << Amount(Zloty(h.KwotaKoncowa()))
                 << FormatPercent(h.RentownoscNettoRoczna(), UstawieniaFormatow)
                 << Date(h.DataZakonczenia());
}

QStringList Header() {
    return {QStringLiteral("Oferta"),           QStringLiteral("Okres"),
            QStringLiteral("Kapitalizacja"),    QStringLiteral("Szacowany zysk"),
            QStringLiteral("Odsetki netto"),    QStringLiteral("Kwota końcowa"),
            QStringLiteral("Rentowność netto"), QStringLiteral("Koniec")};
}

// The table of the text output, without groups.
TTabelaListy Table(const TRankingOfert& ranking) {
    TTabelaListy table;
    table.tytul = QStringLiteral("Ranking lokat bankowych");
    table.kolumny = Header();
    for (const TPozycjaRankingu& p : ranking.Pozycje())
        table.wiersze.push_back({QString(), Cells(p)});
    return table;
}

void WriteText(QTextStream& out, const TRankingOfert& ranking) {
    if (ranking.Pozycje().empty()) {
        out << ranking.PowodBrakuOfert() << u'\n';
        return;
    }
    std::vector<QStringList> rows{Header()};
    for (const TPozycjaRankingu& p : ranking.Pozycje())
        rows.push_back(Cells(p));
    WriteTextTable(out, rows, FirstColumnLeft(rows.front().size()));
}

void WriteJson(QTextStream& out, const TRankingOfert& ranking) {
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
                .money(Zloty(p.dokladnie->OdsetkiNetto()))
                .key(u"KwotaKoncowa")
                .money(Zloty(p.dokladnie->KwotaKoncowa()))
                .key(u"RentownoscNettoRoczna")
                .number(p.dokladnie->RentownoscNettoRoczna())
                .key(u"DataZakonczenia")
                .string(Date(p.dokladnie->DataZakonczenia()));
        } else {
            for (const char16_t* key :
                 {u"OdsetkiNetto", u"KwotaKoncowa", u"RentownoscNettoRoczna", u"DataZakonczenia"})
                json.key(key).null();
        }
        json.endObject();
    }
    json.endArray();
    out << json.text() << u'\n';
}

int Run(const ToolCall& call) {
    TKryteriaRankingu criteria;
    criteria.start = Today();
    QString error;
    if (!ReadToolArguments(call.options, kArguments, criteria, error) ||
        !CheckTerm(call.options, error))
        return call.wrongArguments(error);
    criteria.kontoOsobisteDozwolone = !call.options.has(kNoAccount);
    ReadOnlyDataFile file(call.options.value(kDb));
    const TRankingOfert ranking(file.Project().Kolekcje().HarmonogramyLokatBankowych(), criteria);
    return WriteResult(call, ranking, {WriteJson, WriteText, Table});
}

QString CheckFormat(const CommandLineOptions& options) {
    return options.exclusive({kJson, kCsv});
}

QString Help() {
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

} // namespace

Tool RankingTool() {
    return {QStringLiteral("ranking"),
            QStringLiteral("oferty z pliku danych uszeregowane dla kwoty (--help: argumenty)"),
            Help(),
            {kDb, kAmount, kPeriod, kUnit, kTolerance, kStart, kMaxAge},
            {kNoAccount, kJson, kCsv},
            0,
            false,
            CheckFormat,
            Run};
}
