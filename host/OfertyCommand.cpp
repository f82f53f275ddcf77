#include "HostTools.h"

#include "data/EDataError.h"
#include "domain/OchronaPlikuDanych.h"

#include "CommandLineOptions.h"
#include "JsonWriter.h"
#include "OfferJson.h"
#include "ReadOnlyDataFile.h"
#include "TextTable.h"

#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "domain/Formatowanie.h"
#include "domain/PlikOfert.h"
#include "domain/TFormatSettings.h"

#include <QDir>
#include <QFileInfo>
#include <exception>
#include <vector>

namespace {

const QString kDb = QStringLiteral("--db");
const QString kPlik = QStringLiteral("--plik");
const QString kEksportuj = QStringLiteral("--eksportuj");
const QString kJson = QStringLiteral("--json");

QString BladArgumentow(const CommandLineOptions& opcje) {
    if (opcje.has(kDb) == opcje.has(kPlik))
        return QStringLiteral("Podaj albo plik danych (--db PLIK), albo plik lokat bankowych "
                              "(--plik PLIK).");
    if (opcje.value(opcje.has(kDb) ? kDb : kPlik).isEmpty())
        return QStringLiteral("Podaj nazwę pliku.");
    if (opcje.has(kEksportuj) && (!opcje.has(kDb) || opcje.value(kEksportuj).isEmpty()))
        return QStringLiteral("--eksportuj PLIK zapisuje lokaty bankowe pliku danych: podaj "
                              "--db PLIK i nazwę pliku do zapisu.");
    if (opcje.has(kEksportuj) && opcje.has(kJson))
        return QStringLiteral("--json nie dotyczy zapisu do pliku (--eksportuj).");
    return {};
}

// Texts left-aligned, numbers and amounts right-aligned.
void PiszTabele(QTextStream& out, const TListaOfert& oferty) {
    std::vector<QStringList> wiersze{{"Id", "Bank", "Lokata", "Okres", "Oprocentowanie",
                                      "Kapitalizacja", "Kwota minimalna", "Kwota maksymalna"}};
    for (const auto& h : oferty)
        wiersze.push_back({QString::number(h->fId), h->fBank, h->NazwaWyswietlana(),
                           h->OkresLokaty(), FormatPercent(h->fOprocentowanieWSkaliRoku),
                           h->KapitalizacjaNazwa(), h->KwotaMinimalnaString(),
                           h->KwotaMaksymalnaString()});
    WriteTextTable(out, wiersze, {true, false, false, false, true, false, true, true});
}

void PiszJson(QTextStream& out, const TListaOfert& oferty) {
    JsonWriter json;
    json.beginArray();
    for (const auto& h : oferty)
        WriteOfferJson(json, *h);
    json.endArray();
    out << json.text() << u'\n';
}

void PiszOferty(QTextStream& out, const TListaOfert& oferty, bool jakoJson) {
    if (jakoJson)
        PiszJson(out, oferty);
    else
        PiszTabele(out, oferty);
}

int Wykonaj(const CommandLineOptions& opcje, QTextStream& out) {
    if (opcje.has(kPlik)) {
        PiszOferty(out, OdczytajOfertyZPliku(opcje.value(kPlik)), opcje.has(kJson));
        return 0;
    }
    // A reading tool: the data file must exist and stays as it was.
    ReadOnlyDataFile plik(opcje.value(kDb));
    const TListaOfert& oferty = plik.Projekt().Kolekcje().HarmonogramyLokatBankowych();
    if (!opcje.has(kEksportuj)) {
        PiszOferty(out, oferty, opcje.has(kJson));
        return 0;
    }
    const QString cel = QFileInfo(opcje.value(kEksportuj)).absoluteFilePath();
    const QString odmowa =
        OdmowaZapisuEksportu(cel, QFileInfo(opcje.value(kDb)).absoluteFilePath());
    if (!odmowa.isEmpty())
        throw EDataError(odmowa);
    EksportujOfertyDoPliku(oferty, cel);
    out << QStringLiteral("Zapisano lokaty bankowe (%1) do pliku \"%2\".\n")
               .arg(oferty.size())
               .arg(QDir::toNativeSeparators(cel));
    return 0;
}

} // namespace

static int Run(const ToolCall& call) {
    QTextStream& out = call.out;
    const CommandLineOptions& opcje = call.options;
    return Wykonaj(opcje, out);
}

static QString Pomoc() {
    return QStringLiteral(
        "Użycie: talvora oferty --db PLIK [--json]\n"
        "        talvora oferty --plik PLIK.vq_lb [--json]\n"
        "        talvora oferty --db PLIK --eksportuj PLIK.vq_lb\n"
        "\n"
        "Wypisuje lokaty bankowe (oferty banków) z pliku danych albo z pliku lokat\n"
        "bankowych (.vq_lb), albo zapisuje lokaty bankowe pliku danych do pliku .vq_lb tak\n"
        "jak przycisk \"Eksportuj do pliku\" modułu. Plik danych musi istnieć.\n"
        "\n"
        "  --db PLIK         plik danych\n"
        "  --plik PLIK       plik lokat bankowych (.vq_lb); lokaty z niego mają Id -1\n"
        "  --eksportuj PLIK  zapisuje lokaty bankowe pliku danych (--db) do tego pliku;\n"
        "                    istniejący plik jest zastępowany dopiero po pełnym zapisie\n"
        "  --json            tablica obiektów JSON: Id, Bank, NazwaHarmonogramu,\n"
        "                    OkresDepozytu, JednostkaDepozytu, Kapitalizacja (wartości\n"
        "                    liczbowe, -1 to brak), OprocentowanieStaleWCalymOkresieLokaty,\n"
        "                    OprocentowanieWSkaliRoku, KwotaMinimalna, KwotaMaksymalna,\n"
        "                    WymaganeKontoOsobisteWTymBanku,\n"
        "                    MozliwoscWczesniejszegoZerwaniaLokaty,\n"
        "                    HarmonogramDodanyPrzezUzytkownika,\n"
        "                    WarunkiWczesniejszegoZerwaniaLokaty, PozostaleInformacje,\n"
        "                    BankNazwaOprocentowanie, NazwaWyswietlana, OkresLokaty,\n"
        "                    KapitalizacjaNazwa\n"
        "  --help            ten opis\n"
        "\n"
        "Błędne argumenty: komunikat na stderr i kod wyjścia 2. Plik, którego nie można\n"
        "odczytać lub zapisać, oraz plik, który nie jest plikiem lokat bankowych albo jest\n"
        "ucięty (\"Invalid stream format\", \"Invalid property value\", \"Stream read\n"
        "error\"): komunikat na stderr i kod wyjścia 1.\n");
}

Tool OfertyTool() {
    return {QStringLiteral("oferty"),
            QStringLiteral("lokaty bankowe pliku danych lub pliku .vq_lb, eksport (--help: "
                           "argumenty)"),
            Pomoc(),
            {kDb, kPlik, kEksportuj},
            {kJson},
            0,
            false,
            BladArgumentow,
            Run};
}
