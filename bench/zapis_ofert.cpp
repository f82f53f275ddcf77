// Saving 10,000 new offers through the project's saver, against the sqlite3
// shell running the very same statements in one transaction on a copy of the
// same empty data file. Both sides keep SQLite's default journal and sync
// settings, so each commits once with the same fsyncs. Times are wall-clock.
// The ratios printed at the end are the figures to watch.
#include "InicjalizacjaBenchmarkow.h"
#include "PrzykladoweOferty.h"
#include "ReporterZIlorazami.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "data/sqlite/TSQLiteDatabase.h"
#include "format/TFormatSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fcntl.h>
#include <map>
#include <spawn.h>
#include <sqlite3.h>
#include <string>
#include <sys/wait.h>

extern char** environ;

namespace {

constexpr int kIloscOfert = 10000;

void DodajOferty(TKolekcjeDanych& kolekcje) {
    for (auto& oferta : PrzykladoweOferty(kIloscOfert))
        kolekcje.HarmonogramyLokatBankowych().push_back(std::move(oferta));
}

// An empty data file after start-up, and the statements the saver sends for
// the offers, as a script for the shell.
struct Przygotowanie {
    QTemporaryDir katalog;
    QString wzorzec = katalog.filePath("wzorzec.dat");
    QString skrypt = katalog.filePath("oferty.sql");
    QString pustySkrypt = katalog.filePath("pusty.sql");
    QString plik = katalog.filePath("DataFile.dat");

    Przygotowanie() {
        { TProjektDB projekt(wzorzec); }
        NowyPlik();
        QStringList polecenia;
        {
            TProjektDB projekt(plik);
            DodajOferty(projekt.Kolekcje());
            projekt.Baza().SetOnQuery(
                [&](TSQLiteDatabase&, const QString& sql) { polecenia << sql; });
            projekt.ZapiszZawartoscKolekcjiDoBazy(TTabele::HarmonogramyLokatBankowych);
        }
        QFile plikSkryptu(skrypt);
        plikSkryptu.open(QIODevice::WriteOnly);
        for (QString polecenie : polecenia) {
            if (!polecenie.endsWith(';'))
                polecenie += ';';
            plikSkryptu.write(polecenie.toUtf8() + '\n');
        }
        QFile pusty(pustySkrypt);
        pusty.open(QIODevice::WriteOnly);
        std::printf("%lld statements in the script (the transaction frame included)\n",
                    static_cast<long long>(polecenia.size()));
    }

    // A fresh copy of the empty data file.
    void NowyPlik() {
        QFile::remove(plik);
        QFile::copy(wzorzec, plik);
    }
};

Przygotowanie& Wspolne() {
    static Przygotowanie przygotowanie;
    return przygotowanie;
}

void BM_ZapiszOferty(benchmark::State& state) {
    Przygotowanie& p = Wspolne();
    for (auto _ : state) {
        state.PauseTiming();
        p.NowyPlik();
        auto projekt = std::make_unique<TProjektDB>(p.plik);
        DodajOferty(projekt->Kolekcje());
        state.ResumeTiming();
        const TWynikZapisu wynik =
            projekt->ZapiszZawartoscKolekcjiDoBazy(TTabele::HarmonogramyLokatBankowych);
        state.PauseTiming();
        if (!wynik.Zapisano())
            state.SkipWithError("the save failed");
        projekt.reset();
        state.ResumeTiming();
    }
}

// The sqlite3 shell reading a script from its standard input.
int UruchomPowloke(const QString& plik, const QString& skrypt) {
    posix_spawn_file_actions_t akcje;
    posix_spawn_file_actions_init(&akcje);
    const QByteArray wejscie = QFile::encodeName(skrypt);
    posix_spawn_file_actions_addopen(&akcje, 0, wejscie.constData(), O_RDONLY, 0);
    const QByteArray baza = QFile::encodeName(plik);
    char* argumenty[] = {const_cast<char*>("sqlite3"), const_cast<char*>("-bail"),
                         const_cast<char*>(baza.constData()), nullptr};
    pid_t pid = 0;
    const int blad = posix_spawnp(&pid, "sqlite3", &akcje, nullptr, argumenty, environ);
    posix_spawn_file_actions_destroy(&akcje);
    if (blad != 0)
        return -1;
    int stan = 0;
    waitpid(pid, &stan, 0);
    return WIFEXITED(stan) ? WEXITSTATUS(stan) : -1;
}

void PowlokaZeSkryptem(benchmark::State& state, const QString& skrypt) {
    Przygotowanie& p = Wspolne();
    for (auto _ : state) {
        state.PauseTiming();
        p.NowyPlik();
        state.ResumeTiming();
        if (UruchomPowloke(p.plik, skrypt) != 0)
            state.SkipWithError("sqlite3 failed");
    }
}

void BM_PowlokaSqlite3(benchmark::State& state) {
    PowlokaZeSkryptem(state, Wspolne().skrypt);
}

// Only starting the shell on the file and quitting: the part of the shell's
// time that is not the statements.
void BM_PowlokaSqlite3BezPolecen(benchmark::State& state) {
    PowlokaZeSkryptem(state, Wspolne().pustySkrypt);
}

// The same script run in this process by sqlite3_exec: SQLite's own cost of
// the statements, without a process to start.
void BM_Sqlite3Exec(benchmark::State& state) {
    Przygotowanie& p = Wspolne();
    QFile plikSkryptu(p.skrypt);
    plikSkryptu.open(QIODevice::ReadOnly);
    const QByteArray skrypt = plikSkryptu.readAll();
    for (auto _ : state) {
        state.PauseTiming();
        p.NowyPlik();
        sqlite3* baza = nullptr;
        sqlite3_open(QFile::encodeName(p.plik).constData(), &baza);
        state.ResumeTiming();
        if (sqlite3_exec(baza, skrypt.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            state.SkipWithError("sqlite3_exec failed");
        state.PauseTiming();
        sqlite3_close(baza);
        state.ResumeTiming();
    }
}

BENCHMARK(BM_ZapiszOferty)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
BENCHMARK(BM_PowlokaSqlite3)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
BENCHMARK(BM_PowlokaSqlite3BezPolecen)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(20);
BENCHMARK(BM_Sqlite3Exec)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    UstawLokalizacjeBazowa(QLocale(QLocale::Polish, QLocale::Poland));
    UstawFormaty();
    InicjalizujBenchmarki(&argc, argv);
    Wspolne();
    ReporterZIlorazami reporter(ReporterZIlorazami::RodzajCzasu::Rzeczywisty);
    UruchomBenchmarki(reporter, {{"BM_PowlokaSqlite3", {"BM_ZapiszOferty"}},
                                 {"BM_Sqlite3Exec", {"BM_ZapiszOferty"}}});
    return 0;
}
