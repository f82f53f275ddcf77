// The offer comparison, opened from the real deposits window on a fresh data
// file: ranking, the schedule of the selected offer, and a deposit added
// through the real deposit editor.
#include "ui/TFormPorownajOferty.h"

#include "common/ScopedClock.h"
#include "common/ScriptedMessageBoxes.h"
#include "common/widgets/ModalActions.h"
#include "common/widgets/ScriptedModalRunner.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "format/TFormatSettings.h"
#include "ui/TFormDodajEdytujLokate.h"
#include "ui/TKwotaEdit.h"
#include "ui/TLokatyFormGlowny.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

using TPorownanie = TFormPorownajOferty;
using TEdytor = TFormDodajEdytujLokate;

const TDateTime kTeraz = EncodeDateTime(2024, 6, 10, 12, 0);

QStringList Wiersz(const QTreeWidgetItem* wiersz) {
    QStringList komorki;
    for (int i = 0; i < wiersz->columnCount(); ++i)
        komorki << wiersz->text(i);
    return komorki;
}

class TFormPorownajOfertyTest : public testing::Test {
protected:
    void SetUp() override {
        UstawFormaty();
        projekt = std::make_unique<TProjektDB>(QDir(katalog.path()).filePath("DataFile.dat"));
        Kolekcje().Lokaty().clear();
        Kolekcje().HarmonogramyLokatBankowych().clear();
        DodajOferte(1, "Bank A", 3, 4.5, TKapitalizacja::Miesieczna, 0);
        DodajOferte(2, "Bank B", 6, 5, TKapitalizacja::PoOkresieUmowy, 0);
        DodajOferte(3, "Bank C", 6, 7, TKapitalizacja::PoOkresieUmowy, 50000);
        okno.MyDB = projekt.get();
    }

    void TearDown() override { okno.MyDB = nullptr; }

    TKolekcjeDanych& Kolekcje() { return projekt->Kolekcje(); }

    void DodajOferte(int32_t id, const char* bank, uint32_t miesiace, double oprocentowanie,
                     TKapitalizacja kapitalizacja, double minimum) {
        auto oferta = std::make_unique<THarmonogramLokatyBankowej>();
        oferta->fId = id;
        oferta->fBank = QString::fromUtf8(bank);
        oferta->fNazwaHarmonogramu = QStringLiteral("Lokata");
        oferta->fOkresDepozytu = miesiace;
        oferta->fJednostkaDepozytu = TJednostkaOkresu::Miesiac;
        oferta->fOprocentowanieWSkaliRoku = oprocentowanie;
        oferta->fKapitalizacja = kapitalizacja;
        oferta->fKwotaMinimalna = minimum;
        Kolekcje().HarmonogramyLokatBankowych().push_back(std::move(oferta));
    }

    ScopedClock zegar{kTeraz};
    ScriptedMessageBoxes komunikaty;
    ScriptedModalRunner okna;
    QTemporaryDir katalog;
    std::unique_ptr<TProjektDB> projekt;
    TLokatyFormGlowny okno;
};

