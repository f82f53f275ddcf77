// Filling the deposits window's lists (1,000 deposits, 10,000 offers of 40
// banks) against filling bare QTreeWidgets with the same texts and no logic,
// in one run; the same filling when the 10,000 offers come from 10,000
// distinct banks (sorted and grouped by collation keys, each bank collated
// once, not once per comparison); and the filling with
// 100,000 offers, to see that a large catalogue does not freeze the window;
// and the window's first showing, which measures its columns' texts afresh,
// with 40 banks and with 10,000. The texts hold Polish letters, as real
// banks' names do.
#include "InicjalizacjaBenchmarkow.h"
#include "ReporterZIlorazami.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "format/TFormatSettings.h"
#include "platform/DateTimeUtils.h"
#include "ui/TListaRaportowa.h"
#include "ui/TLokatyFormGlowny.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>
#include <utility>

namespace {

constexpr int kIloscLokat = 1000;

void WypelnijKolekcje(TKolekcjeDanych& k, int kIloscOfert, int iloscBankow) {
    const TKapitalizacja kapitalizacje[] = {
        TKapitalizacja::Miesieczna,     TKapitalizacja::Kwartalna, TKapitalizacja::Roczna,
        TKapitalizacja::PoOkresieUmowy, TKapitalizacja::Dzienna,   TKapitalizacja::Polroczna};
    for (int i = 0; i < kIloscOfert; ++i) {
        auto h = std::make_unique<THarmonogramLokatyBankowej>();
        h->fId = i + 1;
        h->fBank = QStringLiteral("Bank Spółdzielczy w Łęczycy %1").arg(i % iloscBankow);
        h->fNazwaHarmonogramu = QStringLiteral("Lokata złota %1").arg(i / iloscBankow);
        h->fOkresDepozytu = 1 + i % 12;
        h->fJednostkaDepozytu = TJednostkaOkresu::Miesiac;
        h->fOprocentowanieWSkaliRoku = 1.0 + (i % 500) / 100.0;
        h->fKapitalizacja = kapitalizacje[i % 6];
        h->fKwotaMinimalna = (i % 3) * 1000.0;
        h->fWarunkiWczesniejszegoZerwaniaLokaty = QStringLiteral("utrata odsetek za cały okres");
        h->fPozostaleInformacje = QStringLiteral("oferta dla nowych środków");
        k.HarmonogramyLokatBankowych().push_back(std::move(h));
    }
    const TDateTime start = EncodeDate(2024, 1, 1);
    for (int i = 0; i < kIloscLokat; ++i) {
        const auto jednostka = i % 4 == 0 ? TJednostkaOkresu::Rok : TJednostkaOkresu::Miesiac;
        k.Lokaty().push_back(std::make_unique<TLokata>(
            i + 1, QStringLiteral("Oszczędności na wakacje %1").arg(i), 1000.0 + 37.5 * i,
            start + i % 400, static_cast<uint16_t>(1 + i % 12), jednostka,
            (i * 7) % kIloscOfert + 1, i % 5 != 0, TTypModyfikacji::BezZmian));
    }
}

struct Otoczenie {
    QTemporaryDir katalog;
    TProjektDB projekt{katalog.filePath("DataFile.dat")};
    TLokatyFormGlowny okno;

    Otoczenie(int iloscOfert, int iloscBankow) {
        UstawFormaty();
        WypelnijKolekcje(projekt.Kolekcje(), iloscOfert, iloscBankow);
        okno.MyDB = &projekt;
        okno.show();
    }
    TListaRaportowa* Lista(const char* nazwa) {
        return okno.findChild<TListaRaportowa*>(QLatin1String(nazwa));
    }
};

// Made on first use and destroyed by main while the application still exists
// (a window must not outlive it).
std::map<std::pair<int, int>, std::unique_ptr<Otoczenie>> gOtoczenia;

Otoczenie& Okno(int iloscOfert, int iloscBankow) {
    auto& otoczenie = gOtoczenia[{iloscOfert, iloscBankow}];
    if (!otoczenie)
        otoczenie = std::make_unique<Otoczenie>(iloscOfert, iloscBankow);
    return *otoczenie;
}

// The rows of a list as they stand: group headers with their rows' texts.
struct Uklad {
    QList<QString> grupy;
    QList<QList<QStringList>> wiersze;
};

Uklad Odczytaj(const TListaRaportowa& lista) {
    const QAbstractItemModel& model = *lista.model();
    Uklad u;
    for (int g = 0; g < model.rowCount(); ++g) {
        const QModelIndex grupa = model.index(g, 0);
        u.grupy.append(grupa.data().toString());
        QList<QStringList> wiersze;
        for (int w = 0; w < model.rowCount(grupa); ++w) {
            QStringList komorki;
            for (int c = 0; c < model.columnCount(); ++c)
                komorki << model.index(w, c, grupa).data().toString();
            wiersze.append(komorki);
        }
        u.wiersze.append(wiersze);
    }
    return u;
}

// A bare QTreeWidget with the list's columns, filled with the same texts: no
// estimates, no formatting, no grouping rules and no column widths.
struct GolaLista {
    QTreeWidget lista;

