#pragma once
// A console reporter that keeps each benchmark's time per iteration, so a
// benchmark program can print, at the end of its run, how its measurements
// compare with the baseline measured in the same run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <initializer_list>
#include <map>
#include <string>

class ReporterZIlorazami : public benchmark::ConsoleReporter {
public:
    enum class RodzajCzasu { Procesora, Rzeczywisty };

    explicit ReporterZIlorazami(RodzajCzasu rodzaj) : fRodzaj(rodzaj) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            fCzasy[run.benchmark_name()] = fRodzaj == RodzajCzasu::Procesora
                                               ? run.GetAdjustedCPUTime()
                                               : run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }

    // The time of the benchmark `nazwa` (its arguments after a "/" allowed);
    // 0 when it did not run.
    double Czas(const std::string& nazwa) const {
        for (const auto& [pelnaNazwa, czas] : fCzasy)
            if (pelnaNazwa == nazwa || pelnaNazwa.rfind(nazwa + "/", 0) == 0)
                return czas;
        return 0;
    }

    // Prints "name / baseline = ratio" for every name that ran.
    void DrukujIlorazy(const std::string& baza, std::initializer_list<const char*> nazwy) const {
        const double czasBazy = Czas(baza);
        for (const char* nazwa : nazwy)
            if (czasBazy > 0 && Czas(nazwa) > 0)
                std::printf("%s / %s = %.3g\n", nazwa, baza.c_str(), Czas(nazwa) / czasBazy);
    }

private:
    RodzajCzasu fRodzaj;
    std::map<std::string, double> fCzasy;
};
