// Filling the deposits window's lists (1,000 deposits, 10,000 offers) against
// filling the same lists with the same texts and no logic, in one run.
#include "ReporterZIlorazami.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "domain/TFormatSettings.h"
#include "platform/DateTimeUtils.h"
#include "ui/TListaRaportowa.h"
#include "ui/TLokatyFormGlowny.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTreeWidgetItemIterator>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kIloscLokat = 1000;
constexpr int kIloscOfert = 10000;
constexpr int kIloscBankow = 50;

void WypelnijKolekcje(TKolekcjeDanych& k) {
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

    Otoczenie() {
        UstawFormaty();
        WypelnijKolekcje(projekt.Kolekcje());
        okno.MyDB = &projekt;
        okno.show();
    }
    TListaRaportowa* Lista(const char* nazwa) {
        return okno.findChild<TListaRaportowa*>(QLatin1String(nazwa));
    }
};

// Made on first use and destroyed by main while the application still exists
// (a window must not outlive it).
std::unique_ptr<Otoczenie> gOtoczenie;

Otoczenie& Okno() {
    if (!gOtoczenie)
        gOtoczenie = std::make_unique<Otoczenie>();
    return *gOtoczenie;
}

// The rows of a list as they stand: group headers with their rows' texts.
struct Uklad {
    QList<QString> grupy;
    QList<QList<QStringList>> wiersze;
};

Uklad Odczytaj(const QTreeWidget& lista) {
    Uklad u;
    for (int i = 0; i < lista.topLevelItemCount(); ++i) {
        const QTreeWidgetItem* g = lista.topLevelItem(i);
        u.grupy.append(g->text(0));
        QList<QStringList> wiersze;
        for (int j = 0; j < g->childCount(); ++j) {
            QStringList komorki;
            for (int c = 0; c < lista.columnCount(); ++c)
                komorki << g->child(j)->text(c);
            wiersze.append(komorki);
        }
        u.wiersze.append(wiersze);
    }
    return u;
}

// The same widget filled with the same texts: no estimates, no formatting,
// no grouping rules and no column widths.
void WypelnijBezLogiki(TListaRaportowa& lista, const Uklad& u, const QIcon& ikona) {
    lista.setUpdatesEnabled(false);
    lista.clear();
    QList<QTreeWidgetItem*> grupy;
    int indeks = 0;
    for (int i = 0; i < u.grupy.size(); ++i) {
        QTreeWidgetItem* g = TListaRaportowa::UtworzGrupe(u.grupy[i]);
        for (const QStringList& komorki : u.wiersze[i])
            g->addChild(TListaRaportowa::UtworzWiersz(komorki, nullptr, indeks++, ikona));
        grupy.append(g);
    }
    lista.WstawGrupy(grupy);
    lista.setUpdatesEnabled(true);
}

void BM_WypelnijListy(benchmark::State& state) {
    Otoczenie& o = Okno();
    for (auto _ : state)
        o.okno.WypelnijListy(true);
    state.counters["wiersze"] = kIloscLokat + kIloscOfert;
}
BENCHMARK(BM_WypelnijListy)->Unit(benchmark::kMillisecond);

void BM_TeSameTekstyBezLogiki(benchmark::State& state) {
    Otoczenie& o = Okno();
    o.okno.WypelnijListy(true);
    TListaRaportowa* lokaty = o.Lista("lv_Lokaty");
    TListaRaportowa* oferty = o.Lista("lv_HarmonogramyLokatBankowych");
    const Uklad ukladLokat = Odczytaj(*lokaty);
    const Uklad ukladOfert = Odczytaj(*oferty);
    const QIcon ikona = lokaty->Wiersze().value(0)->icon(0);
    for (auto _ : state) {
        WypelnijBezLogiki(*lokaty, ukladLokat, ikona);
        WypelnijBezLogiki(*oferty, ukladOfert, ikona);
    }
    o.okno.WypelnijListy(true);
}
BENCHMARK(BM_TeSameTekstyBezLogiki)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    UstawLokalizacjeBazowa(QLocale(QLocale::Polish, QLocale::Poland));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    ReporterZIlorazami reporter(ReporterZIlorazami::RodzajCzasu::Procesora);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.DrukujIlorazy("BM_TeSameTekstyBezLogiki", {"BM_WypelnijListy"});
    gOtoczenie.reset();
    benchmark::Shutdown();
    return 0;
}
