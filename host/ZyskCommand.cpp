#include "ZyskCommand.h"

#include "CommandLineOptions.h"
#include "JsonWriter.h"

#include "domain/Formatting.h"
#include "domain/Pomocnicze.h"
#include "domain/THarmonogramLokatyBankowej.h"
#include "domain/TLokata.h"
#include "platform/Clock.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

namespace {

const QString kKwota = QStringLiteral("--kwota");
const QString kOkres = QStringLiteral("--okres");
const QString kJednostka = QStringLiteral("--jednostka");
const QString kOprocentowanie = QStringLiteral("--oprocentowanie");
const QString kKapitalizacja = QStringLiteral("--kapitalizacja");
const QString kStart = QStringLiteral("--start");
const QString kJson = QStringLiteral("--json");
const QString kHelp = QStringLiteral("--help");

const std::pair<const char*, TJednostkaOkresu> kJednostki[] = {
    {"dzien", TJednostkaOkresu::Dzien},     {"dzień", TJednostkaOkresu::Dzien},
    {"tydzien", TJednostkaOkresu::Tydzien}, {"tydzień", TJednostkaOkresu::Tydzien},
    {"miesiac", TJednostkaOkresu::Miesiac}, {"miesiąc", TJednostkaOkresu::Miesiac},
    {"rok", TJednostkaOkresu::Rok},         {"brak", TJednostkaOkresu::Brak},
};

const std::pair<const char*, TKapitalizacja> kKapitalizacje[] = {
    {"dzienna", TKapitalizacja::Dzienna},
    {"miesieczna", TKapitalizacja::Miesieczna},
    {"miesięczna", TKapitalizacja::Miesieczna},
    {"kwartalna", TKapitalizacja::Kwartalna},
    {"polroczna", TKapitalizacja::Polroczna},
    {"półroczna", TKapitalizacja::Polroczna},
    {"roczna", TKapitalizacja::Roczna},
    {"po-okresie-umowy", TKapitalizacja::PoOkresieUmowy},
    {"brak", TKapitalizacja::Brak},
};

template <typename T, size_t N>
std::optional<T> Nazwana(const std::pair<const char*, T> (&nazwy)[N], const QString& tekst) {
    for (const auto& [nazwa, wartosc] : nazwy) {
        if (tekst.compare(QString::fromUtf8(nazwa), Qt::CaseInsensitive) == 0)
            return wartosc;
    }
    return std::nullopt;
}

// A number as a person types it: digits, blanks between them, one decimal
// comma or point, an optional leading minus. KwotaZTekstu reads it.
bool CzytajLiczbe(const QString& tekst, double& wartosc) {
    static const QRegularExpression wzor(QStringLiteral("^\\s*-?[0-9][0-9 ]*([.,][0-9]*)?\\s*$"));
    if (!wzor.match(tekst).hasMatch())
        return false;
    wartosc = KwotaZTekstu(tekst);
    // A number too large for a double reads as 0: that is not what was typed.
    static const QRegularExpression cyfraNiezerowa(QStringLiteral("[1-9]"));
    return wartosc != 0 || !tekst.contains(cyfraNiezerowa);
}

bool CzytajOkres(const QString& tekst, uint16_t& okres) {
    if (!JestLiczbaCalkowita(tekst))
        return false;
    const int wartosc = tekst.toInt();
    if (wartosc < 0 || wartosc > std::numeric_limits<uint16_t>::max())
        return false;
    okres = static_cast<uint16_t>(wartosc);
    return true;
}

QString Wiersz(const QString& etykieta, const QString& wartosc) {
    return etykieta.leftJustified(30) + wartosc + u'\n';
}

} // namespace

QString ZyskCommand::name() const {
    return QStringLiteral("zysk");
}

QString ZyskCommand::summary() const {
    return QStringLiteral("szacowany zysk netto z jednej lokaty (--help: argumenty)");
}

int ZyskCommand::run(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    UstawFormaty();
    if (arguments.contains(kHelp)) {
        out << Pomoc();
        return 0;
    }
    Dane dane;
    QString blad;
    if (!Czytaj(arguments, dane, blad)) {
        err << blad << u'\n' << QStringLiteral("Opis argumentów: talvora zysk --help\n");
        return 2;
    }
    const Wynik wynik = Oblicz(dane);
    if (dane.json)
        PiszJson(wynik, out);
    else
        PiszTekst(wynik, out);
    return 0;
}