    explicit GolaLista(const TListaRaportowa& wzor) {
        lista.setRootIsDecorated(false);
        lista.setUniformRowHeights(true);
        lista.setIconSize(wzor.iconSize());
        lista.setColumnCount(wzor.IloscKolumn());
        lista.show();
    }

    void Wypelnij(const Uklad& u, const QIcon& ikona) {
        lista.setUpdatesEnabled(false);
        lista.clear();
        QList<QTreeWidgetItem*> grupy;
        for (int i = 0; i < u.grupy.size(); ++i) {
            auto* g = new QTreeWidgetItem(QStringList{u.grupy[i]});
            for (const QStringList& komorki : u.wiersze[i]) {
                auto* w = new QTreeWidgetItem(g, komorki);
                w->setIcon(0, ikona);
            }
            grupy.append(g);
        }
        lista.addTopLevelItems(grupy);
        for (QTreeWidgetItem* g : grupy)
            g->setFirstColumnSpanned(true);
        lista.expandAll();
        lista.setUpdatesEnabled(true);
    }
};

// Arguments: the number of offers and of their banks.
void BM_WypelnijListy(benchmark::State& state) {
    Otoczenie& o = Okno(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state)
        o.okno.WypelnijListy(true);
    state.counters["wiersze"] = static_cast<double>(kIloscLokat + state.range(0));
}
BENCHMARK(BM_WypelnijListy)
    ->Args({10000, 40})
    ->Args({10000, 10000})
    ->Args({100000, 40})
    ->Unit(benchmark::kMillisecond);

// The window's first showing, as when the program opens it: a new window
// (no widths measured yet) shown on the collections, which fills its lists.
void BM_PierwszePokazanie(benchmark::State& state) {
    Otoczenie& o = Okno(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        TLokatyFormGlowny okno;
        okno.MyDB = &o.projekt;
        okno.show();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_PierwszePokazanie)
    ->Args({10000, 40})
    ->Args({10000, 10000})
    ->Unit(benchmark::kMillisecond);

void BM_TeSameTekstyBezLogiki(benchmark::State& state) {
    Otoczenie& o = Okno(10000, 40);
    o.okno.WypelnijListy(true);
    TListaRaportowa* lokaty = o.Lista("lv_Lokaty");
    TListaRaportowa* oferty = o.Lista("lv_HarmonogramyLokatBankowych");
    const Uklad ukladLokat = Odczytaj(*lokaty);
    const Uklad ukladOfert = Odczytaj(*oferty);
    const QIcon ikona =
        lokaty->IndeksWiersza(*lokaty->Wiersze().front()).data(Qt::DecorationRole).value<QIcon>();
    GolaLista golaLokat(*lokaty);
    GolaLista golaOfert(*oferty);
    for (auto _ : state) {
        golaLokat.Wypelnij(ukladLokat, ikona);
        golaOfert.Wypelnij(ukladOfert, ikona);
    }
}
BENCHMARK(BM_TeSameTekstyBezLogiki)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    UstawLokalizacjeBazowa(QLocale(QLocale::Polish, QLocale::Poland));
    QApplication app(argc, argv);
    InicjalizujBenchmarki(&argc, argv);
    ReporterZIlorazami reporter(ReporterZIlorazami::RodzajCzasu::Procesora);
    UruchomBenchmarki(reporter,
                      {{"BM_TeSameTekstyBezLogiki", {"BM_WypelnijListy/10000/40"}},
                       {"BM_WypelnijListy/10000/40", {"BM_WypelnijListy/10000/10000"}},
                       {"BM_PierwszePokazanie/10000/40", {"BM_PierwszePokazanie/10000/10000"}}});
    gOtoczenia.clear();
    return 0;
}
