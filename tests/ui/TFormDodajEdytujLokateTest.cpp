#include "ui/TFormDodajEdytujLokate.h"

#include "common/ScriptedMessageBoxes.h"
#include "common/ScriptedWebBrowser.h"

#include "format/TFormatSettings.h"
#include "platform/Platform.h"
#include "platform/WebAddresses.h"
#include "ui/TAMHSensitiveLabel.h"
#include "ui/TKwotaEdit.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class TFormDodajEdytujLokateTest : public testing::Test {
protected:
    void SetUp() override {
        dialog.UstawOgraniczeniaKwoty(15, 1e15);
        dialog.UstawLokate(QStringLiteral("Lokata"), 1000, EncodeDateTime(2024, 6, 10, 9, 30), 12,
                           TJednostkaOkresu::Miesiac, QString());
    }

    // The dialog takes its date format when it is made, so the module's
    // formats are applied before it exists.
    struct TFormaty {
        TFormaty() { UstawFormaty(); }
    } formaty;
    TFormDodajEdytujLokate dialog;
};

struct TPrzypadekOK {
    const char* opis;
    const char* nazwa;
    double kwota;
    int okres;
    int jednostka; // position in the unit list, -1 none
    bool wlaczony;
};

TEST_F(TFormDodajEdytujLokateTest, OKWlaczonyGdyNazwaKwotaOkresIJednostkaSaPodane) {
    const TPrzypadekOK przypadki[] = {
        {"all given", "Lokata", 1000, 12, 2, true},
        {"a blank is a name for this rule", " ", 1000, 12, 2, true},
        {"no name", "", 1000, 12, 2, false},
        {"amount 0", "Lokata", 0, 12, 2, false},
        {"amount below a grosz", "Lokata", 0.001, 12, 2, true},
        {"period 0", "Lokata", 1000, 0, 2, false},
        {"no unit", "Lokata", 1000, 12, -1, false},
    };
    for (const auto& p : przypadki) {
        dialog.e_AddL_Nazwa->setText(QString::fromUtf8(p.nazwa));
        dialog.e_AddL_Ile->setText(QString::number(p.kwota).replace('.', ','));
        dialog.se_AddL_OkresLokaty->setValue(p.okres);
        dialog.cb_AddL_JednostkaLokaty->setCurrentIndex(p.jednostka);
        EXPECT_EQ(dialog.btn_OK->isEnabled(), p.wlaczony) << p.opis;
    }
}

TEST_F(TFormDodajEdytujLokateTest, NazwaNiePrzyjmujeCudzyslowuApostrofuISrednika) {
    dialog.e_AddL_Nazwa->clear();
    QTest::keyClicks(dialog.e_AddL_Nazwa, QStringLiteral("Lok\"a'ta; 3/12"));
    // Quotes, apostrophes and semicolons never get in; the slash is cleaned later.
    EXPECT_EQ(dialog.e_AddL_Nazwa->text(), QStringLiteral("Lokata 3/12"));
    EXPECT_EQ(dialog.e_AddL_Nazwa->maxLength(), 255);
}

TEST_F(TFormDodajEdytujLokateTest, JednostkiWKolejnosciIchWartosci) {
    QStringList pozycje;
    for (int i = 0; i < dialog.cb_AddL_JednostkaLokaty->count(); ++i)
        pozycje << dialog.cb_AddL_JednostkaLokaty->itemText(i);
    EXPECT_EQ(pozycje, (QStringList{"Dzień", "Tydzeń", "Miesiąc", "Rok"}));

    dialog.UstawJednostke(TJednostkaOkresu::Tydzien);
    EXPECT_EQ(dialog.cb_AddL_JednostkaLokaty->currentText(), QStringLiteral("Tydzeń"));
    dialog.cb_AddL_JednostkaLokaty->setCurrentIndex(3);
    EXPECT_EQ(dialog.Jednostka(), TJednostkaOkresu::Rok);

    dialog.UstawJednostke(TJednostkaOkresu::Brak);
    EXPECT_EQ(dialog.cb_AddL_JednostkaLokaty->currentIndex(), -1);
    EXPECT_EQ(dialog.Jednostka(), TJednostkaOkresu::Brak);
    dialog.UstawJednostke(static_cast<TJednostkaOkresu>(7));
    EXPECT_EQ(dialog.Jednostka(), TJednostkaOkresu::Brak);
}

TEST_F(TFormDodajEdytujLokateTest, DataPokazujeDzienAWartoscZachowujeGodzine) {
    EXPECT_EQ(dialog.cb_AddL_Data->text(), QStringLiteral("2024-06-10"));
    dialog.cb_AddL_Data->setDate(QDate(2024, 7, 1));
    EXPECT_DOUBLE_EQ(dialog.DataRozpoczecia(), EncodeDateTime(2024, 7, 1, 9, 30));
    EXPECT_DOUBLE_EQ(dialog.Dane().dataRozpoczecia, EncodeDateTime(2024, 7, 1, 9, 30));
}

