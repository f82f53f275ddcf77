// Loading 100,000 expenses into the collections, against a bare sqlite3_step
// loop over the same query in the same run, with a breakdown of where the
// loader's time goes: stepping and reading the cells, converting them, and
// making the records (and, for comparison, the former buffering of the whole
// result). The ratios printed at the end are
// the figures to watch.
#include "InicjalizacjaBenchmarkow.h"
#include "PrzykladoweWydatki.h"
#include "ReporterZIlorazami.h"
#include "data/TKolekcjeDanych.h"
#include "data/TOdczytWiersza.h"
#include "data/TProjektDB.h"
#include "data/sqlite/TSQLiteDatabase.h"
#include "data/sqlite/TSQLiteTable.h"
#include "format/TFormatSettings.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <random>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace {

using namespace Qt::Literals::StringLiterals;

constexpr int kIloscWydatkow = 100000;

const char* const kZapytanie = "SELECT * FROM \"Wydatki\" ORDER BY \"Data\";";
const char* const kKolumny[] = {
    "Id",        "IdKategoriaWydatki", "Ile",      "IdKategoriaOszczednosci", "Data", "IdOsoba",
    "Komentarz", "ZlecenieStale",      "Zalacznik"};

// A data file holding the expenses, open in a project.
struct Dane {
    QTemporaryDir katalog;
    std::unique_ptr<TProjektDB> projekt;

    Dane() {
        const QString plik = katalog.filePath("DataFile.dat");
        {
            TProjektDB pusty(plik);
            WypelnijWydatkami(pusty.Baza().DB(), kIloscWydatkow);
        }
        projekt = std::make_unique<TProjektDB>(plik);
    }
};

Dane& Wspolne() {
    static Dane dane;
    return dane;
}

// The baseline: stepping through the query's rows, nothing read.
void BM_GoleSqlite3Step(benchmark::State& state) {
    sqlite3* baza = Wspolne().projekt->Baza().DB();
    for (auto _ : state) {
        sqlite3_stmt* zapytanie = nullptr;
        sqlite3_prepare_v2(baza, kZapytanie, -1, &zapytanie, nullptr);
        int wiersze = 0;
        while (sqlite3_step(zapytanie) == SQLITE_ROW)
            ++wiersze;
        sqlite3_finalize(zapytanie);
        benchmark::DoNotOptimize(wiersze);
    }
}

// Stepping and reading every cell in its stored type, nothing copied.
void BM_Sqlite3StepIKomorki(benchmark::State& state) {
    sqlite3* baza = Wspolne().projekt->Baza().DB();
    for (auto _ : state) {
        sqlite3_stmt* zapytanie = nullptr;
        sqlite3_prepare_v2(baza, kZapytanie, -1, &zapytanie, nullptr);
        int64_t suma = 0;
        while (sqlite3_step(zapytanie) == SQLITE_ROW) {
            for (int i = 0; i < sqlite3_column_count(zapytanie); ++i) {
                switch (sqlite3_column_type(zapytanie, i)) {
                case SQLITE_INTEGER:
                    suma += sqlite3_column_int64(zapytanie, i);
                    break;
                case SQLITE_FLOAT:
                    suma += static_cast<int64_t>(sqlite3_column_double(zapytanie, i));
                    break;
                case SQLITE_TEXT:
                    suma += sqlite3_column_bytes(zapytanie, i);
                    break;
                default:
                    break;
                }
            }
        }
        sqlite3_finalize(zapytanie);
        benchmark::DoNotOptimize(suma);
    }
}

// The former way, for comparison: the whole result buffered first, every
// cell copied and texts decoded to UTF-16.
void BM_BuforWynikow(benchmark::State& state) {
    TProjektDB& projekt = *Wspolne().projekt;
    for (auto _ : state) {
        auto tabela = projekt.PobierzDaneZTabeli(TTabele::Wydatki);
        benchmark::DoNotOptimize(tabela.get());
    }
}

