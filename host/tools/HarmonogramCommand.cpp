#include "tools/CommandLineOptions.h"
#include "tools/DepositArguments.h"
#include "tools/HostTools.h"
#include "tools/JsonWriter.h"
#include "tools/TextTable.h"
#include "tools/ToolRun.h"

#include "domain/THarmonogramOdsetek.h"
#include "format/Formatowanie.h"
#include "platform/Clock.h"

#include <stdexcept>

namespace {

const QString kAmount = QStringLiteral("--kwota");
const QString kPeriod = QStringLiteral("--okres");
const QString kUnit = QStringLiteral("--jednostka");
const QString kRate = QStringLiteral("--oprocentowanie");
const QString kCapitalisation = QStringLiteral("--kapitalizacja");
const QString kStart = QStringLiteral("--start");
const QString kDayBasis = QStringLiteral("--podstawa");
const QString kJson = QStringLiteral("--json");

bool ReadAmount(const QString& text, TParametryHarmonogramu& p) {
    return ReadCents(text, p.kwota);
}

bool ReadDepositPeriod(const QString& text, TParametryHarmonogramu& p) {
    return ReadPeriod(text, p.okres) && p.okres > 0;
}

bool ReadUnit(const QString& text, TParametryHarmonogramu& p) {
    p.jednostka = UnitFromName(text).value_or(TJednostkaOkresu::Brak);
    return p.jednostka != TJednostkaOkresu::Brak;
}

bool ReadRate(const QString& text, TParametryHarmonogramu& p) {
    const auto rate = TLiczbaDziesietna::ZTekstu(text);
    if (rate)
        p.oprocentowanie = *rate;
    return rate.has_value();
}

bool ReadCapitalisation(const QString& text, TParametryHarmonogramu& p) {
    const auto capitalisation = CapitalisationFromName(text);
    p.kapitalizacja = capitalisation.value_or(TKapitalizacja::Brak);
    return capitalisation.has_value();
}

bool ReadStart(const QString& text, TParametryHarmonogramu& p) {
    return ReadDate(text, p.start);
}

bool ReadDayBasis(const QString& text, TParametryHarmonogramu& p) {
    p.podstawa = text.trimmed().toInt();
    return p.podstawa == 365 || p.podstawa == 360;
}

const ToolArgument<TParametryHarmonogramu> kArguments[] = {
    {kAmount, true, ReadAmount, "kwoty",
     "oczekiwano kwoty większej od zera, np. 10000 lub 10 000,50"},
    {kPeriod, true, ReadDepositPeriod, "okresu", "oczekiwano liczby całkowitej od 1 do 65535"},
    {kUnit, true, ReadUnit, "jednostki okresu", "dozwolone: dzien, tydzien, miesiac, rok"},
    {kRate, true, ReadRate, "oprocentowania", "oczekiwano procentów w skali roku, np. 4,5"},
    {kCapitalisation, true, ReadCapitalisation, "kapitalizacji",
     "dozwolone: dzienna, miesieczna, kwartalna, polroczna, roczna, po-okresie-umowy, brak"},
    {kStart, false, ReadStart, "daty rozpoczęcia", "oczekiwano daty RRRR-MM-DD"},
    {kDayBasis, false, ReadDayBasis, "podstawy", "dozwolone: 365, 360"},
};

QString Date(TDateTime date) {
    return FormatDateTime(QStringLiteral("yyyy-MM-dd"), date, UstawieniaFormatow);
}

QString Amount(int64_t cents) {
    return FormatMoney(static_cast<double>(cents) / 100, 2, UstawieniaFormatow);
}

// Grosze as a JSON number of złoty: at most two decimals.
double Zloty(int64_t cents) {
    return static_cast<double>(cents) / 100;
}

// As the bank pays it, to the grosz.
THarmonogramOdsetek Calculate(const TParametryHarmonogramu& parameters) {
    return THarmonogramOdsetek::Oblicz(parameters, true);
}

void WriteText(QTextStream& out, const THarmonogramOdsetek& h) {
    std::vector<QStringList> rows{{QStringLiteral("Od"), QStringLiteral("Do"),
                                   QStringLiteral("Dni"), QStringLiteral("Odsetki brutto"),
                                   QStringLiteral("Podatek"), QStringLiteral("Odsetki netto"),
                                   QStringLiteral("Kapitał")}};
    for (const TOkresOdsetkowy& o : h.Okresy())
        rows.push_back({Date(o.od), Date(o.do_), IntToStr(o.dni), Amount(o.odsetkiBrutto),
                        Amount(o.podatek), Amount(o.odsetkiNetto), Amount(o.kapital)});
    WriteTextTable(out, rows, FirstColumnLeft(rows.front().size()));
    out << u'\n';
    WriteTextTable(out,
                   {{QStringLiteral("Odsetki brutto:"), Amount(h.OdsetkiBrutto())},
                    {QStringLiteral("Podatek (19%):"), Amount(h.Podatek())},
                    {QStringLiteral("Odsetki netto:"), Amount(h.OdsetkiNetto())},
                    {QStringLiteral("Kwota końcowa:"), Amount(h.KwotaKoncowa())},
                    {QStringLiteral("Data zakończenia:"), Date(h.DataZakonczenia())},
                    {QStringLiteral("Rentowność netto w skali roku:"),
                     FormatPercent(h.RentownoscNettoRoczna(), UstawieniaFormatow)}},
                   FirstColumnLeft(2));
}

void WriteJson(QTextStream& out, const THarmonogramOdsetek& h) {
    JsonWriter json;
    json.beginObject().key(u"Okresy").beginArray();
    for (const TOkresOdsetkowy& o : h.Okresy()) {
        json.beginObject()
            .key(u"Od")
            .string(Date(o.od))
            .key(u"Do")
            .string(Date(o.do_))
            .key(u"Dni")
            .integer(o.dni)
            .key(u"OdsetkiBrutto")
            .money(Zloty(o.odsetkiBrutto))
            .key(u"Podatek")
            .money(Zloty(o.podatek))
            .key(u"OdsetkiNetto")
            .money(Zloty(o.odsetkiNetto))
            .key(u"Kapital")
            .money(Zloty(o.kapital))
            .endObject();
    }
    json.endArray()
        .key(u"OdsetkiBrutto")
        .money(Zloty(h.OdsetkiBrutto()))
        .key(u"Podatek")
        .money(Zloty(h.Podatek()))
        .key(u"OdsetkiNetto")
        .money(Zloty(h.OdsetkiNetto()))
        .key(u"KwotaKoncowa")
        .money(Zloty(h.KwotaKoncowa()))
        .key(u"DataZakonczenia")
        .string(Date(h.DataZakonczenia()))
        .key(u"RentownoscNettoRoczna")
        .number(h.RentownoscNettoRoczna())
        .endObject();
    out << json.text() << u'\n';
}

int Run(const ToolCall& call) {
    TParametryHarmonogramu parameters;
    parameters.start = Today();
    return RunCalculation(call, kArguments, parameters, Calculate, {WriteJson, WriteText});
}

QString Help() {
    return QStringLiteral(
        "Użycie: talvora harmonogram --kwota KWOTA --okres N --jednostka JEDNOSTKA\n"
        "                            --oprocentowanie PROCENT --kapitalizacja RODZAJ\n"
        "                            [--start RRRR-MM-DD] [--podstawa 365|360] [--json]\n"
        "\n"
        "Liczy odsetki jednej lokaty tak, jak wypłaca je bank, co do grosza. Okresy\n"
        "kapitalizacji liczone są od dnia rozpoczęcia według kalendarza (miesiąc od\n"
        "31 stycznia kończy się 29 lub 28 lutego, następny 31 marca); ostatni okres\n"
        "kończy się z końcem lokaty. W każdym okresie: odsetki brutto = kapitał ×\n"
        "oprocentowanie / 100 × dni / podstawa, zaokrąglone do grosza (połówka w górę);\n"
        "podatek 19% od odsetek brutto, zaokrąglony do grosza w górę; odsetki netto\n"
        "dopisywane są do kapitału.\n"
        "\n"
        "  --kwota KWOTA             kwota lokaty, np. 10000 lub 10 000,50 (zaokrąglana\n"
        "                            do groszy)\n"
        "  --okres N                 okres lokaty w jednostkach, od 1 do 65535\n"
        "  --jednostka JEDNOSTKA     dzien, tydzien, miesiac lub rok\n"
        "  --oprocentowanie PROCENT  oprocentowanie w skali roku w procentach, np. 4,5\n"
        "                            (liczone dokładnie tak, jak je wpisano)\n"
        "  --kapitalizacja RODZAJ    dzienna, miesieczna, kwartalna, polroczna, roczna,\n"
        "                            po-okresie-umowy lub brak (obie: raz, na końcu)\n"
        "  --start RRRR-MM-DD        dzień rozpoczęcia lokaty (domyślnie dzisiaj)\n"
        "  --podstawa 365|360        liczba dni roku odsetkowego (domyślnie 365)\n"
        "  --json                    jeden obiekt JSON: Okresy (tablica obiektów z Od, Do,\n"
        "                            Dni, OdsetkiBrutto, Podatek, OdsetkiNetto, Kapital),\n"
        "                            OdsetkiBrutto, Podatek, OdsetkiNetto, KwotaKoncowa,\n"
        "                            DataZakonczenia, RentownoscNettoRoczna; kwoty w złotych\n"
        "  --help                    ten opis\n"
        "\n"
        "Rentowność netto w skali roku = odsetki netto / kwota × 365 / dni lokaty × 100.\n"
        "Błędny lub brakujący argument: komunikat na stderr i kod wyjścia 2; kwoty poza\n"
        "zakresem obliczeń lub zbyt długi harmonogram: komunikat i kod wyjścia 1.\n");
}

} // namespace

Tool HarmonogramTool() {
    return {QStringLiteral("harmonogram"),
            QStringLiteral("harmonogram odsetek jednej lokaty co do grosza (--help: argumenty)"),
            Help(),
            {kAmount, kPeriod, kUnit, kRate, kCapitalisation, kStart, kDayBasis},
            {kJson},
            0,
            false,
            nullptr,
            Run};
}
