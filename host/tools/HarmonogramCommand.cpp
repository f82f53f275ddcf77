#include "tools/HostTools.h"

#include "tools/CommandLineOptions.h"
#include "tools/DepositArguments.h"
#include "tools/JsonWriter.h"
#include "tools/TextTable.h"

#include "domain/THarmonogramOdsetek.h"
#include "format/Formatowanie.h"
#include "platform/Clock.h"

#include <stdexcept>

namespace {

const QString kKwota = QStringLiteral("--kwota");
const QString kOkres = QStringLiteral("--okres");
const QString kJednostka = QStringLiteral("--jednostka");
const QString kOprocentowanie = QStringLiteral("--oprocentowanie");
const QString kKapitalizacja = QStringLiteral("--kapitalizacja");
const QString kStart = QStringLiteral("--start");
const QString kPodstawa = QStringLiteral("--podstawa");
const QString kJson = QStringLiteral("--json");

bool CzytajKwote(const QString& tekst, TParametryHarmonogramu& p) {
    return ReadCents(tekst, p.kwota);
}

bool CzytajOkresLokaty(const QString& tekst, TParametryHarmonogramu& p) {
    return ReadPeriod(tekst, p.okres) && p.okres > 0;
}

bool CzytajJednostke(const QString& tekst, TParametryHarmonogramu& p) {
    p.jednostka = UnitFromName(tekst).value_or(TJednostkaOkresu::Brak);
    return p.jednostka != TJednostkaOkresu::Brak;
}

bool CzytajOprocentowanie(const QString& tekst, TParametryHarmonogramu& p) {
    const auto oprocentowanie = TLiczbaDziesietna::ZTekstu(tekst);
    if (oprocentowanie)
        p.oprocentowanie = *oprocentowanie;
    return oprocentowanie.has_value();
}

bool CzytajKapitalizacje(const QString& tekst, TParametryHarmonogramu& p) {
    const auto kapitalizacja = CapitalisationFromName(tekst);
    p.kapitalizacja = kapitalizacja.value_or(TKapitalizacja::Brak);
    return kapitalizacja.has_value();
}

bool CzytajStart(const QString& tekst, TParametryHarmonogramu& p) {
    return ReadDate(tekst, p.start);
}

bool CzytajPodstawe(const QString& tekst, TParametryHarmonogramu& p) {
    p.podstawa = tekst.trimmed().toInt();
    return p.podstawa == 365 || p.podstawa == 360;
}

const ToolArgument<TParametryHarmonogramu> kArgumenty[] = {
    {kKwota, true, CzytajKwote, "kwoty",
     "oczekiwano kwoty większej od zera, np. 10000 lub 10 000,50"},
    {kOkres, true, CzytajOkresLokaty, "okresu", "oczekiwano liczby całkowitej od 1 do 65535"},
    {kJednostka, true, CzytajJednostke, "jednostki okresu",
     "dozwolone: dzien, tydzien, miesiac, rok"},
    {kOprocentowanie, true, CzytajOprocentowanie, "oprocentowania",
     "oczekiwano procentów w skali roku, np. 4,5"},
    {kKapitalizacja, true, CzytajKapitalizacje, "kapitalizacji",
     "dozwolone: dzienna, miesieczna, kwartalna, polroczna, roczna, po-okresie-umowy, brak"},
    {kStart, false, CzytajStart, "daty rozpoczęcia", "oczekiwano daty RRRR-MM-DD"},
    {kPodstawa, false, CzytajPodstawe, "podstawy", "dozwolone: 365, 360"},
};

QString Data(TDateTime data) {
    return FormatDateTime(QStringLiteral("yyyy-MM-dd"), data, UstawieniaFormatow);
}

QString Kwota(int64_t grosze) {
    return FormatMoney(static_cast<double>(grosze) / 100, 2, UstawieniaFormatow);
}

// Grosze as a JSON number of złoty: at most two decimals.
double Zlote(int64_t grosze) {
    return static_cast<double>(grosze) / 100;
}

void PiszTekst(const THarmonogramOdsetek& h, QTextStream& out) {
    std::vector<QStringList> wiersze{{QStringLiteral("Od"), QStringLiteral("Do"),
                                      QStringLiteral("Dni"), QStringLiteral("Odsetki brutto"),
                                      QStringLiteral("Podatek"), QStringLiteral("Odsetki netto"),
                                      QStringLiteral("Kapitał")}};
    for (const TOkresOdsetkowy& o : h.Okresy())
        wiersze.push_back({Data(o.od), Data(o.do_), IntToStr(o.dni), Kwota(o.odsetkiBrutto),
                           Kwota(o.podatek), Kwota(o.odsetkiNetto), Kwota(o.kapital)});
    WriteTextTable(out, wiersze, FirstColumnLeft(wiersze.front().size()));
    out << u'\n';
    WriteTextTable(out,
                   {{QStringLiteral("Odsetki brutto:"), Kwota(h.OdsetkiBrutto())},
                    {QStringLiteral("Podatek (19%):"), Kwota(h.Podatek())},
                    {QStringLiteral("Odsetki netto:"), Kwota(h.OdsetkiNetto())},
                    {QStringLiteral("Kwota końcowa:"), Kwota(h.KwotaKoncowa())},
                    {QStringLiteral("Data zakończenia:"), Data(h.DataZakonczenia())},
                    {QStringLiteral("Rentowność netto w skali roku:"),
                     FormatPercent(h.RentownoscNettoRoczna(), UstawieniaFormatow)}},
                   FirstColumnLeft(2));
}

void PiszJson(const THarmonogramOdsetek& h, QTextStream& out) {
    JsonWriter json;
    json.beginObject().key(u"Okresy").beginArray();
    for (const TOkresOdsetkowy& o : h.Okresy()) {
        json.beginObject()
            .key(u"Od")
            .string(Data(o.od))
            .key(u"Do")
            .string(Data(o.do_))
            .key(u"Dni")
            .integer(o.dni)
            .key(u"OdsetkiBrutto")
            .money(Zlote(o.odsetkiBrutto))
            .key(u"Podatek")
            .money(Zlote(o.podatek))
            .key(u"OdsetkiNetto")
            .money(Zlote(o.odsetkiNetto))
            .key(u"Kapital")
            .money(Zlote(o.kapital))
            .endObject();
    }
    json.endArray()
        .key(u"OdsetkiBrutto")
        .money(Zlote(h.OdsetkiBrutto()))
        .key(u"Podatek")
        .money(Zlote(h.Podatek()))
        .key(u"OdsetkiNetto")
        .money(Zlote(h.OdsetkiNetto()))
        .key(u"KwotaKoncowa")
        .money(Zlote(h.KwotaKoncowa()))
        .key(u"DataZakonczenia")
        .string(Data(h.DataZakonczenia()))
        .key(u"RentownoscNettoRoczna")
        .number(h.RentownoscNettoRoczna())
        .endObject();
    out << json.text() << u'\n';
}

} // namespace

static int Run(const ToolCall& call) {
    QTextStream& out = call.out;
    QTextStream& err = call.err;
    const CommandLineOptions& opcje = call.options;
    TParametryHarmonogramu parametry;
    parametry.start = Today();
    QString blad;
    if (!ReadToolArguments(opcje, kArgumenty, parametry, blad))
        return CommandLineOptions::reportError(err, QStringLiteral("harmonogram"), blad);
    const THarmonogramOdsetek harmonogram = THarmonogramOdsetek::Oblicz(parametry, true);
    if (call.json())
        PiszJson(harmonogram, out);
    else
        PiszTekst(harmonogram, out);
    return 0;
}

static QString Pomoc() {
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

Tool HarmonogramTool() {
    return {QStringLiteral("harmonogram"),
            QStringLiteral("harmonogram odsetek jednej lokaty co do grosza (--help: argumenty)"),
            Pomoc(),
            {kKwota, kOkres, kJednostka, kOprocentowanie, kKapitalizacja, kStart, kPodstawa},
            {kJson},
            0,
            false,
            nullptr,
            Run};
}
