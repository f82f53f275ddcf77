// Ranking a catalogue of 10,000 offers for one amount (filters, the estimate
// of each offer, its bank-exact totals and the sort) against computing the
// offers' estimates alone, as the deposit list does. The ratio of the two is
// what matters: the exact totals should cost no more than the estimates.
#include "InicjalizacjaBenchmarkow.h"
#include "ReporterZIlorazami.h"
#include "domain/TLokata.h"
#include "domain/TRankingOfert.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

constexpr int kOferty = 10000;
constexpr double kKwota = 20000;

struct Okres {
    uint32_t ilosc;
    TJednostkaOkresu jednostka;
};

// A catalogue as banks publish it: the usual terms and capitalisations,
// rates with two decimals, every offer taking the amount.
std::vector<std::unique_ptr<THarmonogramLokatyBankowej>> Katalog() {
    const Okres okresy[] = {{1, TJednostkaOkresu::Miesiac}, {3, TJednostkaOkresu::Miesiac},
                            {6, TJednostkaOkresu::Miesiac}, {12, TJednostkaOkresu::Miesiac},
                            {1, TJednostkaOkresu::Rok},     {2, TJednostkaOkresu::Rok},
                            {30, TJednostkaOkresu::Dzien},  {90, TJednostkaOkresu::Dzien},
                            {26, TJednostkaOkresu::Tydzien}};
    const TKapitalizacja kapitalizacje[] = {
        TKapitalizacja::PoOkresieUmowy, TKapitalizacja::Miesieczna, TKapitalizacja::Dzienna,
        TKapitalizacja::Kwartalna,      TKapitalizacja::Roczna,     TKapitalizacja::Polroczna};
    std::vector<std::unique_ptr<THarmonogramLokatyBankowej>> katalog;
    for (int i = 0; i < kOferty; ++i) {
        auto oferta = std::make_unique<THarmonogramLokatyBankowej>();
        oferta->fId = i + 1;
        oferta->fBank = QStringLiteral("Bank %1").arg(i % 40);
        oferta->fNazwaHarmonogramu = QStringLiteral("Lokata");
        const Okres& okres = okresy[i % std::size(okresy)];
        oferta->fOkresDepozytu = okres.ilosc;
        oferta->fJednostkaDepozytu = okres.jednostka;
        oferta->fKapitalizacja = kapitalizacje[(i / 7) % std::size(kapitalizacje)];
        oferta->fOprocentowanieWSkaliRoku = (300 + i % 500) / 100.0; // as typed: 3,00 .. 7,99
        oferta->fKwotaMaksymalna = i % 3 == 0 ? 0 : 1000000;
        katalog.push_back(std::move(oferta));
    }
    return katalog;
}

void BM_RankingOfert(benchmark::State& state) {
    const auto katalog = Katalog();
    TKryteriaRankingu kryteria;
    kryteria.kwota = kKwota;
    kryteria.start = EncodeDate(2025, 1, 31);
    size_t pozycje = 0;
    for (auto _ : state) {
        const TRankingOfert ranking(katalog, kryteria);
        pozycje = ranking.Pozycje().size();
        benchmark::DoNotOptimize(pozycje);
    }
    if (pozycje != katalog.size())
        state.SkipWithError("the ranking left offers out");
}

void BM_SzacunkiOfert(benchmark::State& state) {
    const auto katalog = Katalog();
    for (auto _ : state) {
        TLokata lokata;
        lokata.SetKwota(kKwota);
        lokata.SetDataRozpoczecia(EncodeDate(2025, 1, 31));
        double suma = 0;
        for (const auto& oferta : katalog) {
            lokata.SetOkresLokaty(static_cast<uint16_t>(oferta->OkresDepozytu()));
            lokata.fJednostkaLokaty = oferta->fJednostkaDepozytu;
            suma += lokata.ObliczSzacowanyZyskZLokaty(oferta.get());
        }
        benchmark::DoNotOptimize(suma);
    }
}

} // namespace

BENCHMARK(BM_RankingOfert)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SzacunkiOfert)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    InicjalizujBenchmarki(&argc, argv);
    ReporterZIlorazami reporter(ReporterZIlorazami::RodzajCzasu::Procesora);
    UruchomBenchmarki(reporter, {{"BM_SzacunkiOfert", {"BM_RankingOfert"}}});
    return 0;
}
