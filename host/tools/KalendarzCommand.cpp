#include "tools/CommandLineOptions.h"
#include "tools/HostTools.h"
#include "tools/JsonWriter.h"
#include "tools/ReadOnlyDataFile.h"
#include "tools/TextTable.h"
#include "tools/ToolRun.h"

#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "domain/OchronaPlikuDanych.h"
#include "domain/TKalendarzLokat.h"
#include "domain/TPlikKalendarza.h"
#include "domain/TWierszeListLokat.h"
#include "format/Formatowanie.h"
#include "format/TFormatSettings.h"
#include "platform/Clock.h"

#include <QDir>
#include <QFileInfo>
#include <exception>
#include <memory>

namespace {

const QString kDb = QStringLiteral("--db");
const QString kJson = QStringLiteral("--json");
const QString kIcs = QStringLiteral("--ics");
const QString kCsv = QStringLiteral("--csv");

// The calendar with the titles of the deposit list's columns, which its CSV
// form shows.
struct Calendar {
    const TKalendarzLokat& months;
    QStringList depositTitles;
};

QStringList Header() {
    return {QStringLiteral("Miesiąc"), QStringLiteral("Ilość"), QStringLiteral("Kwota"),
            QStringLiteral("Szacowany zysk"), QStringLiteral("Lokaty")};
}

QStringList Row(const TMiesiacKalendarza& m) {
    QStringList names;
    for (const TPozycjaKalendarza& p : m.lokaty)
        names << p.lokata->Nazwa();
    return {m.Klucz(), QString::number(m.Ilosc()), FormatMoney(m.kwota),
            FormatMoney(m.szacowanyZysk), names.join(QStringLiteral(", "))};
}

void WriteTable(QTextStream& out, const Calendar& calendar) {
    if (calendar.months.Pusty()) {
        out << QStringLiteral("Brak aktywnych lokat.\n");
        return;
    }
    std::vector<QStringList> rows{Header()};
    for (const TMiesiacKalendarza& m : calendar.months.Miesiace())
        rows.push_back(Row(m));
    // The month and the deposits' names left, the numbers right.
    WriteTextTable(out, rows, {false, true, true, true, false});
}

// The calendar tab's list: each deposit under its month's heading.
TTabelaListy Table(const Calendar& calendar) {
    TTabelaListy table;
    table.tytul = QStringLiteral("Kalendarz");
    table.kolumny = TWierszeListLokat::KolumnyKalendarza(calendar.depositTitles);
    table.grupy = true;
    for (const TMiesiacKalendarza& m : calendar.months.Miesiace())
        for (const TPozycjaKalendarza& p : m.lokaty)
            table.wiersze.push_back({m.Naglowek(), TWierszeListLokat::KolumnyKalendarza(
                                                       TWierszeListLokat::KomorkiLokaty(
                                                           *p.lokata, p.oferta, p.szacowanyZysk))});
    return table;
}

void WriteJson(QTextStream& out, const Calendar& calendar) {
    JsonWriter json;
    json.beginArray();
    for (const TMiesiacKalendarza& m : calendar.months.Miesiace()) {
        json.beginObject()
            .key(u"Miesiac")
            .string(m.Klucz())
            .key(u"Ilosc")
            .integer(m.Ilosc())
            .key(u"Kwota")
            .money(m.kwota)
            .key(u"SzacowanyZysk")
            .money(m.szacowanyZysk)
            .key(u"Lokaty")
            .beginArray();
        for (const TPozycjaKalendarza& p : m.lokaty)
            json.integer(p.lokata->Id());
        json.endArray().endObject();
    }
    json.endArray();
    out << json.text() << u'\n';
}

int WriteIcs(QTextStream& out, QTextStream& err, const TKalendarzLokat& calendar,
             const QString& dataFile, const QString& path) {
    QString error = OdmowaZapisuEksportu(path, dataFile);
    // The deposits come from the file, so every one is stored.
    TPlikKalendarza::TPominiete skipped;
    if (error.isEmpty())
        error = TPlikKalendarza::Zapisz(path,
                                        TPlikKalendarza::Tekst(calendar, dataFile, Now(), skipped));
    if (!error.isEmpty()) {
        err << error << u'\n';
        return 1;
    }
    out << QStringLiteral("Zapisano %1 (wydarzenia: %2)\n")
               .arg(QDir::toNativeSeparators(path))
               .arg(calendar.IloscNadchodzacych() - skipped.Razem());
    if (skipped.poRoku9999 > 0)
        out << QStringLiteral("Pominięto lokaty kończące się po roku 9999: %1.\n")
                   .arg(skipped.poRoku9999);
    return 0;
}

QString CheckIcs(const CommandLineOptions& options) {
    if (options.has(kIcs) && options.value(kIcs).isEmpty())
        return QStringLiteral("Podaj plik kalendarza: --ics PLIK.");
    return options.exclusive({kJson, kIcs, kCsv});
}

int Run(const ToolCall& call) {
    // A reading tool: the data file must exist and stays as it was.
    ReadOnlyDataFile file(call.options.value(kDb));
    TKolekcjeDanych& collections = file.Project().Kolekcje();
    const TKalendarzLokat calendar(collections.Lokaty(), collections.HarmonogramyLokatBankowych(),
                                   Today());
    if (call.options.has(kIcs))
        return WriteIcs(call.out, call.err, calendar, file.Path(), call.options.value(kIcs));
    return WriteResult(call, Calendar{calendar, collections.TabelaLokaty().TytulyKolumn().mid(1)},
                       {WriteJson, WriteTable, Table});
}

QString Help() {
    return QStringLiteral(
        "Użycie: talvora kalendarz --db PLIK [--json | --csv | --ics PLIK]\n"
        "\n"
        "Kiedy wracają pieniądze: aktywne lokaty z pliku danych pogrupowane według\n"
        "miesiąca szacowanej daty zakończenia, z ilością lokat, kwotą, która się zwalnia,\n"
        "i szacowanym zyskiem netto (lokata bez lokaty bankowej liczy się kwotą, bez\n"
        "zysku). Lokaty, których termin już minął, tworzą na początku grupę \"po terminie\".\n"
        "Plik danych tylko odczytuje; nie zakłada nowego.\n"
        "\n"
        "  --db PLIK   plik danych\n"
        "  --json      tablica obiektów JSON: Miesiac (\"yyyy-MM\" lub \"po terminie\"),\n"
        "              Ilosc, Kwota, SzacowanyZysk (sumy zaokrąglone do grosza), Lokaty\n"
        "              (ich identyfikatory)\n"
        "  --csv       lista zakładki \"Kalendarz\" (\"Eksportuj…\"): każda lokata pod\n"
        "              nagłówkiem swojego miesiąca (kolumna Grupa) z kolumnami listy;\n"
        "              UTF-8 ze znacznikiem BOM, pola rozdzielone \";\", kwoty jako liczby\n"
        "              z przecinkiem dziesiętnym\n"
        "  --ics PLIK  zamiast tego zapisuje plik kalendarza (iCalendar): jedno całodniowe\n"
        "              wydarzenie w dniu zakończenia każdej lokaty, która kończy się dziś\n"
        "              lub później, z przypomnieniem trzy dni wcześniej; ponowny eksport\n"
        "              aktualizuje te same wydarzenia\n"
        "  --help      ten opis\n"
        "\n"
        "Błędne argumenty: komunikat na stderr i kod wyjścia 2; plik, którego nie można\n"
        "otworzyć lub zapisać: komunikat na stderr i kod wyjścia 1.\n");
}

} // namespace

Tool KalendarzTool() {
    return {QStringLiteral("kalendarz"),
            QStringLiteral("kiedy kończą się lokaty: miesiąc po miesiącu (--help: argumenty)"),
            Help(),
            {kDb, kIcs},
            {kJson, kCsv},
            0,
            true,
            CheckIcs,
            Run};
}
