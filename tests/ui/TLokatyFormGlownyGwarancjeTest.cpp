// The deposits window's guarantee lines, the bar of deposits past or near
// their end, and the stale-offer mark, driven offscreen.
#include "ui/TLokatyFormGlowny.h"

#include "common/ScopedClock.h"
#include "common/widgets/ListInTest.h"
#include "common/widgets/ScriptedModalRunner.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "data/TUstawieniaLokat.h"
#include "format/TFormatSettings.h"
#include "ui/TEtykietaGwarancji.h"
#include "ui/TEtykietaSkracana.h"
#include "ui/TFormBankiJednejInstytucji.h"
#include "ui/TFormPorownajOferty.h"
#include "ui/TFormProgiOstrzezen.h"
#include "ui/TKwotaEdit.h"
#include "ui/TListaRaportowa.h"
#include "ui/TPasekKonczacychSieLokat.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QSet>
#include <QSettings>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

using J = TJednostkaOkresu;

// Today is 2026-12-10; no euro rate is stored, so the limit is 100,000 EUR at
// the built-in rate 4.2730: 427 300,00 zł. Offers pay 0 %, so a deposit's sum
// is its amount.
class GwarancjeWOknie : public testing::Test {
protected:
    GwarancjeWOknie() : projekt(QDir(katalog.path()).filePath("DataFile.dat")) {
        UstawFormaty();
        QSettings("Brenvik", "Talvora").clear();
        kolekcje().Lokaty().clear();
        kolekcje().HarmonogramyLokatBankowych().clear();
    }
    ~GwarancjeWOknie() override {
        if (okno)
            okno->MyDB = nullptr;
        QSettings("Brenvik", "Talvora").clear();
    }

    TKolekcjeDanych& kolekcje() { return projekt.Kolekcje(); }

    void oferta(int32_t id, const QString& bank, TDateTime dodana = EncodeDate(2026, 12, 1)) {
        auto h = std::make_unique<THarmonogramLokatyBankowej>();
        h->fId = id;
        h->fBank = bank;
        h->fNazwaHarmonogramu = QStringLiteral("Lokata %1").arg(id);
        h->fOkresDepozytu = 3;
        h->fJednostkaDepozytu = J::Miesiac;
        h->fDataDodaniaModyfikacji = dodana;
        kolekcje().HarmonogramyLokatBankowych().push_back(std::move(h));
    }

    // A deposit of `dni` days ending on `koniec`.
    TLokata& lokata(int32_t id, double kwota, int32_t idOferty,
                    TDateTime koniec = EncodeDate(2027, 6, 1), bool aktywna = true) {
        const uint16_t dni = 90;
        kolekcje().Lokaty().push_back(
            std::make_unique<TLokata>(id, QStringLiteral("Lokata %1").arg(id), kwota, koniec - dni,
                                      dni, J::Dzien, idOferty, aktywna, TTypModyfikacji::BezZmian));
        return *kolekcje().Lokaty().back();
    }

    TLokatyFormGlowny& pokaz() {
        okno = std::make_unique<TLokatyFormGlowny>();
        okno->MyDB = &projekt;
        okno->show();
        return *okno;
    }

    template <class T> T* kontrolka(const char* nazwa) {
        T* k = okno->findChild<T*>(QLatin1String(nazwa));
        EXPECT_NE(k, nullptr) << nazwa;
        return k;
    }
    TEtykietaGwarancji* gwarancje() { return kontrolka<TEtykietaGwarancji>("lbl_GwarancjaBFG"); }
    TPasekKonczacychSieLokat* pasek() {
        return kontrolka<TPasekKonczacychSieLokat>("pan_KonczaceSie");
    }

    ScopedClock zegar{EncodeDateTime(2026, 12, 10, 10, 0)};
    QTemporaryDir katalog;
    TProjektDB projekt;
    std::unique_ptr<TLokatyFormGlowny> okno;
};