TEST_F(TFormDodajEdytujLokateTest, HarmonogramJestOpcjonalnyIOdnosnikGoCzysci) {
    dialog.WypelnijHarmonogramy({QStringLiteral("Bank A - Lokata 3M (3 miesiące) 4,50%"),
                                 QStringLiteral("Bank B - Lokata 6M (6 miesięcy) 5,00%")});
    EXPECT_EQ(dialog.WybranyHarmonogram(), QString());
    dialog.WybierzHarmonogram(QStringLiteral("Bank B - Lokata 6M (6 miesięcy) 5,00%"));
    EXPECT_EQ(dialog.cb_AddL_HarmonogramLokatyBankowej->currentIndex(), 1);
    dialog.WybierzHarmonogram(QStringLiteral("bank b - lokata 6m (6 miesięcy) 5,00%"));
    EXPECT_EQ(dialog.WybranyHarmonogram(), QString()); // only the exact text is found

    dialog.WybierzHarmonogram(QStringLiteral("Bank A - Lokata 3M (3 miesiące) 4,50%"));
    dialog.show();
    QTest::mouseClick(dialog.lbl_UstawPustaLokateBankowa, Qt::LeftButton);
    EXPECT_EQ(dialog.cb_AddL_HarmonogramLokatyBankowej->currentIndex(), -1);
    EXPECT_EQ(dialog.Dane().opisHarmonogramu, QString());
    EXPECT_TRUE(dialog.btn_OK->isEnabled());

    // The link is reached with Tab from the offer list and acts on Space and Enter.
    for (const Qt::Key klawisz : {Qt::Key_Space, Qt::Key_Return}) {
        dialog.WybierzHarmonogram(QStringLiteral("Bank A - Lokata 3M (3 miesiące) 4,50%"));
        dialog.cb_AddL_HarmonogramLokatyBankowej->setFocus();
        EXPECT_EQ(dialog.cb_AddL_HarmonogramLokatyBankowej->nextInFocusChain(),
                  dialog.lbl_UstawPustaLokateBankowa);
        dialog.lbl_UstawPustaLokateBankowa->setFocus();
        QTest::keyClick(dialog.lbl_UstawPustaLokateBankowa, klawisz);
        EXPECT_EQ(dialog.cb_AddL_HarmonogramLokatyBankowej->currentIndex(), -1);
        EXPECT_TRUE(dialog.isVisible()) << "Enter on the link does not close the editor";
    }
}

TEST_F(TFormDodajEdytujLokateTest, ListaHarmonogramowRozwijaSieNaSzerokoscNajdluzszegoTekstu) {
    const QString dlugi = QStringLiteral("Bank Bardzo Długiej Nazwy Spółka Akcyjna - Lokata "
                                         "Promocyjna Na Nowe Środki (12 miesięcy) 7,25%");
    dialog.WypelnijHarmonogramy({QStringLiteral("Bank A"), dlugi});
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QComboBox* lista = dialog.cb_AddL_HarmonogramLokatyBankowej;
    lista->setFocus(); // entering the list
    const int tekst = QFontMetrics(lista->font()).horizontalAdvance(dlugi);
    ASSERT_GT(tekst, lista->width());
    EXPECT_EQ(lista->view()->minimumWidth(), tekst + 8);

    dialog.WypelnijHarmonogramy({QStringLiteral("Bank A")});
    QTest::mousePress(lista, Qt::LeftButton); // clicking it
    lista->hidePopup();
    EXPECT_EQ(lista->view()->minimumWidth(), lista->width());
}

TEST_F(TFormDodajEdytujLokateTest, OdnosnikiOtwierajaZestawieniaWPrzegladarce) {
    ScriptedWebBrowser przegladarka;
    WebAddresses::SetRankingHost(QStringLiteral("http://ranking.test"));
    dialog.show();
    QTest::mouseClick(dialog._lbl4, Qt::LeftButton);
    QTest::mouseClick(dialog._lbl3, Qt::LeftButton);
    EXPECT_EQ(przegladarka.urls, (QStringList{"http://ranking.test/lokaty_bankowe/",
                                              "http://ranking.test/konta_oszczednosciowe/"}));
    // Without a browser the user gets the address to copy.
    ScriptedMessageBoxes komunikaty;
    przegladarka.opens = false;
    QTest::mouseClick(dialog._lbl3, Qt::LeftButton);
    WebAddresses::RestoreDefaults();
    ASSERT_EQ(komunikaty.messages.size(), 1);
    EXPECT_EQ(komunikaty.messages[0].caption, "BŁĄD !!!");
    EXPECT_TRUE(
        komunikaty.messages[0].text.endsWith("\r\rhttp://ranking.test/konta_oszczednosciowe/"));
    EXPECT_EQ(dialog._lbl4->toolTip(), QStringLiteral("Kliknij, aby zobaczyć zestawienie"));
    EXPECT_EQ(dialog._lbl3->toolTip(), QStringLiteral("Kliknij, aby zobaczyć zestawienie"));
}

TEST_F(TFormDodajEdytujLokateTest, PoPokazaniuKwotaMaSymbolWalutyAKontrolkiSwojeNazwy) {
    dialog.show();
    EXPECT_EQ(dialog.e_AddL_Ile->formattedText(), QStringLiteral("1 000,00 zł"));
    for (const char* nazwa : {"pan_1", "lbl_AddL_Head", "e_AddL_Nazwa", "e_AddL_Ile",
                              "cb_AddL_Data", "se_AddL_OkresLokaty", "cb_AddL_JednostkaLokaty",
                              "cb_AddL_HarmonogramLokatyBankowej", "lbl_UstawPustaLokateBankowa",
                              "GridPanel1", "_lbl1", "_lbl4", "_lbl3", "btn_Cancel", "btn_OK"})
        EXPECT_NE(dialog.findChild<QWidget*>(QString::fromLatin1(nazwa)), nullptr) << nazwa;
    EXPECT_EQ(dialog.se_AddL_OkresLokaty->maximum(), 1000);
    EXPECT_EQ(dialog.se_AddL_OkresLokaty->minimum(), 0);
    EXPECT_TRUE(dialog.btn_OK->isDefault());
}

} // namespace
