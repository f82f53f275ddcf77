// Adding 10,000 offers of an offer file to the import window's list (file
// mode: texts of every column, check boxes, the rows taking the offers over)
// against filling the same widget with the same texts and no logic, in one run.
#include "ReporterZIlorazami.h"
#include "data/TKolekcjeDanych.h"
#include "domain/Formatting.h"
#include "domain/TFormatSettings.h"
#include "import/windows/TFormParserLokatBankowych.h"
#include "ui/TListaRaportowa.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kIloscOfert = 10000;
constexpr int kIloscBankow = 50;

using TListaOfert = TFormParserLokatBankowych::TListaOfert;

TListaOfert Oferty() {
    const TKapitalizacja kapitalizacje[] = {TKapitalizacja::Miesieczna, TKapitalizacja::Kwartalna,
                                            TKapitalizacja::Roczna, TKapitalizacja::PoOkresieUmowy};
    TListaOfert oferty;
    for (int i = 0; i < kIloscOfert; ++i) {
        auto h = std::make_unique<THarmonogramLokatyBankowej>();
        h->fBank = QStringLiteral("Bank %1").arg(i % kIloscBankow);
        h->fNazwaHarmonogramu = QStringLiteral("Lokata %1").arg(i / kIloscBankow);
        h->fOkresDepozytu = 1 + i % 12;
        h->fJednostkaDepozytu = TJednostkaOkresu::Miesiac;
        h->fOprocentowanieWSkaliRoku = 1.0 + (i % 500) / 100.0;
        h->fKapitalizacja = kapitalizacje[i % 4];
        h->fKwotaMinimalna = (i % 3) * 1000.0;
        h->fWarunkiWczesniejszegoZerwaniaLokaty = QStringLiteral("utrata odsetek");
        h->fPozostaleInformacje = QStringLiteral("tylko dla nowych środków");
        oferty.push_back(std::move(h));
    }
    return oferty;
}

struct Otoczenie {
    TKolekcjeDanych kolekcje;
    TFormParserLokatBankowych okno;

    Otoczenie() {
        okno.UtworzKolumny(kolekcje.TabelaHarmonogramyLokatBankowych().TytulyKolumn());
        okno.lv_Parsuj_LokatyDlaBanku->show();
        okno.resize(930, 396);
    }
};

// Made on first use and destroyed by main while the application still exists.
std::unique_ptr<Otoczenie> gOtoczenie;

Otoczenie& Okno() {
    if (!gOtoczenie)
        gOtoczenie = std::make_unique<Otoczenie>();
    return *gOtoczenie;
}

void BM_DodajDoListy(benchmark::State& state) {
    Otoczenie& o = Okno();
    for (auto _ : state) {
        state.PauseTiming();
        o.okno.WyczyscListe();
        TListaOfert oferty = Oferty();
        state.ResumeTiming();
        o.okno.DodajDoListy(std::move(oferty), true);
    }
    state.counters["wiersze"] = kIloscOfert;
}
BENCHMARK(BM_DodajDoListy)->Unit(benchmark::kMillisecond);

// The same widget, the same texts, unchecked check boxes, one insertion.
void BM_TeSameTekstyBezLogiki(benchmark::State& state) {
    Otoczenie& o = Okno();
    o.okno.WyczyscListe();
    o.okno.DodajDoListy(Oferty(), true);
    QTreeWidget& lista = *o.okno.lv_Parsuj_LokatyDlaBanku;
    QList<QStringList> teksty;
    for (int i = 0; i < lista.topLevelItemCount(); ++i) {
        QStringList komorki;
        for (int c = 0; c < lista.columnCount(); ++c)
            komorki << lista.topLevelItem(i)->text(c);
        teksty.append(komorki);
    }
    for (auto _ : state) {
        state.PauseTiming();
        o.okno.WyczyscListe();
        state.ResumeTiming();
        QList<QTreeWidgetItem*> wiersze;
        wiersze.reserve(teksty.size());
        for (const QStringList& komorki : teksty) {
            auto* wiersz = new QTreeWidgetItem(komorki);
            wiersz->setFlags(wiersz->flags() | Qt::ItemIsUserCheckable);
            wiersz->setCheckState(0, Qt::Unchecked);
            wiersze.append(wiersz);
        }
        lista.addTopLevelItems(wiersze);
    }
}
BENCHMARK(BM_TeSameTekstyBezLogiki)->Unit(benchmark::kMillisecond);

// Only the texts of the rows, for reading the ratio: the offer's display
// texts (period, rate, amounts, names of the choices) are formatted here.
void BM_TylkoTeksty(benchmark::State& state) {
    const TListaOfert oferty = Oferty();
    for (auto _ : state) {
        QList<QStringList> wszystkie;
        for (const auto& h : oferty) {
            const THarmonogramLokatyBankowej& o = *h;
            wszystkie.append(
                QStringList{o.fBank, o.NazwaWyswietlana(), o.OkresLokaty(),
                            FormatPercent(o.fOprocentowanieWSkaliRoku), o.KapitalizacjaNazwa(),
                            o.KwotaMinimalnaString(), o.KwotaMaksymalnaString(),
                            o.OprocentowanieStaleWCalymOkresieLokatyNazwa(),
                            o.WymaganeKontoOsobisteWTymBankuNazwa(),
                            o.fWarunkiWczesniejszegoZerwaniaLokaty, o.fPozostaleInformacje});
        }
        benchmark::DoNotOptimize(wszystkie);
    }
}
BENCHMARK(BM_TylkoTeksty)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    UstawLokalizacjeBazowa(QLocale(QLocale::Polish, QLocale::Poland));
    QApplication app(argc, argv);
    UstawFormaty();
    benchmark::Initialize(&argc, argv);
    ReporterZIlorazami reporter(ReporterZIlorazami::RodzajCzasu::Procesora);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.DrukujIlorazy("BM_TeSameTekstyBezLogiki", {"BM_DodajDoListy", "BM_TylkoTeksty"});
    gOtoczenie.reset();
    benchmark::Shutdown();
    return 0;
}