TEST_F(GwarancjeWOknie, LinesFollowTheDepositsAndTheJoinedBrands) {
    oferta(1, "Alfa");
    oferta(2, "Alfa Direct");
    lokata(1, 300000, 1);
    lokata(2, 200000, 1);
    lokata(3, 150000, 2);
    pokaz();
    EXPECT_TRUE(gwarancje()->isVisibleTo(okno.get()));
    EXPECT_EQ(
        gwarancje()->Linie(),
        QStringList{"W banku Alfa: 500 000,00 zł — o 72 700,00 zł ponad gwarancję BFG "
                    "(100 000 EUR ≈ 427 300,00 zł, kurs NBP z 2024-12-31 (brak połączenia))"});
    EXPECT_FALSE(gwarancje()->toolTip().isEmpty());
    // The summary panel keeps room for the wrapped line and no more: the
    // notice under it ends at the panel's bottom margin.
    QApplication::processEvents();
    auto* panel = kontrolka<QWidget>("pan_LokatyBottom");
    EXPECT_LE(panel->height() - kontrolka<QWidget>("Label1")->geometry().bottom(), 8);

    // Ending one deposit brings the bank under the limit: the line goes.
    kolekcje().Lokaty()[1]->SetAktywna(false);
    okno->WypelnijListy(false);
    EXPECT_FALSE(gwarancje()->isVisibleTo(okno.get()));

    // The user joins the two brands: their deposits count together.
    ScriptedModalRunner dialogi;
    dialogi.expect<TFormBankiJednejInstytucji>([](TFormBankiJednejInstytucji& d) {
        QTest::mouseClick(d.btn_DodajPare, Qt::LeftButton);
        static_cast<QComboBox*>(d.tbl_Pary->cellWidget(0, 0))->setCurrentText("Alfa");
        static_cast<QComboBox*>(d.tbl_Pary->cellWidget(0, 1))->setCurrentText(" Alfa Direct ");
        QTest::mouseClick(d.btn_DodajPare, Qt::LeftButton); // left empty: not kept
        d.btn_OK->click();
    });
    kontrolka<QAction>("BankiJednejInstytucji1")->trigger();
    EXPECT_EQ(dialogi.pending(), 0u);
    EXPECT_EQ(TUstawieniaLokat::PolaczoneBanki(),
              (std::vector<TParaBankow>{{"Alfa", "Alfa Direct"}}));
    ASSERT_EQ(gwarancje()->Linie().size(), 1);
    EXPECT_TRUE(gwarancje()->Linie()[0].startsWith(
        "W banku Alfa / Alfa Direct: 450 000,00 zł — o 22 700,00 zł"))
        << gwarancje()->Linie()[0].toStdString();
}

// Forty banks over the limit: two lines and a count of the rest, every line in
// the tooltip, and the deposit list keeps its room.
TEST_F(GwarancjeWOknie, ManyBanksOverTheLimitLeaveTheListInView) {
    for (int i = 1; i <= 40; ++i) {
        oferta(i, QStringLiteral("Bank %1").arg(i));
        lokata(i, 500000, i);
    }
    pokaz();
    okno->resize(800, 662);
    QApplication::processEvents();
    EXPECT_EQ(gwarancje()->Linie().size(), 40);
    const QStringList widoczne = gwarancje()->text().split('\n');
    ASSERT_EQ(widoczne.size(), 3);
    EXPECT_EQ(widoczne[0], gwarancje()->Linie()[0]);
    EXPECT_EQ(widoczne[2],
              "…oraz w 38 innych bankach ponad gwarancję BFG (wszystkie w podpowiedzi)");
    EXPECT_TRUE(gwarancje()->toolTip().contains(gwarancje()->Linie()[39]));
    EXPECT_GE(kontrolka<TListaRaportowa>("lv_Lokaty")->height(), 200);
}

