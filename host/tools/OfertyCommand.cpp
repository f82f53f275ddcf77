#include "tools/HostTools.h"

#include "data/EDataError.h"
#include "domain/OchronaPlikuDanych.h"

#include "tools/CommandLineOptions.h"
#include "tools/CsvOutput.h"
#include "tools/JsonWriter.h"
#include "tools/OfferJson.h"
#include "tools/ReadOnlyDataFile.h"
#include "tools/TextTable.h"

#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "domain/PlikOfert.h"
#include "domain/TGrupyBankow.h"
#include "domain/TKomorkiHarmonogramow.h"
#include "format/Formatowanie.h"
#include "format/TFormatSettings.h"
#include "platform/Clock.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <exception>
#include <vector>

namespace {

const QString kDb = QStringLiteral("--db");
const QString kPlik = QStringLiteral("--plik");
const QString kEksportuj = QStringLiteral("--eksportuj");
const QString kJson = QStringLiteral("--json");
const QString kCsv = QStringLiteral("--csv");

// One offer of the list with the heading of its bank's group.
struct OfertaWGrupie {
    const THarmonogramLokatyBankowej* oferta;
    QString grupa;
};
using TOfertyWGrupach = std::vector<OfertaWGrupie>;

QString BladArgumentow(const CommandLineOptions& opcje) {
    if (opcje.has(kDb) == opcje.has(kPlik))
        return QStringLiteral("Podaj albo plik danych (--db PLIK), albo plik lokat bankowych "
                              "(--plik PLIK).");
    if (opcje.value(opcje.has(kDb) ? kDb : kPlik).isEmpty())
        return QStringLiteral("Podaj nazwę pliku.");
    if (opcje.has(kEksportuj) && (!opcje.has(kDb) || opcje.value(kEksportuj).isEmpty()))
        return QStringLiteral("--eksportuj PLIK zapisuje lokaty bankowe pliku danych: podaj "
                              "--db PLIK i nazwę pliku do zapisu.");
    for (const QString& format : {kJson, kCsv})
        if (opcje.has(kEksportuj) && opcje.has(format))
            return QStringLiteral("%1 nie dotyczy zapisu do pliku (--eksportuj).").arg(format);
    return opcje.exclusive({kJson, kCsv});
}

// The offers as the window's list shows them: group after group, one group
// per bank (named as the bank's first offer spells it), deleted offers left
// out.
TOfertyWGrupach WKolejnosciListy(const TListaOfert& oferty) {
    TGrupyBankow banki;
    std::vector<std::vector<const THarmonogramLokatyBankowej*>> grupy;
    for (const auto& h : oferty) {
        if (!h)
            continue;
        const auto grupa = static_cast<std::size_t>(banki.Grupa(h->fBank));
        grupy.resize(std::max(grupy.size(), grupa + 1));
        if (h->fZmiany != TTypModyfikacji::Usunieto)
            grupy[grupa].push_back(h.get());
    }
    TOfertyWGrupach wynik;
    for (std::size_t g = 0; g < grupy.size(); ++g)
        for (const THarmonogramLokatyBankowej* h : grupy[g])
            wynik.push_back({h, banki.Naglowki()[static_cast<qsizetype>(g)]});
    return wynik;
}

// The titles of the offer list's columns (the descriptor's without "ID").
QStringList TytulyListy() {
    TKolekcjeDanych kolekcje;
    kolekcje.WypelnijTytulyKolumn();
    return kolekcje.TabelaHarmonogramyLokatBankowych().TytulyKolumn().mid(1);
}

// The offer list of the window: the group, then its eleven columns.
TTabelaListy Tabela(const QStringList& tytuly, const TOfertyWGrupach& oferty) {
    TTabelaListy tabela;
    tabela.tytul = QStringLiteral("Lokaty oferowane przez banki");
    tabela.kolumny = tytuly;
    tabela.grupy = true;
    TKomorkiHarmonogramow komorki;
    for (const OfertaWGrupie& o : oferty)
        tabela.wiersze.push_back({o.grupa, komorki.Komorki(*o.oferta)});
    return tabela;
}

// Texts left-aligned, numbers and amounts right-aligned.
void PiszTabele(QTextStream& out, const TOfertyWGrupach& oferty) {
    std::vector<QStringList> wiersze{{"Id", "Bank", "Lokata", "Okres", "Oprocentowanie",
                                      "Kapitalizacja", "Kwota minimalna", "Kwota maksymalna"}};
    for (const auto& [h, grupa] : oferty)
        wiersze.push_back({QString::number(h->fId), h->fBank, h->NazwaWyswietlana(),
                           h->OkresLokaty(), FormatPercent(h->fOprocentowanieWSkaliRoku),
                           h->KapitalizacjaNazwa(), h->KwotaMinimalnaString(),
                           h->KwotaMaksymalnaString()});
    WriteTextTable(out, wiersze, {true, false, false, false, true, false, true, true});
}

void PiszJson(QTextStream& out, const TOfertyWGrupach& oferty) {
    JsonWriter json;
    json.beginArray();
    for (const OfertaWGrupie& o : oferty)
        WriteOfferJson(json, *o.oferta, Today());
    json.endArray();
    out << json.text() << u'\n';
}

void PiszOferty(QTextStream& out, const TListaOfert& oferty, const CommandLineOptions& opcje) {
    const TOfertyWGrupach lista = WKolejnosciListy(oferty);
    if (opcje.has(kJson))
        PiszJson(out, lista);
    else if (opcje.has(kCsv))
        WriteCsv(out, Tabela(TytulyListy(), lista));
    else
        PiszTabele(out, lista);
}

int Wykonaj(const CommandLineOptions& opcje, QTextStream& out) {
    if (opcje.has(kPlik)) {
        PiszOferty(out, OdczytajOfertyZPliku(opcje.value(kPlik)), opcje);
        return 0;
    }
    // A reading tool: the data file must exist and stays as it was.
    ReadOnlyDataFile plik(opcje.value(kDb));
    TKolekcjeDanych& kolekcje = plik.Project().Kolekcje();
    const TListaOfert& oferty = kolekcje.HarmonogramyLokatBankowych();
    if (!opcje.has(kEksportuj)) {
        kolekcje.PosortujHarmonogramy();
        PiszOferty(out, oferty, opcje);
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
        "Użycie: talvora oferty --db PLIK [--json | --csv]\n"
        "        talvora oferty --plik PLIK.vq_lb [--json | --csv]\n"
        "        talvora oferty --db PLIK --eksportuj PLIK.vq_lb\n"
        "\n"
        "Wypisuje lokaty bankowe (oferty banków) z pliku danych albo z pliku lokat\n"
        "bankowych (.vq_lb), albo zapisuje lokaty bankowe pliku danych do pliku .vq_lb tak\n"
        "jak przycisk \"Eksportuj do pliku\" modułu. Plik danych musi istnieć. Lokaty\n"
        "bankowe są wypisywane w kolejności listy okna: bank po banku.\n"
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
        "                    KapitalizacjaNazwa, DataDodaniaModyfikacji (RRRR-MM-DD: kiedy\n"
        "                    ofertę wpisano lub zaimportowano), DniOdAktualizacji (ile dni\n"
        "                    temu); kwoty zaokrąglone do grosza\n"
        "  --csv             lista jak w oknie (\"Eksportuj…\"): kolumna Grupa (bank) i\n"
        "                    kolumny listy lokat bankowych; UTF-8 ze znacznikiem BOM, pola\n"
        "                    rozdzielone \";\", kwoty jako liczby z przecinkiem dziesiętnym\n"
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
            {kJson, kCsv},
            0,
            false,
            BladArgumentow,
            Run};
}
