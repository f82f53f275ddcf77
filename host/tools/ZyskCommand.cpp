#include "tools/CommandLineOptions.h"
#include "tools/DepositArguments.h"
#include "tools/HostTools.h"
#include "tools/JsonWriter.h"
#include "tools/ToolRun.h"

#include "domain/THarmonogramLokatyBankowej.h"
#include "domain/TLokata.h"
#include "format/Formatowanie.h"
#include "format/Pomocnicze.h"
#include "platform/Clock.h"

#include <cmath>

namespace {

const QString kAmount = QStringLiteral("--kwota");
const QString kPeriod = QStringLiteral("--okres");
const QString kUnit = QStringLiteral("--jednostka");
const QString kRate = QStringLiteral("--oprocentowanie");
const QString kCapitalisation = QStringLiteral("--kapitalizacja");
const QString kStart = QStringLiteral("--start");
const QString kJson = QStringLiteral("--json");

QString Line(const QString& label, const QString& value) {
    return label.leftJustified(30) + value + u'\n';
}

// What the arguments describe: one terms and the offer it follows.
struct DepositTerms {
    double amount = 0;
    uint16_t period = 0;
    TJednostkaOkresu unit = TJednostkaOkresu::Brak;
    double rate = 0;
    TKapitalizacja capitalisation = TKapitalizacja::Brak;
    TDateTime start = 0;
};

struct Estimate {
    double profit = 0;
    double capitalisationPeriods = 0;
    TDateTime end = 0;
    uint32_t days = 0;
    QString periodText;
};

bool ReadAmount(const QString& text, DepositTerms& terms) {
    if (!ReadNumber(text, terms.amount))
        return false;
    terms.amount = ZaokraglijDo(terms.amount, -2); // typed amounts are whole cents
    // As in the terms editor: an amount that rounds to no cent is refused.
    return terms.amount > 0;
}

bool ReadDepositPeriod(const QString& text, DepositTerms& terms) {
    return ReadPeriod(text, terms.period);
}

bool ReadUnit(const QString& text, DepositTerms& terms) {
    const auto unit = UnitFromName(text);
    terms.unit = unit.value_or(TJednostkaOkresu::Brak);
    return unit.has_value();
}

bool ReadRate(const QString& text, DepositTerms& terms) {
    return ReadNumber(text, terms.rate) && terms.rate >= 0;
}

bool ReadCapitalisation(const QString& text, DepositTerms& terms) {
    const auto capitalisation = CapitalisationFromName(text);
    terms.capitalisation = capitalisation.value_or(TKapitalizacja::Brak);
    return capitalisation.has_value();
}

bool ReadStart(const QString& text, DepositTerms& terms) {
    return ReadDate(text, terms.start);
}

const ToolArgument<DepositTerms> kArguments[] = {
    {kAmount, true, ReadAmount, "kwoty",
     "oczekiwano kwoty większej od zera, np. 10000 lub 10 000,50"},
    {kPeriod, true, ReadDepositPeriod, "okresu", "oczekiwano liczby całkowitej od 0 do 65535"},
    {kUnit, true, ReadUnit, "jednostki okresu", "dozwolone: dzien, tydzien, miesiac, rok, brak"},
    {kRate, true, ReadRate, "oprocentowania",
     "oczekiwano procentów w skali roku, nie mniej niż 0, np. 4,5"},
    {kCapitalisation, true, ReadCapitalisation, "kapitalizacji",
     "dozwolone: dzienna, miesieczna, kwartalna, polroczna, roczna, po-okresie-umowy, brak"},
    {kStart, false, ReadStart, "daty rozpoczęcia", "oczekiwano daty RRRR-MM-DD"},
};

Estimate Calculate(const DepositTerms& terms) {
    TLokata deposit;
    deposit.SetKwota(terms.amount);
    deposit.SetOkresLokaty(terms.period);
    deposit.fJednostkaLokaty = terms.unit;
    deposit.SetDataRozpoczecia(terms.start);
    deposit.SetAktywna(true);
    THarmonogramLokatyBankowej offer;
    offer.fOprocentowanieWSkaliRoku = terms.rate;
    offer.fKapitalizacja = terms.capitalisation;
    offer.fOkresDepozytu = terms.period;
    offer.fJednostkaDepozytu = terms.unit;

    Estimate estimate;
    estimate.profit = deposit.ObliczSzacowanyZyskZLokaty(&offer);
    estimate.capitalisationPeriods = offer.IloscOkresowKapitalizacji();
    estimate.end = deposit.SzacowanaDataZakonczenia();
    estimate.days = deposit.OkresLokatyWDniach();
    estimate.periodText = deposit.OkresLokatyString();
    return estimate;
}

void WriteText(QTextStream& out, const Estimate& estimate) {
    const QString profit =
        std::isfinite(estimate.profit)
            ? FormatMoney(estimate.profit)
            : NonFiniteText(estimate.profit) + QStringLiteral(" (kwota poza zakresem obliczeń)");
    out << Line(QStringLiteral("Szacowany zysk netto:"), profit)
        << Line(QStringLiteral("Okresy kapitalizacji:"), FloatToStr(estimate.capitalisationPeriods))
        << Line(
               QStringLiteral("Szacowana data zakończenia:"),
               FormatDateTime(UstawieniaFormatow.ShortDateFormat, estimate.end, UstawieniaFormatow))
        << Line(QStringLiteral("Okres lokaty w dniach:"), IntToStr(estimate.days))
        << Line(QStringLiteral("Okres lokaty:"), estimate.periodText);
}

void WriteJson(QTextStream& out, const Estimate& estimate) {
    JsonWriter json;
    json.beginObject()
        .key(u"SzacowanyZysk")
        .number(estimate.profit)
        .key(u"IloscOkresowKapitalizacji")
        .number(estimate.capitalisationPeriods)
        .key(u"SzacowanaDataZakonczenia")
        .string(FormatDateTime(QStringLiteral("yyyy-MM-dd"), estimate.end, UstawieniaFormatow))
        .key(u"OkresLokatyWDniach")
        .integer(estimate.days)
        .key(u"OkresLokatyString")
        .string(estimate.periodText)
        .endObject();
    out << json.text() << u'\n';
}

int Run(const ToolCall& call) {
    DepositTerms terms;
    terms.start = Today();
    return RunCalculation(call, kArguments, terms, Calculate, {WriteJson, WriteText});
}

QString Help() {
    return QStringLiteral(
        "Użycie: talvora zysk --kwota KWOTA --okres N --jednostka JEDNOSTKA\n"
        "                     --oprocentowanie PROCENT --kapitalizacja RODZAJ\n"
        "                     [--start RRRR-MM-DD] [--json]\n"
        "\n"
        "Szacuje zysk netto z jednej lokaty: odsetki okres po okresie kapitalizacji,\n"
        "z podatkiem 19% od odsetek zaokrąglonych do pełnych złotych. W szacunku\n"
        "miesiąc liczy się jako 30 dni, a rok jako 360 dni.\n"
        "\n"
        "  --kwota KWOTA             kwota lokaty większa od zera, np. 10000 lub 10 000,50\n"
        "                            (przecinek lub kropka; zaokrąglana do groszy)\n"
        "  --okres N                 okres lokaty w jednostkach, od 0 do 65535\n"
        "  --jednostka JEDNOSTKA     dzien, tydzien, miesiac, rok lub brak\n"
        "  --oprocentowanie PROCENT  oprocentowanie w skali roku w procentach (od 0), np. 4,5\n"
        "  --kapitalizacja RODZAJ    dzienna, miesieczna, kwartalna, polroczna, roczna,\n"
        "                            po-okresie-umowy lub brak\n"
        "  --start RRRR-MM-DD        dzień rozpoczęcia lokaty (domyślnie dzisiaj)\n"
        "  --json                    jeden obiekt JSON z dokładnymi wartościami: SzacowanyZysk,\n"
        "                            IloscOkresowKapitalizacji, SzacowanaDataZakonczenia,\n"
        "                            OkresLokatyWDniach, OkresLokatyString\n"
        "  --help                    ten opis\n"
        "\n"
        "Wypisuje szacowany zysk netto, liczbę okresów kapitalizacji, szacowaną datę\n"
        "zakończenia, długość lokaty w dniach i okres lokaty słownie. Błędny lub\n"
        "brakujący argument: komunikat na stderr i kod wyjścia 2.\n");
}

} // namespace

Tool ZyskTool() {
    return {QStringLiteral("zysk"),
            QStringLiteral("szacowany zysk netto z jednej lokaty (--help: argumenty)"),
            Help(),
            {kAmount, kPeriod, kUnit, kRate, kCapitalisation, kStart},
            {kJson},
            0,
            false,
            nullptr,
            Run};
}