// The loader's reader walking the rows, every cell read as text: what the
// conversions below save against making the texts.
void BM_OdczytTekstow(benchmark::State& state) {
    TSQLiteDatabase& baza = Wspolne().projekt->Baza();
    for (auto _ : state) {
        TOdczytWiersza w(baza, QString::fromLatin1(kZapytanie), u"Wydatki"_s);
        std::vector<TOdczytWiersza::TKolumna> kolumny;
        for (const char* nazwa : kKolumny)
            kolumny.push_back(w.Kolumna(QString::fromLatin1(nazwa)));
        qsizetype dlugosc = 0;
        while (w.Nastepny())
            for (const auto& kolumna : kolumny)
                dlugosc += w.Tekst(kolumna).size();
        benchmark::DoNotOptimize(dlugosc);
    }
}

// The reader with every conversion the loader makes, no records.
void BM_OdczytIKonwersje(benchmark::State& state) {
    TSQLiteDatabase& baza = Wspolne().projekt->Baza();
    for (auto _ : state) {
        TOdczytWiersza w(baza, QString::fromLatin1(kZapytanie), u"Wydatki"_s);
        const auto id = w.Kolumna(u"Id"_s), kategoria = w.Kolumna(u"IdKategoriaWydatki"_s),
                   ile = w.Kolumna(u"Ile"_s), oszczednosc = w.Kolumna(u"IdKategoriaOszczednosci"_s),
                   data = w.Kolumna(u"Data"_s), osoba = w.Kolumna(u"IdOsoba"_s),
                   komentarz = w.Kolumna(u"Komentarz"_s), zlecenie = w.Kolumna(u"ZlecenieStale"_s),
                   zalacznik = w.Kolumna(u"Zalacznik"_s);
        double suma = 0;
        while (w.Nastepny())
            suma += w.Liczba(id) + w.Liczba(kategoria) + w.Kwota(ile) + w.Liczba(oszczednosc) +
                    w.Data(data) + w.Liczba(osoba) + w.Tekst(komentarz).size() + w.Flaga(zlecenie) +
                    w.Tekst(zalacznik).size();
        benchmark::DoNotOptimize(suma);
    }
}

// Only making the records (each new record takes the current time as its
// default date) and filling them with values already converted.
void BM_TworzenieRekordow(benchmark::State& state) {
    const QString komentarz = u"zakupy w sklepie „Żabka” na rogu"_s;
    for (auto _ : state) {
        TListaObiektow<TWydatek> lista;
        for (int i = 0; i < kIloscWydatkow; ++i) {
            auto r = std::make_unique<TWydatek>();
            r->SetId(i);
            r->SetIdKategoriaWydatki(1);
            r->SetIle(12.5);
            r->SetIdKategoriaOszczednosci(1);
            r->SetData(41408.75);
            r->SetIdOsoba(1);
            r->SetKomentarz(komentarz);
            r->SetZlecenieStale(true);
            r->SetZalacznik(QString());
            lista.push_back(std::move(r));
        }
        benchmark::DoNotOptimize(lista.data());
    }
}

void BM_WczytajWydatki(benchmark::State& state) {
    TProjektDB& projekt = *Wspolne().projekt;
    for (auto _ : state)
        projekt.OdswiezZawartoscKolekcji(TTabele::Wydatki);
    if (projekt.Kolekcje().Wydatki().size() != kIloscWydatkow)
        state.SkipWithError("not every expense was loaded");
}

BENCHMARK(BM_GoleSqlite3Step)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Sqlite3StepIKomorki)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BuforWynikow)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OdczytTekstow)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OdczytIKonwersje)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_TworzenieRekordow)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WczytajWydatki)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    UstawLokalizacjeBazowa(QLocale(QLocale::Polish, QLocale::Poland));
    UstawFormaty();
    InicjalizujBenchmarki(&argc, argv);
    Wspolne();
    ReporterZIlorazami reporter(ReporterZIlorazami::RodzajCzasu::Rzeczywisty);
    UruchomBenchmarki(reporter,
                      {{"BM_GoleSqlite3Step",
                        {"BM_Sqlite3StepIKomorki", "BM_BuforWynikow", "BM_OdczytTekstow",
                         "BM_OdczytIKonwersje", "BM_TworzenieRekordow", "BM_WczytajWydatki"}}});
    return 0;
}
