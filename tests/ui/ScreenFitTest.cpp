// What must fit the screen: run on the usual desktop and again on screens of
// 1024x600, 1280x720 and 1366x768 (see tests/CMakeLists.txt).
#include "ui/TFormDodajEdytujLokate.h"
#include "ui/TFormDodajEdytujLokateBankowa.h"
#include "ui/TFormDodajZyskZLokatyDoOszczednosci.h"
#include "ui/TFormPorownajOferty.h"
#include "ui/TListaRaportowa.h"
#include "ui/TLokatyFormGlowny.h"
#include "ui/import/TFormImportLokatBanki.h"
#include "ui/import/TFormParserLokatBankowych.h"

#include "common/ScopedClock.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "format/TFormatSettings.h"

#include <QDir>
#include <QHeaderView>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

class ScreenFit : public testing::Test {
protected:
    void SetUp() override {
        UstawFormaty();
        // A first start: no placement left by a window of another test.
        QSettings("Brenvik", "Talvora").remove("FormSetting");
        projekt = std::make_unique<TProjektDB>(QDir(katalog.path()).filePath("DataFile.dat"));
        TKolekcjeDanych& k = projekt->Kolekcje();
        k.Lokaty().clear();
        k.HarmonogramyLokatBankowych().clear();
        auto oferta = std::make_unique<THarmonogramLokatyBankowej>();
        oferta->fId = 1;
        oferta->fBank = QStringLiteral("Bank Spółdzielczy Ziemi Łódzkiej Oddział Piotrków");
        oferta->fNazwaHarmonogramu = QStringLiteral("Lokata Promocyjna Na Nowe Środki");
        oferta->fOkresDepozytu = 12;
        oferta->fJednostkaDepozytu = TJednostkaOkresu::Miesiac;
        oferta->fOprocentowanieWSkaliRoku = 5.25;
        k.HarmonogramyLokatBankowych().push_back(std::move(oferta));
        const TDateTime start = EncodeDate(2024, 1, 10);
        for (int i = 0; i < 3; ++i)
            k.Lokaty().push_back(std::make_unique<TLokata>(
                i + 1, QStringLiteral("Lokata na wakacje %1").arg(i), 125000.5, start, 12,
                TJednostkaOkresu::Miesiac, i == 0 ? -1 : 1, true, TTypModyfikacji::BezZmian));
        okno = std::make_unique<TLokatyFormGlowny>();
        okno->MyDB = projekt.get();
        okno->show();
    }
    void TearDown() override { okno->MyDB = nullptr; }

    // The window lies on the screen's work area and every button of it can
    // be reached inside the window.
    static void SprawdzOkno(QWidget& w) {
        const std::string nazwa = w.objectName().toStdString();
        const QRect obszar = w.screen()->availableGeometry();
        EXPECT_TRUE(obszar.contains(w.frameGeometry())) << nazwa;
        EXPECT_LE(w.minimumWidth(), obszar.width()) << nazwa;
        EXPECT_LE(w.minimumHeight(), obszar.height()) << nazwa;
        if (w.layout()) {
            EXPECT_LE(w.layout()->minimumSize().height(), w.height()) << nazwa;
        }
        for (const QPushButton* b : w.findChildren<QPushButton*>()) {
            if (!b->isVisibleTo(&w))
                continue;
            const QRect r(b->mapTo(&w, QPoint(0, 0)), b->size());
            EXPECT_TRUE(w.rect().contains(r)) << nazwa << " " << b->text().toStdString();
        }
    }

    ScopedClock zegar{EncodeDateTime(2024, 3, 10, 12, 0)};
    QTemporaryDir katalog;
    std::unique_ptr<TProjektDB> projekt;
    std::unique_ptr<TLokatyFormGlowny> okno;
};

TEST_F(ScreenFit, EveryWindowFitsTheScreen) {
    SprawdzOkno(*okno);
    const TFormPorownajOferty::TKatalog katalog;
    const std::function<std::unique_ptr<QWidget>(QWidget*)> dialogi[] = {
        [](QWidget* o) { return std::make_unique<TFormDodajEdytujLokate>(o); },
        [](QWidget* o) { return std::make_unique<TFormDodajEdytujLokateBankowa>(o); },
        [](QWidget* o) { return std::make_unique<TFormDodajZyskZLokatyDoOszczednosci>(o); },
        [&](QWidget* o) { return std::make_unique<TFormPorownajOferty>(katalog, o); },
        [](QWidget* o) { return std::make_unique<TFormImportLokatBanki>(o); },
        [](QWidget* o) { return std::make_unique<TFormParserLokatBankowych>(o); },
    };
    for (const auto& utworz : dialogi) {
        const std::unique_ptr<QWidget> dialog = utworz(okno.get());
        dialog->show();
        SprawdzOkno(*dialog);
    }
}

// At the first start every deposit column through "Ilość dni do
// zakończenia" is in view on a screen at least 1280 wide; the long hint of a
// deposit without an offer is cut short instead.
TEST_F(ScreenFit, DepositColumnsThroughDaysLeftAreInView) {
    if (okno->screen()->availableGeometry().width() < 1280)
        GTEST_SKIP() << "a narrower screen scrolls the list";
    auto* lista = okno->findChild<TListaRaportowa*>(QStringLiteral("lv_Lokaty"));
    ASSERT_NE(lista, nullptr);
    const int ostatnia = lista->IloscKolumn() - 1;
    ASSERT_EQ(lista->TytulKolumny(ostatnia), "Ilość dni do zakończenia");
    EXPECT_LE(lista->columnViewportPosition(ostatnia) + lista->columnWidth(ostatnia),
              lista->viewport()->width());

    // A width the user sets by hand is kept through a refill, and with the
    // window's placement for its next showing.
    QSettings("Brenvik", "Talvora").remove("FormSetting/LokatyFormGlowny/Kolumny");
    lista->header()->resizeSection(0, 333);
    okno->WypelnijListy(false);
    EXPECT_EQ(lista->columnWidth(0), 333);
    okno->close();
    EXPECT_EQ(QSettings("Brenvik", "Talvora")
                  .value("FormSetting/LokatyFormGlowny/Kolumny/lv_Lokaty")
                  .toString(),
              "0:333");
    // What does not read as a sensible width is passed over.
    QSettings("Brenvik", "Talvora")
        .setValue("FormSetting/LokatyFormGlowny/Kolumny/lv_Lokaty", "0:333,1:abc,2:3,x,:9");
    okno = std::make_unique<TLokatyFormGlowny>();
    okno->MyDB = projekt.get();
    okno->show();
    lista = okno->findChild<TListaRaportowa*>(QStringLiteral("lv_Lokaty"));
    EXPECT_EQ(lista->columnWidth(0), 333);
    EXPECT_GT(lista->columnWidth(2), 3);
    QSettings("Brenvik", "Talvora").remove("FormSetting/LokatyFormGlowny/Kolumny");
}

} // namespace
