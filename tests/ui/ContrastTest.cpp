// Every text the deposits window paints on a coloured row, header, label or
// the calendar's chart reads at least 4.5 : 1 against the pixels around it,
// in a light and in a dark palette.
#include "ui/KontrastTekstu.h"
#include "ui/TListaRaportowa.h"
#include "ui/TLokatyFormGlowny.h"
#include "ui/TWykresKalendarza.h"

#include "common/ScopedClock.h"
#include "common/widgets/ListInTest.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "format/TFormatSettings.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

using J = TJednostkaOkresu;

QPalette Jasna() {
    return QPalette(QColor(239, 239, 239), QColor(255, 255, 255));
}

// Adwaita-dark's main colours.
QPalette Ciemna() {
    QPalette p(QColor(53, 53, 53), QColor(36, 36, 36));
    p.setColor(QPalette::Base, QColor(30, 30, 30));
    p.setColor(QPalette::AlternateBase, QColor(45, 45, 45));
    p.setColor(QPalette::Text, QColor(238, 238, 236));
    p.setColor(QPalette::WindowText, QColor(238, 238, 236));
    p.setColor(QPalette::ButtonText, QColor(238, 238, 236));
    p.setColor(QPalette::PlaceholderText, QColor(150, 150, 150));
    p.setColor(QPalette::Link, QColor(120, 174, 237));
    for (const auto rola : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, rola, QColor(145, 145, 145));
    return p;
}

// The best contrast of a pixel of `obszar` against `tlo`: the text's own
// colour where a glyph covers a whole pixel.
double Kontrast(const QImage& obraz, const QRect& obszar, const QColor& tlo,
                const QList<QColor>& pomin = {}) {
    double najlepszy = 1;
    const QRect w = obszar.intersected(obraz.rect());
    for (int y = w.top(); y <= w.bottom(); ++y)
        for (int x = w.left(); x <= w.right(); ++x) {
            const QColor kolor = obraz.pixelColor(x, y);
            if (!pomin.contains(kolor))
                najlepszy = std::max(najlepszy, WspolczynnikKontrastu(kolor, tlo));
        }
    return najlepszy;
}

class ContrastTest : public testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        UstawFormaty();
        projekt = std::make_unique<TProjektDB>(QDir(katalog.path()).filePath("DataFile.dat"));
        TKolekcjeDanych& k = projekt->Kolekcje();
        k.Lokaty().clear();
        k.HarmonogramyLokatBankowych().clear();
        for (int i = 0; i < 2; ++i) {
            auto o = std::make_unique<THarmonogramLokatyBankowej>();
            o->fId = i + 1;
            o->fBank = QStringLiteral("Bank");
            o->fNazwaHarmonogramu = QStringLiteral("Oferta %1").arg(i);
            o->fOkresDepozytu = 3;
            o->fJednostkaDepozytu = J::Miesiac;
            o->fOprocentowanieWSkaliRoku = 4 + i;
            k.HarmonogramyLokatBankowych().push_back(std::move(o));
        }
        const TDateTime dzis = EncodeDate(2024, 3, 10);
        Dodaj(1, "aktywna", dzis, 60, true);
        Dodaj(2, "konczaca", dzis, 5, true);
        Dodaj(3, "po terminie", dzis - 10, 8, true);
        Dodaj(4, "nieaktywna", dzis, 30, false);
        okno = std::make_unique<TLokatyFormGlowny>();
        okno->setPalette(GetParam() ? Ciemna() : Jasna());
        okno->MyDB = projekt.get();
        okno->resize(1200, 700);
        okno->show();
    }
    void TearDown() override { okno->MyDB = nullptr; }

    void Dodaj(int32_t id, const char* nazwa, TDateTime start, uint16_t dni, bool aktywna) {
        projekt->Kolekcje().Lokaty().push_back(
            std::make_unique<TLokata>(id, QString::fromUtf8(nazwa), 1000, start, dni, J::Dzien, 1,
                                      aktywna, TTypModyfikacji::BezZmian));
    }

    TListaRaportowa* Lista(const char* nazwa) {
        return okno->findChild<TListaRaportowa*>(QLatin1String(nazwa));
    }

    // Each row's first text cell, and the heading of its group, against the
    // background beside the text.
    void SprawdzListe(TListaRaportowa* lista, int kolumna) {
        lista->clearSelection();
        lista->setCurrentIndex({});
        const QImage obraz = lista->viewport()->grab().toImage();
        const qreal skala = obraz.devicePixelRatio();
        for (const TWierszRaportu* w : lista->Wiersze()) {
            const QModelIndex indeks = lista->IndeksWiersza(*w, kolumna);
            const QRect komorka = lista->visualRect(indeks);
            const QRect piksele(komorka.topLeft() * skala, komorka.size() * skala);
            const QColor tlo = obraz.pixelColor(piksele.right() - 3, piksele.top() + 2);
            EXPECT_GE(Kontrast(obraz, piksele, tlo), kMinimalnyKontrast)
                << lista->objectName().toStdString() << " "
                << indeks.data().toString().toStdString();
            const QModelIndex grupa = lista->IndeksWiersza(*w).parent();
            if (!grupa.isValid())
                continue;
            QRect naglowek = lista->visualRect(grupa);
            naglowek.setWidth(
                QFontMetrics(lista->font()).horizontalAdvance(grupa.data().toString()));
            const QRect np(naglowek.topLeft() * skala, naglowek.size() * skala);
            const QColor tloNaglowka = obraz.pixelColor(np.left() + 1, np.top() + 1);
            EXPECT_GE(Kontrast(obraz, np.adjusted(6, 0, 6, 0), tloNaglowka), kMinimalnyKontrast)
                << grupa.data().toString().toStdString();
        }
    }

    void SprawdzEtykiete(const char* nazwa) {
        auto* etykieta = okno->findChild<QLabel*>(QLatin1String(nazwa));
        ASSERT_NE(etykieta, nullptr);
        etykieta->show();
        const QImage obraz = etykieta->grab().toImage();
        const QColor tlo = okno->palette().color(QPalette::Window);
        EXPECT_GE(Kontrast(obraz, obraz.rect(), tlo), kMinimalnyKontrast) << nazwa;
    }

    ScopedClock zegar{EncodeDateTime(2024, 3, 10, 12, 0)};
    QTemporaryDir katalog;
    std::unique_ptr<TProjektDB> projekt;
    std::unique_ptr<TLokatyFormGlowny> okno;
};