bool ZyskCommand::Czytaj(const QStringList& arguments, Dane& dane, QString& blad) {
    CommandLineOptions opcje({kKwota, kOkres, kJednostka, kOprocentowanie, kKapitalizacja, kStart},
                             {kJson});
    if (!opcje.parse(arguments, blad))
        return false;
    for (const QString& wymagany : {kKwota, kOkres, kJednostka, kOprocentowanie, kKapitalizacja}) {
        if (!opcje.has(wymagany)) {
            blad = QStringLiteral("Brak wymaganego argumentu %1.").arg(wymagany);
            return false;
        }
    }
    const auto niepoprawny = [&blad](const QString& co, const QString& tekst, const QString& jak) {
        blad = QStringLiteral("Nie można odczytać %1: \"%2\" (%3).").arg(co, tekst, jak);
        return false;
    };
    if (!CzytajLiczbe(opcje.value(kKwota), dane.kwota))
        return niepoprawny(QStringLiteral("kwoty"), opcje.value(kKwota),
                           QStringLiteral("oczekiwano liczby, np. 10000 lub 10 000,50"));
    dane.kwota = ZaokraglijDo(dane.kwota, -2);
    if (!CzytajOkres(opcje.value(kOkres), dane.okres))
        return niepoprawny(QStringLiteral("okresu"), opcje.value(kOkres),
                           QStringLiteral("oczekiwano liczby całkowitej od 0 do 65535"));
    const auto jednostka = Nazwana(kJednostki, opcje.value(kJednostka));
    if (!jednostka)
        return niepoprawny(QStringLiteral("jednostki okresu"), opcje.value(kJednostka),
                           QStringLiteral("dozwolone: dzien, tydzien, miesiac, rok, brak"));
    dane.jednostka = *jednostka;
    if (!CzytajLiczbe(opcje.value(kOprocentowanie), dane.oprocentowanie))
        return niepoprawny(QStringLiteral("oprocentowania"), opcje.value(kOprocentowanie),
                           QStringLiteral("oczekiwano procentów w skali roku, np. 4,5"));
    const auto kapitalizacja = Nazwana(kKapitalizacje, opcje.value(kKapitalizacja));
    if (!kapitalizacja)
        return niepoprawny(QStringLiteral("kapitalizacji"), opcje.value(kKapitalizacja),
                           QStringLiteral("dozwolone: dzienna, miesieczna, kwartalna, polroczna, "
                                          "roczna, po-okresie-umowy, brak"));
    dane.kapitalizacja = *kapitalizacja;
    dane.start = Today();
    if (opcje.has(kStart) && !TryStrToDateTime(opcje.value(kStart), dane.start, UstawieniaFormatow))
        return niepoprawny(QStringLiteral("daty rozpoczęcia"), opcje.value(kStart),
                           QStringLiteral("oczekiwano daty RRRR-MM-DD"));
    dane.json = opcje.has(kJson);
    return true;
}

ZyskCommand::Wynik ZyskCommand::Oblicz(const Dane& dane) {
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

void ZyskCommand::PiszTekst(const Wynik& wynik, QTextStream& out) {
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

void ZyskCommand::PiszJson(const Wynik& wynik, QTextStream& out) {
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

QString ZyskCommand::Pomoc() {
    return QStringLiteral(
        "Użycie: talvora zysk --kwota KWOTA --okres N --jednostka JEDNOSTKA\n"
        "                     --oprocentowanie PROCENT --kapitalizacja RODZAJ\n"
        "                     [--start RRRR-MM-DD] [--json]\n"
        "\n"
        "Szacuje zysk netto z jednej lokaty: odsetki okres po okresie kapitalizacji,\n"
        "z podatkiem 19% od odsetek zaokrąglonych do pełnych złotych. W szacunku\n"
        "miesiąc liczy się jako 30 dni, a rok jako 360 dni.\n"
        "\n"
        "  --kwota KWOTA             kwota lokaty, np. 10000 lub 10 000,50\n"
        "                            (przecinek lub kropka; zaokrąglana do groszy)\n"
        "  --okres N                 okres lokaty w jednostkach, od 0 do 65535\n"
        "  --jednostka JEDNOSTKA     dzien, tydzien, miesiac, rok lub brak\n"
        "  --oprocentowanie PROCENT  oprocentowanie w skali roku w procentach, np. 4,5\n"
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
