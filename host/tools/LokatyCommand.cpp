#include "tools/CommandLineOptions.h"
#include "tools/DepositArguments.h"
#include "tools/HostTools.h"
#include "tools/JsonWriter.h"
#include "tools/ReadOnlyDataFile.h"
#include "tools/TextTable.h"
#include "tools/ToolRun.h"

#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "domain/TKonczaceSieLokaty.h"
#include "domain/TWierszeListLokat.h"
#include "format/Formatowanie.h"
#include "format/TFormatSettings.h"
#include "platform/Clock.h"

#include <QFileInfo>
#include <algorithm>
#include <exception>
#include <vector>

namespace {

const QString kDb = QStringLiteral("--db");
const QString kJson = QStringLiteral("--json");
const QString kCsv = QStringLiteral("--csv");
const QString kEndingWithin = QStringLiteral("--koncza-sie");

// One deposit with the offer it follows and its estimated profit.
struct Entry {
    const TLokata* deposit;
    THarmonogramLokatyBankowej* offer;
    double profit;
};

// The deposit list: the titles of its columns and its deposits.
struct DepositList {
    QStringList titles;
    std::vector<Entry> entries;
};

// In the order of the deposits window as it opens: active deposits first
// (the window's first group), each part in the window's initial sort.
std::vector<Entry> Entries(TKolekcjeDanych& collections) {
    collections.PosortujLokatyPoDacieZakonczenia();
    std::vector<Entry> entries;
    for (const auto& deposit : collections.Lokaty()) {
        if (deposit->Zmiany() == TTypModyfikacji::Usunieto)
            continue;
        Entry e{deposit.get(), nullptr, 0};
        if (deposit->IdHarmonogramLokaty() != -1) {
            e.offer =
                collections.PobierzHarmonogramLokatyBankowejDlaID(deposit->IdHarmonogramLokaty());
            e.profit = deposit->ObliczSzacowanyZyskZLokaty(e.offer);
        }
        entries.push_back(e);
    }
    std::stable_partition(entries.begin(), entries.end(),
                          [](const Entry& e) { return e.deposit->Aktywna(); });
    return entries;
}

// Only the deposits past their end or ending within the days given, in the
// same order.
std::vector<Entry> EndingSoon(const std::vector<Entry>& entries, const TKonczaceSieLokaty& ending) {
    const std::vector<const TLokata*> chosen = ending.Wszystkie();
    std::vector<Entry> result;
    for (const Entry& e : entries)
        if (std::find(chosen.begin(), chosen.end(), e.deposit) != chosen.end())
            result.push_back(e);
    return result;
}

// With --koncza-sie: keeps only those deposits and, in the text form, first
// says how many there are. False when there are none (and the text said so).
bool KeepEndingSoon(const ToolCall& call, TKolekcjeDanych& collections,
                    std::vector<Entry>& entries) {
    const TKonczaceSieLokaty ending(collections.Lokaty(), Today(),
                                    call.options.value(kEndingWithin).toInt());
    entries = EndingSoon(entries, ending);
    if (call.json() || call.csv())
        return true;
    call.out << (ending.Puste() ? ending.TekstBraku() : ending.Tekst()) << u'\n';
    return !ending.Puste();
}

QString Date(TDateTime date) {
    return FormatDateTime(QStringLiteral("yyyy-MM-dd"), date, UstawieniaFormatow);
}

// The texts of the deposit list's eight columns, as the window shows them.
QStringList Cells(const Entry& e) {
    return TWierszeListLokat::KomorkiLokaty(*e.deposit, e.offer, e.profit);
}

// The name left-aligned, the other columns right-aligned as in the list.
void WriteTable(QTextStream& out, const DepositList& list) {
    std::vector<QStringList> rows{list.titles};
    for (const Entry& e : list.entries)
        rows.push_back(Cells(e));
    WriteTextTable(out, rows, FirstColumnLeft(list.titles.size()));
}

// The deposit list as the window shows it: under "Lokaty aktywne" and the
// group of the others.
TTabelaListy Table(const DepositList& list) {
    const QStringList groups = TWierszeListLokat::NaglowkiGrup();
    TTabelaListy table;
    table.tytul = QStringLiteral("Lokaty");
    table.kolumny = list.titles;
    table.grupy = true;
    for (const Entry& e : list.entries)
        table.wiersze.push_back({groups[e.deposit->Aktywna() ? 0 : 1], Cells(e)});
    return table;
}

void WriteJson(QTextStream& out, const DepositList& list) {
    JsonWriter json;
    json.beginArray();
    for (const Entry& e : list.entries) {
        const TLokata& l = *e.deposit;
        json.beginObject()
            .key(u"Id")
            .integer(l.Id())
            .key(u"Nazwa")
            .string(l.Nazwa())
            .key(u"Kwota")
            .money(l.Kwota())
            .key(u"DataRozpoczecia")
            .string(Date(l.DataRozpoczecia()))
            .key(u"OkresLokaty")
            .integer(l.OkresLokaty())
            .key(u"JednostkaLokaty")
            .integer(static_cast<int8_t>(l.fJednostkaLokaty))
            .key(u"OkresLokatyString")
            .string(l.OkresLokatyString())
            .key(u"IdHarmonogramLokaty")
            .integer(l.IdHarmonogramLokaty())
            .key(u"LokataBankowa")
            .string(e.offer ? e.offer->BankNazwaOprocentowanie() : QString())
            .key(u"SzacowanaDataZakonczenia")
            .string(Date(l.SzacowanaDataZakonczenia()))
            .key(u"SzacowanyZysk");
        if (l.IdHarmonogramLokaty() == -1)
            json.null();
        else
            json.number(e.profit);
        json.key(u"IloscDniDoZakonczenia")
            .integer(l.IloscDniDoZakonczenia())
            .key(u"Aktywna")
            .boolean(l.Aktywna())
            .endObject();
    }
    json.endArray();
    out << json.text() << u'\n';
}

int Run(const ToolCall& call) {
    ReadOnlyDataFile file(call.options.value(kDb));
    TKolekcjeDanych& collections = file.Project().Kolekcje();
    DepositList list;
    list.entries = Entries(collections);
    list.titles = collections.TabelaLokaty().TytulyKolumn().mid(1);
    if (call.options.has(kEndingWithin) && !KeepEndingSoon(call, collections, list.entries))
        return 0;
    return WriteResult(call, list, {WriteJson, WriteTable, Table});
}

QString CheckArguments(const CommandLineOptions& options) {
    uint16_t days = 0;
    if (options.has(kEndingWithin) && !ReadPeriod(options.value(kEndingWithin), days))
        return QStringLiteral("Nie można odczytać liczby dni: \"%1\" (oczekiwano liczby "
                              "całkowitej od 0 do 65535).")
            .arg(options.value(kEndingWithin));
    return options.exclusive({kJson, kCsv});
}

QString Help() {
    return QStringLiteral(
        "Użycie: talvora lokaty --db PLIK [--koncza-sie DNI] [--json | --csv]\n"
        "\n"
        "Czyta istniejący plik danych (nie zmienia go ani nie zakłada nowego: ścieżka bez\n"
        "pliku to błąd) i wypisuje każdą lokatę z kolumnami listy lokat: nazwa, kwota,\n"
        "data rozpoczęcia, czas trwania, lokata bankowa, szacowana data zakończenia,\n"
        "szacowany zysk i ilość dni do zakończenia. Szacunki liczone są na dzisiejszy\n"
        "dzień.\n"
        "\n"
        "  --db PLIK  plik danych (nie jest zmieniany)\n"
        "  --koncza-sie DNI\n"
        "             tylko aktywne lokaty po terminie (szacowana data zakończenia minęła)\n"
        "             i kończące się dziś lub w ciągu DNI dni; najpierw wiersz z ich\n"
        "             liczbą, a gdy takich nie ma, sam ten komunikat (kod wyjścia 0)\n"
        "  --json     tablica obiektów JSON z dokładnymi wartościami: Id, Nazwa, Kwota,\n"
        "             DataRozpoczecia, OkresLokaty, JednostkaLokaty, OkresLokatyString,\n"
        "             IdHarmonogramLokaty, LokataBankowa, SzacowanaDataZakonczenia,\n"
        "             SzacowanyZysk (null bez lokaty bankowej), IloscDniDoZakonczenia,\n"
        "             Aktywna; kwoty zaokrąglone do grosza, SzacowanyZysk dokładnie\n"
        "  --csv      lista jak w oknie (\"Eksportuj…\"): kolumna Grupa (lokaty aktywne,\n"
        "             nieaktywne) i kolumny listy lokat; UTF-8 ze znacznikiem BOM, pola\n"
        "             rozdzielone \";\", kwoty jako liczby z przecinkiem dziesiętnym\n"
        "  --help     ten opis\n"
        "\n"
        "Błędne argumenty: komunikat na stderr i kod wyjścia 2; plik, którego nie można\n"
        "otworzyć: komunikat na stderr i kod wyjścia 1.\n");
}

} // namespace

Tool LokatyTool() {
    return {QStringLiteral("lokaty"),
            QStringLiteral("lokaty z pliku danych z szacowanym zyskiem (--help: argumenty)"),
            Help(),
            {kDb, kEndingWithin},
            {kJson, kCsv},
            0,
            true,
            CheckArguments,
            Run};
}
