// The backup made before every save, on a data file of 100,000 expenses,
// against copying the same file with cp in the same run. The backup goes
// through SQLite's online backup, so it is consistent even while the file is
// open; the ratio printed at the end is the figure to watch (target: 1.5).
#include "InicjalizacjaBenchmarkow.h"
#include "PrzykladoweWydatki.h"
#include "ReporterZIlorazami.h"
#include "data/TKopieZapasowe.h"
#include "data/TProjektDB.h"
#include "data/sqlite/TSQLiteDatabase.h"
#include "format/TFormatSettings.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

struct Dane {
    QTemporaryDir katalog;
    QString plik = katalog.filePath("DataFile.dat");
    std::unique_ptr<TProjektDB> projekt;

    Dane() {
        {
            TProjektDB pusty(plik);
            WypelnijWydatkami(pusty.Baza().DB(), 100000);
        }
        projekt = std::make_unique<TProjektDB>(plik);
    }
};

Dane& Wspolne() {
    static Dane dane;
    return dane;
}

void BM_KopiaCp(benchmark::State& state) {
    const QString cel = Wspolne().katalog.filePath("kopia.dat");
    const std::string polecenie =
        "cp '" + Wspolne().plik.toStdString() + "' '" + cel.toStdString() + "'";
    for (auto _ : state) {
        QFile::remove(cel);
        if (std::system(polecenie.c_str()) != 0)
            state.SkipWithError("cp failed");
    }
}

void BM_KopiaZapasowa(benchmark::State& state) {
    const TKopieZapasowe kopie(Wspolne().plik, 3);
    for (auto _ : state)
        benchmark::DoNotOptimize(kopie.Utworz(Wspolne().projekt->Baza()));
}

BENCHMARK(BM_KopiaCp)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_KopiaZapasowa)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    UstawLokalizacjeBazowa(QLocale(QLocale::Polish, QLocale::Poland));
    UstawFormaty();
    InicjalizujBenchmarki(&argc, argv);
    Wspolne();
    ReporterZIlorazami reporter(ReporterZIlorazami::RodzajCzasu::Rzeczywisty);
    UruchomBenchmarki(reporter, {{"BM_KopiaCp", {"BM_KopiaZapasowa"}}});
    return 0;
}
