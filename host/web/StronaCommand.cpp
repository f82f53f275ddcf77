#include "tools/CommandLineOptions.h"
#include "tools/HostTools.h"
#include "tools/OfferJson.h"
#include "tools/TextTable.h"
#include "tools/ToolRun.h"

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
QStringList Cells(const THarmonogramLokatyBankowej& o) {
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
void WriteTable(QTextStream& out, const TListaOfert& offers) {
    TKolekcjeDanych collections;
    collections.WypelnijTytulyKolumn();
    std::vector<QStringList> rows{
        collections.TabelaHarmonogramyLokatBankowych().TytulyKolumn().mid(1)};
    for (const TOferta& offer : offers)
        rows.push_back(Cells(*offer));
    WriteTextTable(out, rows, {false, false, true, true, false, true, true});
}

void WriteJson(QTextStream& out, const TListaOfert& offers) {
    JsonWriter json;
    json.beginArray();
    for (const TOferta& offer : offers)
        WriteOfferJson(json, *offer);
    json.endArray();
    out << json.text() << u'\n';
}

QString CheckArguments(const CommandLineOptions& options) {
    if (options.positional().isEmpty())
        return QStringLiteral("Podaj plik strony: talvora strona PLIK --bank NAZWA.");
    if (JestPustyTekst(options.value(kBank)))
        return QStringLiteral("Podaj nazwę banku: --bank NAZWA.");
    return {};
}

// The offers read before the parser stops at a page whose structure has
// changed are written too; its message follows them (exit 1).
int Run(const ToolCall& call) {
    QFile file(call.options.positional().first());
    if (!file.open(QIODevice::ReadOnly)) {
        call.err << QStringLiteral("Nie można odczytać pliku %1: %2\n")
                        .arg(file.fileName(), file.errorString());
        return 1;
    }
    TListaOfert offers;
    QString pageError;
    try {
        ParsujTrescStrony(file.readAll(), call.options.value(kBank),
                          [&offers](TOferta offer) { offers.push_back(std::move(offer)); });
    } catch (const EImportError& e) {
        pageError = e.Message();
    }
    WriteResult(call, offers, {WriteJson, WriteTable});
    if (pageError.isEmpty())
        return 0;
    call.err << pageError.replace(u'\r', u'\n') << u'\n';
    return 1;
}

QString Help() {
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

} // namespace

Tool StronaTool() {
    return {QStringLiteral("strona"),
            QStringLiteral("oferty lokat z zapisanej strony banku (--help: argumenty)"),
            Help(),
            {kBank},
            {kJson},
            1,
            false,
            CheckArguments,
            Run};
}
