// Parsing a bank's offer page of 2,000 offer rows (each with its detail box)
// into offers, against gumbo building the tree of the very same page and
// nothing else. Both start from the page's bytes in memory. The ratio printed
// at the end is the figure to watch.
#include "InicjalizacjaBenchmarkow.h"
#include "ReporterZIlorazami.h"
#include "format/TFormatSettings.h"
#include "import/ParserStronyLokat.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <gumbo.h>

namespace {

constexpr int kIloscWierszy = 2000;

const char* const kKapitalizacje[] = {"po okresie", "miesięczna", "codzienna", "kwartalna",
                                      "roczna"};

QByteArray Strona() {
    QByteArray ramki;
    QByteArray wiersze;
    for (int i = 0; i < kIloscWierszy; ++i) {
        const QByteArray id = "lok" + QByteArray::number(i);
        ramki += "<div id=\"" + id +
                 "\"><div class=\"lokata\">\n"
                 "  <b>Wcześniejsze zerwanie lokaty:</b> utrata odsetek<br>\n"
                 "  <b>Konto osobiste w tym samym banku:</b> niewymagane<br>\n"
                 "  <b>Informacje dodatkowe:</b> tylko dla nowych klientów &amp; środków\n"
                 "</div></div>\n";
        wiersze += "<tr class=\"r" + QByteArray::number(i % 2) +
                   "\">\n"
                   "  <td><img src=\"logo.png\" alt=\"bank\"></td>\n"
                   "  <td>" +
                   QByteArray::number(1 + i % 24) +
                   " M</td>\n"
                   "  <td><b>" +
                   QByteArray::number(1 + i % 7) + ",25%</b><div>kapitalizacja " +
                   kKapitalizacje[i % std::size(kKapitalizacje)] +
                   "</div></td>\n"
                   "  <td>1 000 zł</td>\n"
                   "  <td>100 000 zł</td>\n"
                   "  <td><a href=\"oferta.php?id=" +
                   QByteArray::number(i) + "\">lokata numer " + QByteArray::number(i) +
                   "</a></td>\n"
                   "  <td>" +
                   (i % 3 ? "stałe" : "zmienne") +
                   "</td>\n"
                   "  <td><a href=\"#\" onmouseover=\"TagToTip('" +
                   id +
                   "');\">szczegóły</a></td>\n"
                   "</tr>\n";
    }
    return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Lokaty</title></head>\n"
           "<body>\n<div class=\"hidden\">\n" +
           ramki + "</div>\n<table id=\"lokaty\">\n" + wiersze + "</table>\n</body></html>\n";
}

const QByteArray& Wspolna() {
    static const QByteArray strona = Strona();
    return strona;
}

void BM_ParsujStroneZLokatami(benchmark::State& stan) {
    const QByteArray& strona = Wspolna();
    for (auto _ : stan) {
        int oferty = 0;
        ParsujTrescStrony(strona, QStringLiteral("Bank"), [&](TOferta) { ++oferty; });
        if (oferty != kIloscWierszy)
            stan.SkipWithError("wrong number of offers");
    }
}

void BM_DrzewoGumbo(benchmark::State& stan) {
    const QByteArray& strona = Wspolna();
    for (auto _ : stan) {
        GumboOutput* drzewo = gumbo_parse_with_options(&kGumboDefaultOptions, strona.constData(),
                                                       static_cast<size_t>(strona.size()));
        benchmark::DoNotOptimize(drzewo->root);
        gumbo_destroy_output(&kGumboDefaultOptions, drzewo);
    }
}

BENCHMARK(BM_ParsujStroneZLokatami)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrzewoGumbo)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    UstawLokalizacjeBazowa(QLocale(QLocale::Polish, QLocale::Poland));
    UstawFormaty();
    InicjalizujBenchmarki(&argc, argv);
    ReporterZIlorazami reporter(ReporterZIlorazami::RodzajCzasu::Procesora);
    UruchomBenchmarki(reporter, {{"BM_DrzewoGumbo", {"BM_ParsujStroneZLokatami"}}});
    return 0;
}
