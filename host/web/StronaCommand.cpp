#include "tools/HostTools.h"

#include "tools/CommandLineOptions.h"
#include "tools/OfferJson.h"
#include "tools/TextTable.h"

#include "data/TKolekcjeDanych.h"
#include "format/Formatowanie.h"
#include "format/Pomocnicze.h"
#include "format/TFormatSettings.h"
#include "import/EImportError.h"
#include "import/ParserStronyLokat.h"

#include <QFile>

namespace {

const QString kBank = QStringLiteral("--bank");
const QString kJson = QStringLiteral("--json");

// The cells of an offer as the import window shows it with its bank.
QStringList Komorki(const THarmonogramLokatyBankowej& o) {
    return {o.fBank,
            o.NazwaWyswietlana(),
            o.OkresLokaty(),
            FormatFixed(o.fOprocentowanieWSkaliRoku, 2, UstawieniaFormatow) + u'%',
            o.KapitalizacjaNazwa(),
            o.KwotaMinimalnaString(),
            o.KwotaMaksymalnaString(),
            o.OprocentowanieStaleWCalymOkresieLokatyNazwa(),
            o.WymaganeKontoOsobisteWTymBankuNazwa(),
            o.fWarunkiWczesniejszegoZerwaniaLokaty,
            o.fPozostaleInformacje};
}

// The offer table's column titles from "Bank" on; the period, the rate and the
// amounts right-aligned, the texts left-aligned.
void PiszTabele(QTextStream& out, const TListaOfert& oferty) {
    TKolekcjeDanych kolekcje;
    kolekcje.WypelnijTytulyKolumn();
    std::vector<QStringList> wiersze{
        kolekcje.TabelaHarmonogramyLokatBankowych().TytulyKolumn().mid(1)};
    for (const TOferta& oferta : oferty)
        wiersze.push_back(Komorki(*oferta));
    WriteTextTable(out, wiersze, {false, false, true, true, false, true, true});
}

void PiszJson(QTextStream& out, const TListaOfert& oferty) {
    JsonWriter json;
    json.beginArray();
    for (const TOferta& oferta : oferty)
        WriteOfferJson(json, *oferta);
    json.endArray();
    out << json.text() << u'\n';
}

} // namespace

static QString SprawdzArgumenty(const CommandLineOptions& opcje) {
    if (opcje.positional().isEmpty())
        return QStringLiteral("Podaj plik strony: talvora strona PLIK --bank NAZWA.");
    if (JestPustyTekst(opcje.value(kBank)))
        return QStringLiteral("Podaj nazwę banku: --bank NAZWA.");
    return {};
}

static int Run(const ToolCall& call) {
    QTextStream& out = call.out;
    QTextStream& err = call.err;
    const CommandLineOptions& opcje = call.options;
    QFile plik(opcje.positional().first());
    if (!plik.open(QIODevice::ReadOnly)) {
        err << QStringLiteral("Nie można odczytać pliku %1: %2\n")
                   .arg(plik.fileName(), plik.errorString());
        return 1;
    }
    TListaOfert oferty;
    QString bladStrony;
    try {
        ParsujTrescStrony(plik.readAll(), opcje.value(kBank),
                          [&oferty](TOferta oferta) { oferty.push_back(std::move(oferta)); });
    } catch (const EImportError& e) {
        bladStrony = e.Message();
    }
    if (call.json())
        PiszJson(out, oferty);
    else
        PiszTabele(out, oferty);
    if (bladStrony.isEmpty())
        return 0;
    err << bladStrony.replace(u'\r', u'\n') << u'\n';
    return 1;
}

static QString Pomoc() {
    return QStringLiteral(
        "Użycie: talvora strona PLIK --bank NAZWA [--json]\n"
        "\n"
        "Czyta stronę z ofertami lokat jednego banku zapisaną z serwisu z oprocentowaniem\n"
        "lokat (tak jak okno importu po pobraniu strony) i wypisuje odczytane oferty:\n"
        "bank, nazwa, okres, oprocentowanie w skali roku, kapitalizacja, kwota minimalna i\n"
        "maksymalna, rodzaj oprocentowania, wymóg konta osobistego, warunki wcześniejszego\n"
        "zerwania i pozostałe informacje. Rachunki oszczędnościowe są pomijane.\n"
        "\n"
        "  PLIK          zapisana strona banku (UTF-8, ISO-8859-2 lub Windows-1250)\n"
        "  --bank NAZWA  bank, do którego trafiają oferty\n"
        "  --json        tablica obiektów JSON z kluczami jak w 'talvora oferty': Id (-1),\n"
        "                Bank, NazwaHarmonogramu, OkresDepozytu, JednostkaDepozytu,\n"
        "                Kapitalizacja, OprocentowanieStaleWCalymOkresieLokaty,\n"
        "                OprocentowanieWSkaliRoku, KwotaMinimalna, KwotaMaksymalna,\n"
        "                WymaganeKontoOsobisteWTymBanku, MozliwoscWczesniejszegoZerwaniaLokaty,\n"
        "                HarmonogramDodanyPrzezUzytkownika, WarunkiWczesniejszegoZerwaniaLokaty,\n"
        "                PozostaleInformacje, BankNazwaOprocentowanie, NazwaWyswietlana,\n"
        "                OkresLokaty, KapitalizacjaNazwa\n"
        "  --help        ten opis\n"
        "\n"
        "Strona o zmienionej budowie: oferty odczytane przed błędem na stdout, komunikat\n"
        "błędu na stderr i kod wyjścia 1. Plik, którego nie można odczytać: kod wyjścia 1.\n"
        "Błędne argumenty: komunikat na stderr i kod wyjścia 2.\n");
}

Tool StronaTool() {
    return {QStringLiteral("strona"),
            QStringLiteral("oferty lokat z zapisanej strony banku (--help: argumenty)"),
            Pomoc(),
            {kBank},
            {kJson},
            1,
            false,
            SprawdzArgumenty,
            Run};
}
