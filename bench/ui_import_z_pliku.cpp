// Adding 10,000 offers of an offer file to the import window's list (file
// mode: texts of every column, check boxes, the rows taking the offers over)
// until the list is first painted, against a bare QTreeWidget of the same
// size given the same texts with check boxes and painted, in one run.
#include "InicjalizacjaBenchmarkow.h"
#include "ReporterZIlorazami.h"
#include "data/TKolekcjeDanych.h"
#include "format/Formatowanie.h"
#include "format/TFormatSettings.h"
#include "ui/TListaRaportowa.h"
#include "ui/import/TFormParserLokatBankowych.h"

#include <QApplication>
#include <QTreeWidget>
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
    QTreeWidget golaLista;

    Otoczenie() {
        // The titles a data file gets when it is opened; without them the
        // list would have no columns to show.
        kolekcje.WypelnijTytulyKolumn();
        okno.UtworzKolumny(kolekcje.TabelaHarmonogramyLokatBankowych().TytulyKolumn());
        okno.lv_Parsuj_LokatyDlaBanku->show();
        okno.resize(930, 396);
        okno.show();
        golaLista.setHeaderLabels(okno.lv_Parsuj_LokatyDlaBanku->Model().Tytuly());
        golaLista.setUniformRowHeights(true);
        golaLista.resize(okno.lv_Parsuj_LokatyDlaBanku->size());
        golaLista.show();
        QApplication::processEvents();
    }
};

// Made on first use and destroyed by main while the application still exists.
std::unique_ptr<Otoczenie> gOtoczenie;

Otoczenie& Okno() {
    if (!gOtoczenie)
        gOtoczenie = std::make_unique<Otoczenie>();
    return *gOtoczenie;
}

// The rows as the window adds them, then the list's first paint (which lays
// the rows out); with the argument 1 also the columns fitted to their widest
// texts, as the window does once the file has been read.
void BM_DodajDoListy(benchmark::State& state) {
    Otoczenie& o = Okno();
    const bool szerokosci = state.range(0) != 0;
    for (auto _ : state) {
        state.PauseTiming();
        o.okno.WyczyscListe();
        TListaOfert oferty = Oferty();
        state.ResumeTiming();
        o.okno.DodajDoListy(std::move(oferty), true);
        if (szerokosci)
            o.okno.lv_Parsuj_LokatyDlaBanku->DopasujSzerokoscKolumn();
        o.okno.lv_Parsuj_LokatyDlaBanku->viewport()->repaint();
    }
    state.counters["wiersze"] = kIloscOfert;
}
BENCHMARK(BM_DodajDoListy)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A bare QTreeWidget: the window's texts, unchecked check boxes, one
// insertion, then its first paint; no formatting and no column widths.
void BM_TeSameTekstyBezLogiki(benchmark::State& state) {
    Otoczenie& o = Okno();
    o.okno.WyczyscListe();
    o.okno.DodajDoListy(Oferty(), true);
    QList<QStringList> teksty;
    for (const TWierszRaportu& w : o.okno.lv_Parsuj_LokatyDlaBanku->Model().Wiersze())
        teksty.append(w.komorki);
    QTreeWidget& lista = o.golaLista;
    for (auto _ : state) {
        state.PauseTiming();
        lista.clear();
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
        lista.viewport()->repaint();
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
    InicjalizujBenchmarki(&argc, argv);
    ReporterZIlorazami reporter(ReporterZIlorazami::RodzajCzasu::Procesora);
    UruchomBenchmarki(reporter, {{"BM_TeSameTekstyBezLogiki",
                                  {"BM_DodajDoListy/0", "BM_DodajDoListy/1", "BM_TylkoTeksty"}}});
    gOtoczenie.reset();
    return 0;
}