TEST_F(GwarancjeWOknie, BarCountsDepositsPastAndNearTheirEndAndSelectsThem) {
    oferta(1, "Alfa");
    lokata(1, 1000, 1, EncodeDate(2026, 12, 9));        // past its end
    lokata(2, 1000, 1, EncodeDate(2026, 12, 17));       // in 7 days
    lokata(3, 1000, 1, EncodeDate(2026, 12, 18));       // in 8 days
    lokata(4, 1000, 1, EncodeDate(2026, 12, 1), false); // ended
    pokaz();
    ASSERT_TRUE(pasek()->isVisibleTo(okno.get()));
    EXPECT_EQ(pasek()->Tekst(), "Lokaty po terminie: 1,   kończące się w ciągu 7 dni: 1");

    kontrolka<QPushButton>("btn_PokazKonczaceSie")->click();
    auto* lista = kontrolka<TListaRaportowa>("lv_Lokaty");
    QStringList wybrane;
    for (const QModelIndex& i : lista->selectionModel()->selectedRows())
        wybrane << i.data().toString().trimmed();
    wybrane.sort();
    EXPECT_EQ(wybrane, (QStringList{"Lokata 1", "Lokata 2"}));
    // Commands act on the first of them in the list.
    const TWierszRaportu* pierwszy = nullptr;
    for (const TWierszRaportu* w : lista->Wiersze())
        if (!pierwszy && w->komorki[0].trimmed().startsWith("Lokata ") &&
            wybrane.contains(w->komorki[0].trimmed()))
            pierwszy = w;
    EXPECT_EQ(lista->WybranyWiersz(), pierwszy);

    // Closed, it stays closed for this showing and comes back at the next.
    kontrolka<QToolButton>("btn_ZamknijKonczaceSie")->click();
    okno->WypelnijListy(false);
    EXPECT_FALSE(pasek()->isVisibleTo(okno.get()));
    okno->close();
    pokaz();
    EXPECT_TRUE(pasek()->isVisibleTo(okno.get()));

    // Nothing due: no bar.
    for (auto& l : kolekcje().Lokaty())
        l->SetAktywna(false);
    okno->WypelnijListy(false);
    EXPECT_FALSE(pasek()->isVisibleTo(okno.get()));
}

TEST_F(GwarancjeWOknie, OldOffersAreMarkedWithTheirAge) {
    oferta(1, "Alfa", EncodeDate(2026, 7, 20));
    oferta(2, "Beta", EncodeDate(2026, 11, 10)); // 30 days: still current
    pokaz();
    auto* lista = kontrolka<TListaRaportowa>("lv_HarmonogramyLokatBankowych");
    ListInTest::ShowTab(*lista);
    QStringList podpowiedzi;
    QSet<qint64> ikony;
    for (const TWierszRaportu* w : lista->Wiersze()) {
        const QModelIndex i = lista->IndeksWiersza(*w);
        podpowiedzi << i.data(Qt::ToolTipRole).toString();
        ikony << i.data(Qt::DecorationRole).value<QIcon>().cacheKey();
    }
    EXPECT_EQ(
        podpowiedzi,
        (QStringList{"dane sprzed 143 dni (2026-07-20) — sprawdź aktualną ofertę banku", ""}));
    EXPECT_EQ(ikony.size(), 2) << "the old offer has its own image";
    EXPECT_EQ(kontrolka<TEtykietaSkracana>("lbl_IleOfert")->text(),
              "Ilość lokat bankowych: 2, starsze niż 30 dni: 1");
}

