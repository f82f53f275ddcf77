// The estimated profit of a 1000-year deposit with daily capitalisation
// (360,000 periods) against a plain loop of the same extended-precision
// arithmetic without any objects. The ratio of the two is what matters. The
// deposit keeps its last estimate, so the first benchmark asks a new deposit
// each time; the second asks the same one again, as a refill of the list does.
#include "InicjalizacjaBenchmarkow.h"
#include "ReporterZIlorazami.h"
#include "domain/THarmonogramLokatyBankowej.h"
#include "domain/TLokata.h"

#include <benchmark/benchmark.h>
#include <cstdint>

namespace {

constexpr double kKwota = 10000;
constexpr uint16_t kLata = 1000;
constexpr double kOprocentowanie = 4.5;

// The same steps as the deposit's estimate, written out for one period length.
double ZwyklaPetla(double kwota, uint32_t dni, uint32_t dlugosc, double procent) {
    const double stopa = static_cast<double>(procent * 0.01L);
    double kapital = kwota;
    double suma = 0;
    for (uint32_t pokryte = 0; pokryte < dni; pokryte += dlugosc) {
        const uint32_t krok = pokryte + dlugosc <= dni ? dlugosc : dni - pokryte;
        const double czesc = static_cast<double>(static_cast<long double>(krok) / dlugosc);
        const double odsetki =
            static_cast<double>(static_cast<long double>(kapital) * czesc * dlugosc * stopa / 360);
        const long double podatek = __builtin_rintl(__builtin_rintl(odsetki) * 0.19L);
        const double roznica = static_cast<double>(odsetki - podatek);
        const double netto = static_cast<double>(__builtin_rintl(roznica * 100.0L) * 0.01L);
        kapital = static_cast<double>(static_cast<long double>(kapital) + odsetki);
        suma = static_cast<double>(static_cast<long double>(suma) + netto);
    }
    return suma;
}

void UstawLokate(TLokata& lokata, THarmonogramLokatyBankowej& oferta) {
    lokata.SetKwota(kKwota);
    lokata.SetOkresLokaty(kLata);
    lokata.fJednostkaLokaty = TJednostkaOkresu::Rok;
    oferta.fOprocentowanieWSkaliRoku = kOprocentowanie;
    oferta.fKapitalizacja = TKapitalizacja::Dzienna;
}

void BM_SzacowanyZyskLokaty(benchmark::State& state) {
    THarmonogramLokatyBankowej oferta;
    double zysk = 0;
    for (auto _ : state) {
        TLokata lokata;
        UstawLokate(lokata, oferta);
        zysk = lokata.ObliczSzacowanyZyskZLokaty(&oferta);
        benchmark::DoNotOptimize(zysk);
    }
    uint32_t dni = 360u * kLata, dlugosc = 1;
    benchmark::DoNotOptimize(dni);
    benchmark::DoNotOptimize(dlugosc);
    if (zysk != ZwyklaPetla(kKwota, dni, dlugosc, kOprocentowanie))
        state.SkipWithError("the estimate differs from the plain loop");
    state.counters["okresy"] = oferta.IloscOkresowKapitalizacji();
}

void BM_PonownySzacunekLokaty(benchmark::State& state) {
    TLokata lokata;
    THarmonogramLokatyBankowej oferta;
    UstawLokate(lokata, oferta);
    double zysk = lokata.ObliczSzacowanyZyskZLokaty(&oferta);
    for (auto _ : state) {
        zysk = lokata.ObliczSzacowanyZyskZLokaty(&oferta);
        benchmark::DoNotOptimize(zysk);
    }
}

void BM_ZwyklaPetla(benchmark::State& state) {
    uint32_t dni = 360u * kLata, dlugosc = 1;
    double kwota = kKwota, procent = kOprocentowanie;
    for (auto _ : state) {
        benchmark::DoNotOptimize(dni);
        benchmark::DoNotOptimize(dlugosc);
        benchmark::DoNotOptimize(kwota);
        benchmark::DoNotOptimize(procent);
        double zysk = ZwyklaPetla(kwota, dni, dlugosc, procent);
        benchmark::DoNotOptimize(zysk);
    }
}

} // namespace

BENCHMARK(BM_SzacowanyZyskLokaty)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PonownySzacunekLokaty)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZwyklaPetla)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    InicjalizujBenchmarki(&argc, argv);
    ReporterZIlorazami reporter(ReporterZIlorazami::RodzajCzasu::Procesora);
    UruchomBenchmarki(reporter,
                      {{"BM_ZwyklaPetla", {"BM_SzacowanyZyskLokaty", "BM_PonownySzacunekLokaty"}}});
    return 0;
}