TEST_P(ContrastTest, RowsLabelsAndChartReadWell) {
    auto* zakladki = okno->findChild<QTabWidget*>(QStringLiteral("pgc_Zakladki"));
    SprawdzListe(Lista("lv_Lokaty"), 1);
    SprawdzEtykiete("lbl_IleLokat");
    SprawdzEtykiete("Label1");
    zakladki->setCurrentIndex(1);
    SprawdzListe(Lista("lv_HarmonogramyLokatBankowych"), 1);
    // The offers are listed on white; their column headers stay in the theme's
    // colours, which some styles (Adwaita) paint the headers with.
    const QPalette naglowki = Lista("lv_HarmonogramyLokatBankowych")->header()->palette();
    EXPECT_EQ(naglowki.color(QPalette::Base), okno->palette().color(QPalette::Base));
    EXPECT_EQ(naglowki.color(QPalette::Text), okno->palette().color(QPalette::Text));
    zakladki->setCurrentIndex(2);
    SprawdzListe(Lista("lv_Kalendarz"), 1);

    // The chart: the amounts on the left, the months below, the legend above;
    // the bars' own colours are no text.
    auto* wykres = okno->findChild<TWykresKalendarza*>();
    ASSERT_NE(wykres, nullptr);
    const QImage obraz = wykres->grab().toImage();
    const QColor tlo = obraz.pixelColor(1, 1);
    const int w = obraz.width();
    const int h = obraz.height();
    const QList<QColor> slupki = {obraz.pixelColor(w - 5, 8)}; // the legend's last square
    for (const QRect& obszar :
         {QRect(0, 0, 40, h - 40), QRect(40, h - 28, w - 40, 28), QRect(w / 2, 0, w / 2, 14)})
        EXPECT_GE(Kontrast(obraz, obszar, tlo, slupki), kMinimalnyKontrast)
            << obszar.x() << "," << obszar.y();
}

INSTANTIATE_TEST_SUITE_P(Palettes, ContrastTest, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& p) {
                             return p.param ? "Dark" : "Light";
                         });

TEST(Contrast, RatioAndChoice) {
    EXPECT_NEAR(WspolczynnikKontrastu(Qt::black, Qt::white), 21.0, 0.01);
    EXPECT_NEAR(WspolczynnikKontrastu(QColor(209, 255, 160), QColor(209, 255, 160)), 1.0, 1e-9);
    const QColor zielone(209, 255, 160);
    EXPECT_EQ(KolorCzytelnyNa(zielone, {QColor(238, 238, 236)}), QColor(Qt::black));
    EXPECT_EQ(KolorCzytelnyNa(QColor(30, 30, 30), {QColor(30, 57, 145), QColor(120, 174, 237)}),
              QColor(120, 174, 237));
    EXPECT_EQ(KolorCzytelnyNa(QColor(128, 128, 128), {}), QColor(Qt::black));
}

} // namespace