// The thresholds set in their dialog are kept and take effect at once; a
// cancelled dialog changes nothing.
TEST_F(GwarancjeWOknie, ThresholdsDialogChangesTheMarksAndTheBar) {
    oferta(1, "Alfa", EncodeDate(2026, 11, 20));  // 20 days old
    lokata(1, 1000, 1, EncodeDate(2026, 12, 20)); // ends in 10 days
    pokaz();
    EXPECT_FALSE(pasek()->isVisibleTo(okno.get()));
    ScriptedModalRunner dialogi;
    dialogi.expect<TFormProgiOstrzezen>([](TFormProgiOstrzezen& d) {
        EXPECT_EQ(d.se_DniDoNieaktualnosci->value(), 30);
        EXPECT_EQ(d.se_DniDoZakonczenia->value(), 7);
        d.se_DniDoNieaktualnosci->setValue(14);
        d.se_DniDoZakonczenia->setValue(10);
        d.btn_OK->click();
    });
    dialogi.expect<TFormProgiOstrzezen>([](TFormProgiOstrzezen& d) {
        EXPECT_EQ(d.se_DniDoNieaktualnosci->value(), 14);
        d.se_DniDoNieaktualnosci->setValue(60);
        d.btn_Cancel->click();
    });
    kontrolka<QAction>("ProgiOstrzezen1")->trigger();
    EXPECT_EQ(TUstawieniaLokat::DniDoNieaktualnosci(), 14);
    EXPECT_EQ(TUstawieniaLokat::DniDoZakonczenia(), 10);
    ASSERT_TRUE(pasek()->isVisibleTo(okno.get()));
    EXPECT_EQ(pasek()->Tekst(), "Lokaty po terminie: 0,   kończące się w ciągu 10 dni: 1");
    ListInTest::ShowTab(*kontrolka<TListaRaportowa>("lv_HarmonogramyLokatBankowych"));
    EXPECT_EQ(kontrolka<TEtykietaSkracana>("lbl_IleOfert")->text(),
              "Ilość lokat bankowych: 1, starsze niż 14 dni: 1");

    kontrolka<QAction>("ProgiOstrzezen1")->trigger();
    EXPECT_EQ(dialogi.pending(), 0u);
    EXPECT_EQ(TUstawieniaLokat::DniDoNieaktualnosci(), 14);
}

// The comparison marks an offer whose bank would go over the limit with the
// amount, and leaves old offers out unless asked.
TEST_F(GwarancjeWOknie, ComparisonMarksTheBankOverTheLimitAndSkipsOldOffers) {
    oferta(1, "Alfa");
    oferta(2, "Beta", EncodeDate(2026, 7, 20));
    lokata(1, 400000, 1);
    pokaz();
    ScriptedModalRunner dialogi;
    dialogi.expect<TFormPorownajOferty>([](TFormPorownajOferty& d) {
        EXPECT_TRUE(d.chb_PominNieaktualne->isChecked());
        d.e_Kwota->setValue(50000);
        ASSERT_EQ(d.lv_Ranking->topLevelItemCount(), 1);
        const QTreeWidgetItem* alfa = d.lv_Ranking->topLevelItem(0);
        EXPECT_EQ(alfa->text(0), "Alfa");
        EXPECT_FALSE(alfa->icon(0).isNull());
        EXPECT_TRUE(alfa->toolTip(0).startsWith(
            "Po założeniu tej lokaty w banku Alfa: 450 000,00 zł — o 22 700,00 zł ponad"));
        EXPECT_TRUE(d.lbl_Podsumowanie->text().contains("o 22 700,00 zł ponad gwarancję BFG"));

        d.chb_PominNieaktualne->setChecked(false);
        ASSERT_EQ(d.lv_Ranking->topLevelItemCount(), 2);
        const int wiek = d.lv_Ranking->columnCount() - 1;
        QStringList wieki;
        for (int i = 0; i < 2; ++i)
            wieki << d.lv_Ranking->topLevelItem(i)->text(0) + " " +
                         d.lv_Ranking->topLevelItem(i)->text(wiek);
        wieki.sort();
        EXPECT_EQ(wieki, (QStringList{"Alfa 9 dni", "Beta 143 dni"}));
    });
    kontrolka<QAction>("PorownajOferty1")->trigger();
    EXPECT_EQ(dialogi.pending(), 0u);
}

} // namespace