TEST_F(TFormPorownajOfertyTest, RankSelectSeeScheduleAndAddTheDeposit) {
    okna.expect<TPorownanie>([](TPorownanie& d) {
        d.e_Kwota->setValue(20000);
        ASSERT_EQ(d.lv_Ranking->topLevelItemCount(), 2); // Bank C starts at 50 000 zł
        EXPECT_FALSE(d.lbl_BrakOfert->isVisible());
        // 6 months at 5 % after the term beat 3 months at 4,5 % monthly.
        EXPECT_EQ(Wiersz(d.lv_Ranking->topLevelItem(0)),
                  QStringList({"Bank B", "Lokata 6M", "6 miesięcy", "5,00%", "Po okresie umowy",
                               "405,00 zł", "406,10 zł", "4,05%", "2024-12-10", "dziś"}));
        d.lv_Ranking->setCurrentItem(d.lv_Ranking->topLevelItem(1));
        EXPECT_EQ(d.WybranaOferta()->Id(), 1);
        // 2 000 000 gr × 4,5 % × 30 / 365 = 7 397,26 gr → 73,97 zł, tax 14,0543 → 14,06 zł.
        ASSERT_EQ(d.lv_Harmonogram->topLevelItemCount(), 3);
        EXPECT_EQ(Wiersz(d.lv_Harmonogram->topLevelItem(0)),
                  QStringList({"2024-06-10", "2024-07-10", "30", "73,97 zł", "14,06 zł", "59,91 zł",
                               "20 059,91 zł"}));
        EXPECT_EQ(Wiersz(d.lv_Harmonogram->topLevelItem(2)).mid(0, 3),
                  QStringList({"2024-08-10", "2024-09-10", "31"}));
        EXPECT_TRUE(d.lbl_Podsumowanie->text().contains("2024-09-10"));
        ClickButton(d, QStringLiteral("btn_OK"));
    });
    okna.expect<TEdytor>([this](TEdytor& d) {
        EXPECT_EQ(d.e_AddL_Nazwa->text(), "Bank A - Lokata 3M");
        EXPECT_EQ(d.e_AddL_Ile->value(), 20000);
        EXPECT_EQ(d.cb_AddL_Data->date(), QDate(2024, 6, 10));
        EXPECT_EQ(d.se_AddL_OkresLokaty->value(), 3);
        EXPECT_EQ(d.Jednostka(), TJednostkaOkresu::Miesiac);
        EXPECT_EQ(d.WybranyHarmonogram(),
                  Kolekcje().PobierzOpisKategoriiPoID(1, TTabele::HarmonogramyLokatBankowych));
        ClickButton(d, QStringLiteral("btn_OK"));
    });
    ClickButton(okno, QStringLiteral("sbtn_PorownajOferty"));

    ASSERT_EQ(Kolekcje().Lokaty().size(), 1u);
    const TLokata& lokata = *Kolekcje().Lokaty().front();
    EXPECT_EQ(lokata.IdHarmonogramLokaty(), 1);
    EXPECT_EQ(lokata.Kwota(), 20000);
    EXPECT_EQ(lokata.DataRozpoczecia(), EncodeDate(2024, 6, 10));
    EXPECT_EQ(lokata.OkresLokaty(), 3);
    EXPECT_TRUE(lokata.Aktywna());
    EXPECT_EQ(lokata.Zmiany(), TTypModyfikacji::Dodano);
    EXPECT_TRUE(komunikaty.messages.isEmpty());
}

TEST_F(TFormPorownajOfertyTest, NothingFitsSaysWhyAndAddsNothing) {
    okno.show();
    okno.move(40, 30);
    okna.expect<TPorownanie>([](TPorownanie& d) {
        d.e_Kwota->setValue(20000);
        d.cb_Jednostka->setCurrentIndex(2); // weeks
        d.se_Okres->setValue(1);
        EXPECT_EQ(d.lv_Ranking->topLevelItemCount(), 0);
        EXPECT_EQ(d.lbl_BrakOfert->text(),
                  "Żadna oferta przyjmująca kwotę 20 000,00 zł nie trwa 1 tydzień.");
        EXPECT_FALSE(d.lbl_BrakOfert->isHidden());
        EXPECT_FALSE(d.btn_OK->isEnabled());
        EXPECT_EQ(d.lv_Harmonogram->topLevelItemCount(), 0);
        d.se_Tolerancja->setValue(12); // about a week, give or take 12: 3 months fit
        EXPECT_EQ(d.lv_Ranking->topLevelItemCount(), 1);
        // Any period: its length and tolerance cannot be set.
        d.cb_Jednostka->setCurrentIndex(0);
        EXPECT_FALSE(d.se_Okres->isEnabled());
        EXPECT_FALSE(d.se_Tolerancja->isEnabled());
        d.cb_Jednostka->setCurrentIndex(3);
        EXPECT_TRUE(d.se_Okres->isEnabled());
        // It opens centred on the main window.
        const QPoint srodekOkna = d.parentWidget()->window()->frameGeometry().center();
        EXPECT_LE((d.frameGeometry().center() - srodekOkna).manhattanLength(), 10);
        ClickButton(d, QStringLiteral("btn_Cancel"));
    });
    ClickButton(okno, QStringLiteral("sbtn_PorownajOferty"));
    EXPECT_TRUE(Kolekcje().Lokaty().empty());
    EXPECT_EQ(okna.shownNames(), QStringList{"FormPorownajOferty"});
}

} // namespace
