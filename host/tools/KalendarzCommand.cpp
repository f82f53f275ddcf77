#include "tools/HostTools.h"

#include "domain/OchronaPlikuDanych.h"

#include "tools/CommandLineOptions.h"
#include "tools/CsvOutput.h"
#include "tools/JsonWriter.h"
#include "tools/ReadOnlyDataFile.h"
#include "tools/TextTable.h"

#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
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

// The data file as a reading tool opens it: an existing file only.
QStringList Naglowek() {
    return {QStringLiteral("Miesiąc"), QStringLiteral("Ilość"), QStringLiteral("Kwota"),
            QStringLiteral("Szacowany zysk"), QStringLiteral("Lokaty")};
}

QStringList Wiersz(const TMiesiacKalendarza& m) {
    QStringList nazwy;
    for (const TPozycjaKalendarza& p : m.lokaty)
        nazwy << p.lokata->Nazwa();
    return {m.Klucz(), QString::number(m.Ilosc()), FormatMoney(m.kwota),
            FormatMoney(m.szacowanyZysk), nazwy.join(QStringLiteral(", "))};
}

void PiszTabele(QTextStream& out, const TKalendarzLokat& kalendarz) {
    if (kalendarz.Pusty()) {
        out << QStringLiteral("Brak aktywnych lokat.\n");
        return;
    }
    std::vector<QStringList> wiersze{Naglowek()};
    for (const TMiesiacKalendarza& m : kalendarz.Miesiace())
        wiersze.push_back(Wiersz(m));
    // The month and the deposits' names left, the numbers right.
    WriteTextTable(out, wiersze, {false, true, true, true, false});
}

// The calendar tab's list: each deposit under its month's heading.
TTabelaListy Tabela(const QStringList& tytulyLokat, const TKalendarzLokat& kalendarz) {
    TTabelaListy tabela;
    tabela.tytul = QStringLiteral("Kalendarz");
    tabela.kolumny = TWierszeListLokat::KolumnyKalendarza(tytulyLokat);
    tabela.grupy = true;
    for (const TMiesiacKalendarza& m : kalendarz.Miesiace())
        for (const TPozycjaKalendarza& p : m.lokaty)
            tabela.wiersze.push_back(
                {m.Naglowek(),
                 TWierszeListLokat::KolumnyKalendarza(
                     TWierszeListLokat::KomorkiLokaty(*p.lokata, p.oferta, p.szacowanyZysk))});
    return tabela;
}

void PiszJson(QTextStream& out, const TKalendarzLokat& kalendarz) {
    JsonWriter json;
    json.beginArray();
    for (const TMiesiacKalendarza& m : kalendarz.Miesiace()) {
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

int PiszIcs(QTextStream& out, QTextStream& err, const TKalendarzLokat& kalendarz,
            const QString& plikDanych, const QString& sciezka) {
    QString blad = OdmowaZapisuEksportu(sciezka, plikDanych);
    // The deposits come from the file, so every one is stored.
    TPlikKalendarza::TPominiete pominiete;
    if (blad.isEmpty())
        blad = TPlikKalendarza::Zapisz(
            sciezka, TPlikKalendarza::Tekst(kalendarz, plikDanych, Now(), pominiete));
    if (!blad.isEmpty()) {
        err << blad << u'\n';
        return 1;
    }
    out << QStringLiteral("Zapisano %1 (wydarzenia: %2)\n")
               .arg(QDir::toNativeSeparators(sciezka))
               .arg(kalendarz.IloscNadchodzacych() - pominiete.Razem());
    if (pominiete.poRoku9999 > 0)
        out << QStringLiteral("Pominięto lokaty kończące się po roku 9999: %1.\n")
                   .arg(pominiete.poRoku9999);
    return 0;
}

} // namespace

static QString SprawdzIcs(const CommandLineOptions& opcje) {
    if (opcje.has(kIcs) && opcje.value(kIcs).isEmpty())
        return QStringLiteral("Podaj plik kalendarza: --ics PLIK.");
    return opcje.exclusive({kJson, kIcs, kCsv});
}

static int Run(const ToolCall& call) {
    QTextStream& out = call.out;
    QTextStream& err = call.err;
    const CommandLineOptions& opcje = call.options;
    // A reading tool: the data file must exist and stays as it was.
    ReadOnlyDataFile plik(opcje.value(kDb));
    TKolekcjeDanych& kolekcje = plik.Project().Kolekcje();
    const TKalendarzLokat kalendarz(kolekcje.Lokaty(), kolekcje.HarmonogramyLokatBankowych(),
                                    Today());
    if (opcje.has(kIcs))
        return PiszIcs(out, err, kalendarz, plik.Path(), opcje.value(kIcs));
    if (call.json())
        PiszJson(out, kalendarz);
    else if (call.csv())
        WriteCsv(out, Tabela(kolekcje.TabelaLokaty().TytulyKolumn().mid(1), kalendarz));
    else
        PiszTabele(out, kalendarz);
    return 0;
}

static QString Pomoc() {
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

Tool KalendarzTool() {
    return {QStringLiteral("kalendarz"),
            QStringLiteral("kiedy kończą się lokaty: miesiąc po miesiącu (--help: argumenty)"),
            Pomoc(),
            {kDb, kIcs},
            {kJson, kCsv},
            0,
            true,
            SprawdzIcs,
            Run};
}
