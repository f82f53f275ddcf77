#include "tools/HostTools.h"

#include "tools/CommandLineOptions.h"
#include "tools/DepositArguments.h"
#include "tools/JsonWriter.h"

#include "domain/THarmonogramLokatyBankowej.h"
#include "domain/TLokata.h"
#include "format/Formatowanie.h"
#include "format/Pomocnicze.h"
#include "platform/Clock.h"

#include <cmath>

namespace {

const QString kKwota = QStringLiteral("--kwota");
const QString kOkres = QStringLiteral("--okres");
const QString kJednostka = QStringLiteral("--jednostka");
const QString kOprocentowanie = QStringLiteral("--oprocentowanie");
const QString kKapitalizacja = QStringLiteral("--kapitalizacja");
const QString kStart = QStringLiteral("--start");
const QString kJson = QStringLiteral("--json");

QString Wiersz(const QString& etykieta, const QString& wartosc) {
    return etykieta.leftJustified(30) + wartosc + u'\n';
}

// What the arguments describe: one deposit and the offer it follows.
struct Dane {
    double kwota = 0;
    uint16_t okres = 0;
    TJednostkaOkresu jednostka = TJednostkaOkresu::Brak;
    double oprocentowanie = 0;
    TKapitalizacja kapitalizacja = TKapitalizacja::Brak;
    TDateTime start = 0;
};

struct Wynik {
    double zysk = 0;
    double okresyKapitalizacji = 0;
    TDateTime koniec = 0;
    uint32_t dni = 0;
    QString okresTekst;
};

bool CzytajKwote(const QString& tekst, Dane& dane) {
    if (!ReadNumber(tekst, dane.kwota))
        return false;
    dane.kwota = ZaokraglijDo(dane.kwota, -2); // typed amounts are whole cents
    // As in the deposit editor: an amount that rounds to no cent is refused.
    return dane.kwota > 0;
}

bool CzytajOkresLokaty(const QString& tekst, Dane& dane) {
    return ReadPeriod(tekst, dane.okres);
}

bool CzytajJednostke(const QString& tekst, Dane& dane) {
    const auto jednostka = UnitFromName(tekst);
    dane.jednostka = jednostka.value_or(TJednostkaOkresu::Brak);
    return jednostka.has_value();
}

bool CzytajOprocentowanie(const QString& tekst, Dane& dane) {
    return ReadNumber(tekst, dane.oprocentowanie) && dane.oprocentowanie >= 0;
}

bool CzytajKapitalizacje(const QString& tekst, Dane& dane) {
    const auto kapitalizacja = CapitalisationFromName(tekst);
    dane.kapitalizacja = kapitalizacja.value_or(TKapitalizacja::Brak);
    return kapitalizacja.has_value();
}

bool CzytajStart(const QString& tekst, Dane& dane) {
    return ReadDate(tekst, dane.start);
}

const ToolArgument<Dane> kArgumenty[] = {
    {kKwota, true, CzytajKwote, "kwoty",
     "oczekiwano kwoty większej od zera, np. 10000 lub 10 000,50"},
    {kOkres, true, CzytajOkresLokaty, "okresu", "oczekiwano liczby całkowitej od 0 do 65535"},
    {kJednostka, true, CzytajJednostke, "jednostki okresu",
     "dozwolone: dzien, tydzien, miesiac, rok, brak"},
    {kOprocentowanie, true, CzytajOprocentowanie, "oprocentowania",
     "oczekiwano procentów w skali roku, nie mniej niż 0, np. 4,5"},
    {kKapitalizacja, true, CzytajKapitalizacje, "kapitalizacji",
     "dozwolone: dzienna, miesieczna, kwartalna, polroczna, roczna, po-okresie-umowy, brak"},
    {kStart, false, CzytajStart, "daty rozpoczęcia", "oczekiwano daty RRRR-MM-DD"},
};

Wynik Oblicz(const Dane& dane) {
    TLokata lokata;
    lokata.SetKwota(dane.kwota);
    lokata.SetOkresLokaty(dane.okres);
    lokata.fJednostkaLokaty = dane.jednostka;
    lokata.SetDataRozpoczecia(dane.start);
    lokata.SetAktywna(true);
    THarmonogramLokatyBankowej oferta;
    oferta.fOprocentowanieWSkaliRoku = dane.oprocentowanie;
    oferta.fKapitalizacja = dane.kapitalizacja;
    oferta.fOkresDepozytu = dane.okres;
    oferta.fJednostkaDepozytu = dane.jednostka;

    Wynik wynik;
    wynik.zysk = lokata.ObliczSzacowanyZyskZLokaty(&oferta);
    wynik.okresyKapitalizacji = oferta.IloscOkresowKapitalizacji();
    wynik.koniec = lokata.SzacowanaDataZakonczenia();
    wynik.dni = lokata.OkresLokatyWDniach();
    wynik.okresTekst = lokata.OkresLokatyString();
    return wynik;
}

void PiszTekst(const Wynik& wynik, QTextStream& out) {
    const QString zysk =
        std::isfinite(wynik.zysk)
            ? FormatMoney(wynik.zysk)
            : NonFiniteText(wynik.zysk) + QStringLiteral(" (kwota poza zakresem obliczeń)");
    out << Wiersz(QStringLiteral("Szacowany zysk netto:"), zysk)
        << Wiersz(QStringLiteral("Okresy kapitalizacji:"), FloatToStr(wynik.okresyKapitalizacji))
        << Wiersz(
               QStringLiteral("Szacowana data zakończenia:"),
               FormatDateTime(UstawieniaFormatow.ShortDateFormat, wynik.koniec, UstawieniaFormatow))
        << Wiersz(QStringLiteral("Okres lokaty w dniach:"), IntToStr(wynik.dni))
        << Wiersz(QStringLiteral("Okres lokaty:"), wynik.okresTekst);
}

void PiszJson(const Wynik& wynik, QTextStream& out) {
    JsonWriter json;
    json.beginObject()
        .key(u"SzacowanyZysk")
        .number(wynik.zysk)
        .key(u"IloscOkresowKapitalizacji")
        .number(wynik.okresyKapitalizacji)
        .key(u"SzacowanaDataZakonczenia")
        .string(FormatDateTime(QStringLiteral("yyyy-MM-dd"), wynik.koniec, UstawieniaFormatow))
        .key(u"OkresLokatyWDniach")
        .integer(wynik.dni)
        .key(u"OkresLokatyString")
        .string(wynik.okresTekst)
        .endObject();
    out << json.text() << u'\n';
}

} // namespace

static int Run(const ToolCall& call) {
    QTextStream& out = call.out;
    QTextStream& err = call.err;
    const CommandLineOptions& opcje = call.options;
    Dane dane;
    dane.start = Today();
    QString blad;
    if (!ReadToolArguments(opcje, kArgumenty, dane, blad))
        return CommandLineOptions::reportError(err, QStringLiteral("zysk"), blad);
    const Wynik wynik = Oblicz(dane);
    if (call.json())
        PiszJson(wynik, out);
    else
        PiszTekst(wynik, out);
    return 0;
}

static QString Pomoc() {
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

Tool ZyskTool() {
    return {QStringLiteral("zysk"),
            QStringLiteral("szacowany zysk netto z jednej lokaty (--help: argumenty)"),
            Pomoc(),
            {kKwota, kOkres, kJednostka, kOprocentowanie, kKapitalizacja, kStart},
            {kJson},
            0,
            false,
            nullptr,
            Run};
}
