// The offer editor on its own: the rule for "OK", filling from an offer and
// reading back, the swallowed keys, the amount fields and the links.
#include "ui/TFormDodajEdytujLokateBankowa.h"

#include "common/ScriptedMessageBoxes.h"
#include "common/ScriptedWebBrowser.h"
#include "domain/THarmonogramLokatyBankowej.h"
#include "format/TFormatSettings.h"
#include "platform/WebAddresses.h"
#include "ui/TAMHSensitiveLabel.h"
#include "ui/TSpinLiczby.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

using TEdytor = TFormDodajEdytujLokateBankowa;

std::unique_ptr<THarmonogramLokatyBankowej> Oferta() {
    auto h = std::make_unique<THarmonogramLokatyBankowej>();
    h->fBank = "Bank Beta";
    h->fNazwaHarmonogramu = "Lokata roczna";
    h->fOkresDepozytu = 12;
    h->fJednostkaDepozytu = TJednostkaOkresu::Miesiac;
    h->fOprocentowanieWSkaliRoku = 5.25;
    h->fKapitalizacja = TKapitalizacja::Kwartalna;
    h->fKwotaMinimalna = 1234.56;
    h->fKwotaMaksymalna = 50000;
    h->fWymaganeKontoOsobisteWTymBanku = true;
    h->fWarunkiWczesniejszegoZerwaniaLokaty = "utrata odsetek";
    h->fPozostaleInformacje = "tylko online";
    return h;
}

class TFormDodajEdytujLokateBankowaTest : public testing::Test {
protected:
    void SetUp() override {
        UstawFormaty();
        dialog.WypelnijBanki({"Bank Alfa", "Bank Beta"});
        dialog.UstawHarmonogram(*Oferta());
    }

    ScriptedMessageBoxes komunikaty;
    TEdytor dialog;
};

TEST_F(TFormDodajEdytujLokateBankowaTest, OKNeedsBankNameUnitRateAndCapitalisation) {
    const struct {
        const char* opis;
        std::function<void(TEdytor&)> zmiana;
        bool wlaczony;
    } przypadki[] = {
        {"all given", [](TEdytor&) {}, true},
        {"no bank", [](TEdytor& d) { d.cb_AddLB_Bank->setEditText(""); }, false},
        {"no name", [](TEdytor& d) { d.e_AddLB_Nazwa->clear(); }, false},
        {"no unit", [](TEdytor& d) { d.UstawJednostke(TJednostkaOkresu::Brak); }, false},
        {"rate 0", [](TEdytor& d) { d.se_OprocentowanieWSkaliRoku->setValue(0); }, false},
        {"half-yearly capitalisation has no item",
         [](TEdytor& d) { d.UstawKapitalizacje(TKapitalizacja::Polroczna); }, false},
        {"amounts do not matter", [](TEdytor& d) { d.se_KwotaMinimalna->setValue(0); }, true},
    };
    for (const auto& p : przypadki) {
        dialog.UstawHarmonogram(*Oferta());
        p.zmiana(dialog);
        EXPECT_EQ(dialog.btn_OK->isEnabled(), p.wlaczony) << p.opis;
    }
    // Choosing the missing item enables it again.
    dialog.cb_AddLB_Kapitalizacja->setCurrentIndex(0);
    EXPECT_TRUE(dialog.btn_OK->isEnabled());
}

TEST_F(TFormDodajEdytujLokateBankowaTest, FillsFromAnOfferAndReadsItBack) {
    EXPECT_EQ(dialog.cb_AddLB_Bank->currentIndex(), 1);
    EXPECT_EQ(dialog.cb_AddLB_JednostkaDepozytu->currentText(), "Miesiąc");
    EXPECT_EQ(dialog.cb_AddLB_Kapitalizacja->currentText(), "Kwartalna");
    EXPECT_EQ(dialog.se_KwotaMinimalna->text(), "1 234,56 zł");
    EXPECT_EQ(dialog.se_OprocentowanieWSkaliRoku->text(), "5,25 %");

    // A bank the list does not hold is typed in.
    auto inna = Oferta();
    inna->fBank = "Bank Gamma";
    dialog.UstawHarmonogram(*inna);
    EXPECT_EQ(dialog.cb_AddLB_Bank->currentIndex(), -1);
    EXPECT_EQ(dialog.cb_AddLB_Bank->currentText(), "Bank Gamma");

    // Texts of the name go through the name cleaning; the notes do not.
    dialog.e_AddLB_Nazwa->setText("  Lokata  |  roczna");
    dialog.e_PozostaleInformacje->setText("  dwa  blanki");
    THarmonogramLokatyBankowej h;
    h.fId = 5;
    ASSERT_TRUE(dialog.ZapiszW(h));
    EXPECT_EQ(dialog.e_AddLB_Nazwa->text(), "Lokata roczna");
    EXPECT_EQ(h.fBank, "Bank Gamma");
    EXPECT_EQ(h.fNazwaHarmonogramu, "Lokata roczna");
    EXPECT_EQ(h.fOkresDepozytu, 12u);
    EXPECT_EQ(h.fJednostkaDepozytu, TJednostkaOkresu::Miesiac);
    EXPECT_EQ(h.fOprocentowanieWSkaliRoku, 5.25);
    EXPECT_EQ(h.fKapitalizacja, TKapitalizacja::Kwartalna);
    EXPECT_EQ(h.fKwotaMinimalna, 1234.56);
    EXPECT_EQ(h.fKwotaMaksymalna, 50000);
    EXPECT_TRUE(h.fWymaganeKontoOsobisteWTymBanku);
    EXPECT_FALSE(h.fMozliwoscWczesniejszegoZerwaniaLokaty);
    EXPECT_FALSE(h.fOprocentowanieStaleWCalymOkresieLokaty);
    EXPECT_EQ(h.fWarunkiWczesniejszegoZerwaniaLokaty, "utrata odsetek");
    EXPECT_EQ(h.fPozostaleInformacje, "  dwa  blanki");
    EXPECT_TRUE(h.fHarmonogramDodanyPrzezUzytkownika);
    EXPECT_EQ(h.fId, 5);
    EXPECT_TRUE(komunikaty.messages.isEmpty());
}

