// Exporting 100,000 offers to an offer file and reading them back, against
// plain baselines in the same run:
//  - export against writing the file's bytes from a ready buffer to a file
//    (QFile, no sync), and against the same bytes written the way the export
//    writes them (temporary file, sync, rename), to show what the safe
//    replacement costs;
//  - reading (the offers made, not freed) against reading the file's bytes
//    and walking their tags without making any object.
// Times are wall-clock. The ratios printed at the end are the figures to watch.
#include "InicjalizacjaBenchmarkow.h"
#include "PrzykladoweOferty.h"
#include "ReporterZIlorazami.h"
#include "domain/PlikOfert.h"
#include "format/TFormatSettings.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <cstring>

namespace {

constexpr int kIloscOfert = 100000;

struct Przygotowanie {
    QTemporaryDir katalog;
    QString plik = katalog.filePath("Lokaty bankowe.vq_lb");
    QString plikBazowy = katalog.filePath("bajty.vq_lb");
    TListaOfert oferty = PrzykladoweOferty(kIloscOfert);
    QByteArray bajty;

    Przygotowanie() {
        bajty = ZapiszOfertyDoBajtow(oferty);
        EksportujOfertyDoPliku(oferty, plik);
        std::printf("%d offers, %lld bytes\n", kIloscOfert, static_cast<long long>(bajty.size()));
    }
};

Przygotowanie& Wspolne() {
    static Przygotowanie przygotowanie;
    return przygotowanie;
}

void BM_Eksport(benchmark::State& state) {
    Przygotowanie& p = Wspolne();
    for (auto _ : state)
        EksportujOfertyDoPliku(p.oferty, p.plik);
}

void BM_ZapisGotowegoBufora(benchmark::State& state) {
    Przygotowanie& p = Wspolne();
    for (auto _ : state) {
        QFile plik(p.plikBazowy);
        if (!plik.open(QIODevice::WriteOnly) || plik.write(p.bajty) != p.bajty.size())
            state.SkipWithError("writing failed");
    }
}

void BM_ZapisGotowegoBuforaBezpieczny(benchmark::State& state) {
    Przygotowanie& p = Wspolne();
    for (auto _ : state) {
        QSaveFile plik(p.plikBazowy);
        if (!plik.open(QIODevice::WriteOnly) || plik.write(p.bajty) != p.bajty.size() ||
            !plik.commit())
            state.SkipWithError("writing failed");
    }
}

void BM_SerializacjaDoBufora(benchmark::State& state) {
    Przygotowanie& p = Wspolne();
    for (auto _ : state)
        benchmark::DoNotOptimize(ZapiszOfertyDoBajtow(p.oferty));
}

void BM_Odczyt(benchmark::State& state) {
    Przygotowanie& p = Wspolne();
    for (auto _ : state) {
        TListaOfert oferty = OdczytajOfertyZPliku(p.plik);
        // Freeing the offers is not part of reading them.
        state.PauseTiming();
        if (oferty.size() != kIloscOfert)
            state.SkipWithError("reading failed");
        oferty.clear();
        state.ResumeTiming();
    }
}

uint32_t Dlugosc(const char* bajty) {
    uint32_t n = 0;
    std::memcpy(&n, bajty, 4);
    return n;
}

// Walks every value of the file by its tag; counts the values.
std::size_t PrzejdzTagi(const QByteArray& bajty) {
    const char* b = bajty.constData() + 4;
    const char* koniec = bajty.constData() + bajty.size();
    std::size_t wartosci = 0;
    while (b < koniec) {
        ++wartosci;
        switch (static_cast<uint8_t>(*b++)) {
        case 0x02:
            b += 1;
            break;
        case 0x03:
            b += 2;
            break;
        case 0x04:
            b += 4;
            break;
        case 0x05:
            b += 10;
            break;
        case 0x06:
            b += 1 + static_cast<uint8_t>(*b);
            break;
        case 0x0C:
        case 0x14:
            b += 4 + Dlugosc(b);
            break;
        case 0x12:
            b += 4 + 2 * static_cast<std::size_t>(Dlugosc(b));
            break;
        case 0x13:
        case 0x15:
            b += 8;
            break;
        default:
            break;
        }
    }
    return wartosci;
}

void BM_OdczytBajtowITagow(benchmark::State& state) {
    Przygotowanie& p = Wspolne();
    for (auto _ : state) {
        QFile plik(p.plik);
        if (!plik.open(QIODevice::ReadOnly))
            state.SkipWithError("reading failed");
        benchmark::DoNotOptimize(PrzejdzTagi(plik.readAll()));
    }
}

BENCHMARK(BM_Eksport)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
BENCHMARK(BM_ZapisGotowegoBufora)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
BENCHMARK(BM_ZapisGotowegoBuforaBezpieczny)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(1.0);
BENCHMARK(BM_SerializacjaDoBufora)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
BENCHMARK(BM_Odczyt)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
BENCHMARK(BM_OdczytBajtowITagow)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    UstawLokalizacjeBazowa(QLocale(QLocale::Polish, QLocale::Poland));
    UstawFormaty();
    InicjalizujBenchmarki(&argc, argv);
    ReporterZIlorazami reporter(ReporterZIlorazami::RodzajCzasu::Rzeczywisty);
    UruchomBenchmarki(
        reporter, {{"BM_ZapisGotowegoBufora",
                    {"BM_Eksport", "BM_ZapisGotowegoBuforaBezpieczny", "BM_SerializacjaDoBufora"}},
                   {"BM_ZapisGotowegoBuforaBezpieczny", {"BM_Eksport"}},
                   {"BM_OdczytBajtowITagow", {"BM_Odczyt"}}});
    return 0;
}
