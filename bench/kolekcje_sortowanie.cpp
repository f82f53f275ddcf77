// Sorting the offer catalogue and listing its labels, against a plain sort of
// the same labels by code units (QString operator<) in the same run. The
// figures to watch are the two ratios printed at the end.
#include "InicjalizacjaBenchmarkow.h"
#include "ReporterZIlorazami.h"
#include "data/TKolekcjeDanych.h"
#include "format/TFormatSettings.h"

#include <QCoreApplication>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <random>
#include <string>

namespace {

constexpr int kIloscOfert = 10000;

const char* const kBanki[] = {"Alior Bank",
                              "Bank Millennium",
                              "Bank Pekao",
                              "BNP Paribas",
                              "Citi Handlowy",
                              "Credit Agricole",
                              "Getin Bank",
                              "ING Bank Śląski",
                              "mBank",
                              "Nest Bank",
                              "Noble Bank",
                              "PKO Bank Polski",
                              "Plus Bank",
                              "Santander Bank Polska",
                              "Toyota Bank",
                              "VeloBank",
                              "Bank Ochrony Środowiska",
                              "Bank Spółdzielczy w Łodzi",
                              "Łużycki Bank Spółdzielczy",
                              "Żuławski Bank Spółdzielczy",
                              "Idea Bank",
                              "Inteligo",
                              "Raiffeisen",
                              "Deutsche Bank",
                              "Euro Bank",
                              "FM Bank",
                              "Meritum Bank",
                              "Podkarpacki Bank Spółdzielczy",
                              "Bank Pocztowy",
                              "Envelo Bank",
                              "Aion Bank",
                              "Revolut",
                              "Volkswagen Bank",
                              "Santander Consumer Bank",
                              "Bank Nowy",
                              "Kasa Stefczyka",
                              "Mazowiecki Bank Regionalny",
                              "Bank BPS",
                              "SGB-Bank",
                              "Lubelski Bank Spółdzielczy"};

const char* const kNazwy[] = {
    "Lokata na nowe środki",  "Lokata Progresywna", "Lokata Standardowa", "Lokata Internetowa",
    "Lokata Mobilna",         "Lokata Rentierska",  "Lokata Powitalna",   "lokata na start",
    "Lokata z kontem",        "Lokata Świąteczna",  "Lokata Roczna",      "Lokata Kwartalna",
    "Lokata dla seniora",     "Lokata rodzinna",    "Lokata Zielona",     "LOKATA PROMOCYJNA",
    "Lokata Elastyczna",      "Lokata Złota",       "Lokata Srebrna",     "Lokata Premium",
    "Lokata Oszczędnościowa", "Lokata Miesięczna",  "Lokata Dzienna",     "Lokata Jesienna",
    "Lokata Wiosenna"};

struct Okres {
    uint32_t ile;
    TJednostkaOkresu jednostka;
} const kOkresy[] = {
    {7, TJednostkaOkresu::Dzien},   {14, TJednostkaOkresu::Dzien},  {1, TJednostkaOkresu::Miesiac},
    {3, TJednostkaOkresu::Miesiac}, {6, TJednostkaOkresu::Miesiac}, {12, TJednostkaOkresu::Miesiac},
    {1, TJednostkaOkresu::Rok},     {2, TJednostkaOkresu::Rok},     {2, TJednostkaOkresu::Tydzien}};

// A catalogue of offers in random order, and that order to restore.
struct Katalog {
    TKolekcjeDanych kolekcje;
    std::vector<THarmonogramLokatyBankowej*> kolejnosc;
    QStringList etykiety;

    Katalog() {
        std::mt19937 los(20130514);
        auto& lista = kolekcje.HarmonogramyLokatBankowych();
        for (int i = 0; i < kIloscOfert; ++i) {
            auto oferta = std::make_unique<THarmonogramLokatyBankowej>();
            oferta->fId = i + 1;
            oferta->fBank = kBanki[los() % std::size(kBanki)];
            oferta->fNazwaHarmonogramu = kNazwy[los() % std::size(kNazwy)];
            const Okres& okres = kOkresy[los() % std::size(kOkresy)];
            oferta->fOkresDepozytu = okres.ile;
            oferta->fJednostkaDepozytu = okres.jednostka;
            oferta->fOprocentowanieWSkaliRoku = 0.5 + (los() % 700) / 100.0;
            lista.push_back(std::move(oferta));
        }
        std::shuffle(lista.begin(), lista.end(), los);
        for (const auto& oferta : lista) {
            kolejnosc.push_back(oferta.get());
            etykiety.append(oferta->BankNazwaOprocentowanie());
        }
    }

    // Puts the offers back into the random order of the start.
    void PrzywrocKolejnosc() {
        auto& lista = kolekcje.HarmonogramyLokatBankowych();
        std::map<THarmonogramLokatyBankowej*, std::unique_ptr<THarmonogramLokatyBankowej>> wg;
        for (auto& oferta : lista)
            wg[oferta.get()] = std::move(oferta);
        for (size_t i = 0; i < kolejnosc.size(); ++i)
            lista[i] = std::move(wg[kolejnosc[i]]);
    }
};

Katalog& WspolnyKatalog() {
    static Katalog katalog;
    return katalog;
}

void BM_SortEtykietQString(benchmark::State& state) {
    const QStringList& etykiety = WspolnyKatalog().etykiety;
    for (auto _ : state) {
        state.PauseTiming();
        QStringList kopia = etykiety;
        kopia.detach();
        state.ResumeTiming();
        std::sort(kopia.begin(), kopia.end());
        benchmark::DoNotOptimize(kopia.data());
    }
}

// Only the labels that PobierzOpisyKategorii lists, built once per offer: the
// part of its time that lies in the offer's own text.
void BM_EtykietyHarmonogramow(benchmark::State& state) {
    Katalog& katalog = WspolnyKatalog();
    for (auto _ : state) {
        QStringList etykiety;
        for (const auto& oferta : katalog.kolekcje.HarmonogramyLokatBankowych())
            etykiety.append(oferta->BankNazwaOprocentowanie());
        benchmark::DoNotOptimize(etykiety.data());
    }
}

void BM_PosortujHarmonogramy(benchmark::State& state) {
    Katalog& katalog = WspolnyKatalog();
    for (auto _ : state) {
        state.PauseTiming();
        katalog.PrzywrocKolejnosc();
        state.ResumeTiming();
        katalog.kolekcje.PosortujHarmonogramy();
    }
}

void BM_PobierzOpisyKategorii(benchmark::State& state) {
    Katalog& katalog = WspolnyKatalog();
    for (auto _ : state) {
        state.PauseTiming();
        katalog.PrzywrocKolejnosc();
        state.ResumeTiming();
        QStringList opisy = katalog.kolekcje.PobierzOpisyKategorii(
            TTabele::HarmonogramyLokatBankowych, false, false, -1);
        benchmark::DoNotOptimize(opisy.data());
    }
}

BENCHMARK(BM_SortEtykietQString)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EtykietyHarmonogramow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PosortujHarmonogramy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PobierzOpisyKategorii)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's time per iteration to print the ratios at the end.

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    UstawLokalizacjeBazowa(QLocale(QLocale::Polish, QLocale::Poland));
    UstawFormaty();
    InicjalizujBenchmarki(&argc, argv);
    ReporterZIlorazami reporter(ReporterZIlorazami::RodzajCzasu::Procesora);
    UruchomBenchmarki(reporter, {{"BM_SortEtykietQString",
                                  {"BM_EtykietyHarmonogramow", "BM_PosortujHarmonogramy",
                                   "BM_PobierzOpisyKategorii"}}});
    return 0;
}