TEST_F(TFormDodajEdytujLokateBankowaTest, BlankBankOrNameIsRefusedAndChangesNothing) {
    const QString poczatek = "Nie można edytować lokaty bankowej !!!\r";
    const struct {
        const char* bank;
        const char* nazwa;
        QString komunikat;
    } przypadki[] = {
        {"  ;\"'", "Lokata", poczatek + "Upewnij się, że nazwa banku została wpisana poprawnie."},
        {"Bank", " | ",
         poczatek + "Upewnij się, że nazwa lokaty bankowej została wpisana poprawnie."},
    };
    for (const auto& p : przypadki) {
        komunikaty.messages.clear();
        dialog.cb_AddLB_Bank->setEditText(p.bank);
        dialog.e_AddLB_Nazwa->setText(p.nazwa);
        THarmonogramLokatyBankowej h;
        EXPECT_FALSE(dialog.ZapiszW(h));
        EXPECT_EQ(komunikaty.texts(), QStringList{p.komunikat});
        EXPECT_EQ(komunikaty.messages.value(0).caption, "BŁĄD !!!");
        EXPECT_TRUE(h.fBank.isEmpty());
        EXPECT_FALSE(h.fHarmonogramDodanyPrzezUzytkownika);
    }
}

TEST_F(TFormDodajEdytujLokateBankowaTest, NewOfferDefaults) {
    TEdytor nowy;
    nowy.UstawTytul("Dodaj lokatę bankową");
    nowy.WypelnijBanki({"Bank Alfa"});
    nowy.UstawDomyslne();
    EXPECT_EQ(nowy.windowTitle(), "Dodaj lokatę bankową");
    EXPECT_EQ(nowy.Naglowek(), " Dodaj lokatę bankową");
    EXPECT_EQ(nowy.cb_AddLB_Bank->currentIndex(), -1);
    EXPECT_EQ(nowy.cb_AddLB_Bank->currentText(), "");
    EXPECT_EQ(nowy.se_AddLB_OkresDepozytu->value(), 1);
    EXPECT_EQ(nowy.cb_AddLB_JednostkaDepozytu->currentText(), "Miesiąc");
    EXPECT_TRUE(nowy.chk_addLB_OprocentowanieStale->isChecked());
    EXPECT_EQ(nowy.cb_AddLB_Kapitalizacja->currentText(), "Po okresie umowy");
    EXPECT_EQ(nowy.se_KwotaMaksymalna->value(), 0);
    EXPECT_FALSE(nowy.btn_OK->isEnabled());
    EXPECT_EQ(nowy.se_AddLB_OkresDepozytu->maximum(), 100000);
    EXPECT_EQ(nowy.se_KwotaMaksymalna->maximum(), 100000000000.0);
}

TEST_F(TFormDodajEdytujLokateBankowaTest, QuotesAndSemicolonsCannotBeTyped) {
    dialog.show();
    for (QLineEdit* pole : {dialog.cb_AddLB_Bank->lineEdit(), dialog.e_AddLB_Nazwa,
                            dialog.e_WarunkiWczesniejszegoZerwania, dialog.e_PozostaleInformacje}) {
        pole->clear();
        QTest::keyClicks(pole, "a\"b'c;d");
        EXPECT_EQ(pole->text(), "abcd") << pole->objectName().toStdString();
    }
}

TEST_F(TFormDodajEdytujLokateBankowaTest, AmountsShowTheCurrencyAndTakeTenCharacters) {
    TSpinLiczby* pole = dialog.se_KwotaMaksymalna;
    pole->setValue(1234567.5);
    EXPECT_EQ(pole->text(), "1 234 567,50 zł");
    int pozycja = 0;
    QString tekst = "1234567,891";
    EXPECT_EQ(pole->validate(tekst, pozycja), QValidator::Invalid);
    tekst = "1234567,89 zł";
    EXPECT_EQ(pole->validate(tekst, pozycja), QValidator::Acceptable);
    EXPECT_EQ(pole->valueFromText(tekst), 1234567.89);
    tekst = "12a";
    EXPECT_EQ(pole->validate(tekst, pozycja), QValidator::Invalid);

    // The symbol follows the format settings when the dialog is shown.
    const QString symbol = UstawieniaFormatow.CurrencyString;
    UstawieniaFormatow.CurrencyString = "EUR";
    dialog.show();
    EXPECT_EQ(pole->text(), "1 234 567,50 EUR");
    UstawieniaFormatow.CurrencyString = symbol;
}

TEST_F(TFormDodajEdytujLokateBankowaTest, LinksOpenThePartnerRankings) {
    ScriptedWebBrowser przegladarka;
    dialog._lbl4->clicked();
    dialog._lbl3->clicked();
    EXPECT_EQ(przegladarka.urls,
              (QStringList{WebAddresses::DepositRanking(), WebAddresses::SavingsAccountRanking()}));
}

} // namespace
