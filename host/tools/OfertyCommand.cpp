#include "tools/CommandLineOptions.h"
#include "tools/HostTools.h"
#include "tools/JsonWriter.h"
#include "tools/OfferJson.h"
#include "tools/ReadOnlyDataFile.h"
#include "tools/TextTable.h"
#include "tools/ToolRun.h"

#include "data/EDataError.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "domain/OchronaPlikuDanych.h"
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
const QString kOfferFile = QStringLiteral("--plik");
const QString kExport = QStringLiteral("--eksportuj");
const QString kJson = QStringLiteral("--json");
const QString kCsv = QStringLiteral("--csv");

// One offer of the list with the heading of its bank's group.
struct GroupedOffer {
    const THarmonogramLokatyBankowej* offer;
    QString group;
};
using GroupedOffers = std::vector<GroupedOffer>;

QString ArgumentError(const CommandLineOptions& options) {
    if (options.has(kDb) == options.has(kOfferFile))
        return QStringLiteral("Podaj albo plik danych (--db PLIK), albo plik lokat bankowych "
                              "(--plik PLIK).");
    if (options.value(options.has(kDb) ? kDb : kOfferFile).isEmpty())
        return QStringLiteral("Podaj nazwę pliku.");
    if (options.has(kExport) && (!options.has(kDb) || options.value(kExport).isEmpty()))
        return QStringLiteral("--eksportuj PLIK zapisuje lokaty bankowe pliku danych: podaj "
                              "--db PLIK i nazwę pliku do zapisu.");
    for (const QString& format : {kJson, kCsv})
        if (options.has(kExport) && options.has(format))
            return QStringLiteral("%1 nie dotyczy zapisu do pliku (--eksportuj).").arg(format);
    return options.exclusive({kJson, kCsv});
}

// The offers as the window's list shows them: group after group, one group
// per bank (named as the bank's first offer spells it), deleted offers left
// out.
GroupedOffers InListOrder(const TListaOfert& offers) {
    TGrupyBankow banks;
    std::vector<std::vector<const THarmonogramLokatyBankowej*>> groups;
    for (const auto& h : offers) {
        if (!h)
            continue;
        const auto group = static_cast<std::size_t>(banks.Grupa(h->fBank));
        groups.resize(std::max(groups.size(), group + 1));
        if (h->fZmiany != TTypModyfikacji::Usunieto)
            groups[group].push_back(h.get());
    }
    GroupedOffers result;
    for (std::size_t g = 0; g < groups.size(); ++g)
        for (const THarmonogramLokatyBankowej* h : groups[g])
            result.push_back({h, banks.Naglowki()[static_cast<qsizetype>(g)]});
    return result;
}

// The titles of the offer list's columns (the descriptor's without "ID").
QStringList ListTitles() {
    TKolekcjeDanych collections;
    collections.WypelnijTytulyKolumn();
    return collections.TabelaHarmonogramyLokatBankowych().TytulyKolumn().mid(1);
}

// The offer list of the window: the group, then its eleven columns.
TTabelaListy Table(const GroupedOffers& offers) {
    TTabelaListy table;
    table.tytul = QStringLiteral("Lokaty oferowane przez banki");
    table.kolumny = ListTitles();
    table.grupy = true;
    TKomorkiHarmonogramow cells;
    for (const GroupedOffer& o : offers)
        table.wiersze.push_back({o.group, cells.Komorki(*o.offer)});
    return table;
}

// Texts left-aligned, numbers and amounts right-aligned.
void WriteTable(QTextStream& out, const GroupedOffers& offers) {
    std::vector<QStringList> rows{{"Id", "Bank", "Lokata", "Okres", "Oprocentowanie",
                                   "Kapitalizacja", "Kwota minimalna", "Kwota maksymalna"}};
    for (const auto& [h, group] : offers)
        rows.push_back({QString::number(h->fId), h->fBank, h->NazwaWyswietlana(), h->OkresLokaty(),
                        FormatPercent(h->fOprocentowanieWSkaliRoku), h->KapitalizacjaNazwa(),
                        h->KwotaMinimalnaString(), h->KwotaMaksymalnaString()});
    WriteTextTable(out, rows, {true, false, false, false, true, false, true, true});
}

void WriteJson(QTextStream& out, const GroupedOffers& offers) {
    JsonWriter json;
    json.beginArray();
    for (const GroupedOffer& o : offers)
        WriteOfferJson(json, *o.offer, Today());
    json.endArray();
    out << json.text() << u'\n';
}

int WriteOffers(const ToolCall& call, const TListaOfert& offers) {
    return WriteResult(call, InListOrder(offers), {WriteJson, WriteTable, Table});
}

// Writes the catalogue to an offer file, as the window's export does.
int Export(const ToolCall& call, const TListaOfert& offers) {
    const QString target = QFileInfo(call.options.value(kExport)).absoluteFilePath();
    const QString refusal =
        OdmowaZapisuEksportu(target, QFileInfo(call.options.value(kDb)).absoluteFilePath());
    if (!refusal.isEmpty())
        throw EDataError(refusal);
    EksportujOfertyDoPliku(offers, target);
    call.out << QStringLiteral("Zapisano lokaty bankowe (%1) do pliku \"%2\".\n")
                    .arg(offers.size())
                    .arg(QDir::toNativeSeparators(target));
    return 0;
}

int Run(const ToolCall& call) {
    if (call.options.has(kOfferFile))
        return WriteOffers(call, OdczytajOfertyZPliku(call.options.value(kOfferFile)));
    // A reading tool: the data file must exist and stays as it was.
    ReadOnlyDataFile file(call.options.value(kDb));
    TKolekcjeDanych& collections = file.Project().Kolekcje();
    const TListaOfert& offers = collections.HarmonogramyLokatBankowych();
    if (call.options.has(kExport))
        return Export(call, offers);
    collections.PosortujHarmonogramy();
    return WriteOffers(call, offers);
}

QString Help() {
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

} // namespace

Tool OfertyTool() {
    return {QStringLiteral("oferty"),
            QStringLiteral("lokaty bankowe pliku danych lub pliku .vq_lb, eksport (--help: "
                           "argumenty)"),
            Help(),
            {kDb, kOfferFile, kExport},
            {kJson, kCsv},
            0,
            false,
            ArgumentError,
            Run};
}
