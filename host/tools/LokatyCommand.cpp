#include "tools/HostTools.h"

#include "tools/CommandLineOptions.h"
#include "tools/CsvOutput.h"
#include "tools/DepositArguments.h"
#include "tools/JsonWriter.h"
#include "tools/ReadOnlyDataFile.h"
#include "tools/TextTable.h"

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
const QString kKonczaSie = QStringLiteral("--koncza-sie");

// One deposit with the offer it follows and its estimated profit.
struct Pozycja {
    const TLokata* lokata;
    THarmonogramLokatyBankowej* oferta;
    double zysk;
};

// In the order of the deposits window as it opens: active deposits first
// (the window's first group), each part in the window's initial sort.
std::vector<Pozycja> Pozycje(TKolekcjeDanych& kolekcje) {
    kolekcje.PosortujLokatyPoDacieZakonczenia();
    std::vector<Pozycja> pozycje;
    for (const auto& lokata : kolekcje.Lokaty()) {
        if (lokata->Zmiany() == TTypModyfikacji::Usunieto)
            continue;
        Pozycja p{lokata.get(), nullptr, 0};
        if (lokata->IdHarmonogramLokaty() != -1) {
            p.oferta =
                kolekcje.PobierzHarmonogramLokatyBankowejDlaID(lokata->IdHarmonogramLokaty());
            p.zysk = lokata->ObliczSzacowanyZyskZLokaty(p.oferta);
        }
        pozycje.push_back(p);
    }
    std::stable_partition(pozycje.begin(), pozycje.end(),
                          [](const Pozycja& p) { return p.lokata->Aktywna(); });
    return pozycje;
}

// Only the deposits past their end or ending within `dni` days, in the same order.
std::vector<Pozycja> KonczaceSie(const std::vector<Pozycja>& pozycje,
                                 const TKonczaceSieLokaty& konczace) {
    const std::vector<const TLokata*> wybrane = konczace.Wszystkie();
    std::vector<Pozycja> wynik;
    for (const Pozycja& p : pozycje)
        if (std::find(wybrane.begin(), wybrane.end(), p.lokata) != wybrane.end())
            wynik.push_back(p);
    return wynik;
}

// With --koncza-sie: keeps only those deposits and, in the text form, first
// says how many there are. False when there are none (and the text said so).
bool ZostawKonczaceSie(const ToolCall& call, TKolekcjeDanych& kolekcje,
                       std::vector<Pozycja>& pozycje) {
    const TKonczaceSieLokaty konczace(kolekcje.Lokaty(), Today(),
                                      call.options.value(kKonczaSie).toInt());
    pozycje = KonczaceSie(pozycje, konczace);
    if (call.json() || call.csv())
        return true;
    call.out << (konczace.Puste() ? konczace.TekstBraku() : konczace.Tekst()) << u'\n';
    return !konczace.Puste();
}

QString Data(TDateTime data) {
    return FormatDateTime(QStringLiteral("yyyy-MM-dd"), data, UstawieniaFormatow);
}

// The texts of the deposit list's eight columns, as the window shows them.
QStringList Komorki(const Pozycja& p) {
    return TWierszeListLokat::KomorkiLokaty(*p.lokata, p.oferta, p.zysk);
}

// The name left-aligned, the other columns right-aligned as in the list.
void PiszTabele(QTextStream& out, const QStringList& tytuly, const std::vector<Pozycja>& pozycje) {
    std::vector<QStringList> wiersze{tytuly};
    for (const Pozycja& p : pozycje)
        wiersze.push_back(Komorki(p));
    WriteTextTable(out, wiersze, FirstColumnLeft(tytuly.size()));
}

// The deposit list as the window shows it: under "Lokaty aktywne" and the
// group of the others.
TTabelaListy Tabela(const QStringList& tytuly, const std::vector<Pozycja>& pozycje) {
    const QStringList grupy = TWierszeListLokat::NaglowkiGrup();
    TTabelaListy tabela;
    tabela.tytul = QStringLiteral("Lokaty");
    tabela.kolumny = tytuly;
    tabela.grupy = true;
    for (const Pozycja& p : pozycje)
        tabela.wiersze.push_back({grupy[p.lokata->Aktywna() ? 0 : 1], Komorki(p)});
    return tabela;
}

void PiszJson(QTextStream& out, const std::vector<Pozycja>& pozycje) {
    JsonWriter json;
    json.beginArray();
    for (const Pozycja& p : pozycje) {
        const TLokata& l = *p.lokata;
        json.beginObject()
            .key(u"Id")
            .integer(l.Id())
            .key(u"Nazwa")
            .string(l.Nazwa())
            .key(u"Kwota")
            .money(l.Kwota())
            .key(u"DataRozpoczecia")
            .string(Data(l.DataRozpoczecia()))
            .key(u"OkresLokaty")
            .integer(l.OkresLokaty())
            .key(u"JednostkaLokaty")
            .integer(static_cast<int8_t>(l.fJednostkaLokaty))
            .key(u"OkresLokatyString")
            .string(l.OkresLokatyString())
            .key(u"IdHarmonogramLokaty")
            .integer(l.IdHarmonogramLokaty())
            .key(u"LokataBankowa")
            .string(p.oferta ? p.oferta->BankNazwaOprocentowanie() : QString())
            .key(u"SzacowanaDataZakonczenia")
            .string(Data(l.SzacowanaDataZakonczenia()))
            .key(u"SzacowanyZysk");
        if (l.IdHarmonogramLokaty() == -1)
            json.null();
        else
            json.number(p.zysk);
        json.key(u"IloscDniDoZakonczenia")
            .integer(l.IloscDniDoZakonczenia())
            .key(u"Aktywna")
            .boolean(l.Aktywna())
            .endObject();
    }
    json.endArray();
    out << json.text() << u'\n';
}

} // namespace

static int Run(const ToolCall& call) {
    QTextStream& out = call.out;
    const CommandLineOptions& opcje = call.options;
    ReadOnlyDataFile plik(opcje.value(kDb));
    TKolekcjeDanych& kolekcje = plik.Project().Kolekcje();
    std::vector<Pozycja> pozycje = Pozycje(kolekcje);
    const QStringList tytuly = kolekcje.TabelaLokaty().TytulyKolumn().mid(1);
    if (opcje.has(kKonczaSie) && !ZostawKonczaceSie(call, kolekcje, pozycje))
        return 0;
    if (call.json())
        PiszJson(out, pozycje);
    else if (call.csv())
        WriteCsv(out, Tabela(tytuly, pozycje));
    else
        PiszTabele(out, tytuly, pozycje);
    return 0;
}

static QString SprawdzArgumenty(const CommandLineOptions& opcje) {
    uint16_t dni = 0;
    if (opcje.has(kKonczaSie) && !ReadPeriod(opcje.value(kKonczaSie), dni))
        return QStringLiteral("Nie można odczytać liczby dni: \"%1\" (oczekiwano liczby "
                              "całkowitej od 0 do 65535).")
            .arg(opcje.value(kKonczaSie));
    return opcje.exclusive({kJson, kCsv});
}

static QString Pomoc() {
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

Tool LokatyTool() {
    return {QStringLiteral("lokaty"),
            QStringLiteral("lokaty z pliku danych z szacowanym zyskiem (--help: argumenty)"),
            Pomoc(),
            {kDb, kKonczaSie},
            {kJson, kCsv},
            0,
            true,
            SprawdzArgumenty,
            Run};
}
