// Filling the deposits window's lists (1,000 deposits, 10,000 offers) against
// filling bare QTreeWidgets with the same texts and no logic, in one run; and
// the same filling with 100,000 offers, to see that a large catalogue does not
// freeze the window.
#include "InicjalizacjaBenchmarkow.h"
#include "ReporterZIlorazami.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "domain/TFormatSettings.h"
#include "platform/DateTimeUtils.h"
#include "ui/TListaRaportowa.h"
#include "ui/TLokatyFormGlowny.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

constexpr int kIloscLokat = 1000;
constexpr int kIloscBankow = 50;

void WypelnijKolekcje(TKolekcjeDanych& k, int kIloscOfert) {
    const TKapitalizacja kapitalizacje[] = {
        TKapitalizacja::Miesieczna,     TKapitalizacja::Kwartalna, TKapitalizacja::Roczna,
        TKapitalizacja::PoOkresieUmowy, TKapitalizacja::Dzienna,   TKapitalizacja::Polroczna};
    for (int i = 0; i < kIloscOfert; ++i) {
        auto h = std::make_unique<THarmonogramLokatyBankowej>();
        h->fId = i + 1;
        h->fBank = QStringLiteral("Bank %1").arg(i % kIloscBankow);
        h->fNazwaHarmonogramu = QStringLiteral("Lokata %1").arg(i / kIloscBankow);
        h->fOkresDepozytu = 1 + i % 12;
        h->fJednostkaDepozytu = TJednostkaOkresu::Miesiac;
        h->fOprocentowanieWSkaliRoku = 1.0 + (i % 500) / 100.0;
        h->fKapitalizacja = kapitalizacje[i % 6];
        h->fKwotaMinimalna = (i % 3) * 1000.0;
        h->fWarunkiWczesniejszegoZerwaniaLokaty = QStringLiteral("utrata odsetek");
        k.HarmonogramyLokatBankowych().push_back(std::move(h));
    }
    const TDateTime start = EncodeDate(2024, 1, 1);
    for (int i = 0; i < kIloscLokat; ++i) {
        const auto jednostka = i % 4 == 0 ? TJednostkaOkresu::Rok : TJednostkaOkresu::Miesiac;
        k.Lokaty().push_back(std::make_unique<TLokata>(
            i + 1, QStringLiteral("Lokata %1").arg(i), 1000.0 + 37.5 * i, start + i % 400,
            static_cast<uint16_t>(1 + i % 12), jednostka, (i * 7) % kIloscOfert + 1, i % 5 != 0,
            TTypModyfikacji::BezZmian));
    }
}

struct Otoczenie {
    QTemporaryDir katalog;
    TProjektDB projekt{katalog.filePath("DataFile.dat")};
    TLokatyFormGlowny okno;

    explicit Otoczenie(int iloscOfert) {
        UstawFormaty();
        WypelnijKolekcje(projekt.Kolekcje(), iloscOfert);
        okno.MyDB = &projekt;
        okno.show();
    }
    TListaRaportowa* Lista(const char* nazwa) {
        return okno.findChild<TListaRaportowa*>(QLatin1String(nazwa));
    }
};

// Made on first use and destroyed by main while the application still exists
// (a window must not outlive it).
std::map<int, std::unique_ptr<Otoczenie>> gOtoczenia;

Otoczenie& Okno(int iloscOfert) {
    auto& otoczenie = gOtoczenia[iloscOfert];
    if (!otoczenie)
        otoczenie = std::make_unique<Otoczenie>(iloscOfert);
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

void BM_WypelnijListy(benchmark::State& state) {
    Otoczenie& o = Okno(static_cast<int>(state.range(0)));
    for (auto _ : state)
        o.okno.WypelnijListy(true);
    state.counters["wiersze"] = static_cast<double>(kIloscLokat + state.range(0));
}
BENCHMARK(BM_WypelnijListy)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_TeSameTekstyBezLogiki(benchmark::State& state) {
    Otoczenie& o = Okno(10000);
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
    UruchomBenchmarki(reporter, {{"BM_TeSameTekstyBezLogiki", {"BM_WypelnijListy/10000"}}});
    gOtoczenia.clear();
    return 0;
}
