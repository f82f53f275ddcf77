#include "ui/TKwotaEdit.h"
#include "ui/TKalkulator.h"

#include "format/TFormatSettings.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class TKwotaEditTest : public testing::Test {
protected:
    void SetUp() override {
        UstawFormaty();
        pole.setMaxLength(15);
        pole.setMaximum(1e15);
        pole.setCurrencySymbol(QStringLiteral("zł"));
        pole.clear();
    }

    void Wpisz(const QString& klawisze) { QTest::keyClicks(&pole, klawisze); }

    TKwotaEdit pole;
};

struct TPrzypadekWpisu {
    const char* klawisze;
    const char* tekst;
};

TEST_F(TKwotaEditTest, PrzyjmujeTylkoCyfryIJedenPrzecinek) {
    const TPrzypadekWpisu przypadki[] = {
        {"1234,56", "1234,56"},
        {"12a,3,4", "12,34"}, // a second comma is swallowed
        {"-5", "5"},
        {"1.5", "15"}, // the point is not the separator here
        {"1 000 zl", "1000"},
        {",5", ",5"},
    };
    for (const auto& p : przypadki) {
        pole.clear();
        Wpisz(QString::fromUtf8(p.klawisze));
        EXPECT_EQ(pole.text(), QString::fromUtf8(p.tekst)) << p.klawisze;
    }
}

TEST_F(TKwotaEditTest, BackspaceKasujeAZaznaczonyPrzecinekMoznaZastapic) {
    Wpisz(QStringLiteral("12,5"));
    QTest::keyClick(&pole, Qt::Key_Backspace);
    QTest::keyClick(&pole, Qt::Key_Backspace);
    EXPECT_EQ(pole.text(), QStringLiteral("12"));

    pole.setText(QStringLiteral("12,50"));
    pole.setSelection(2, 3); // ",50"
    Wpisz(QStringLiteral(",7"));
    EXPECT_EQ(pole.text(), QStringLiteral("12,7"));
}

TEST_F(TKwotaEditTest, KlawiszDziesietnyKlawiaturyNumerycznejWpisujePrzecinek) {
    Wpisz(QStringLiteral("3"));
    QTest::keyClick(&pole, Qt::Key_Period, Qt::KeypadModifier);
    Wpisz(QStringLiteral("5"));
    EXPECT_EQ(pole.text(), QStringLiteral("3,5"));
}

TEST_F(TKwotaEditTest, DlugoscIWartoscSaOgraniczone) {
    Wpisz(QStringLiteral("12345678901234567890"));
    EXPECT_EQ(pole.text(), QStringLiteral("123456789012345"));

    pole.clear();
    pole.setMaximum(1000);
    Wpisz(QStringLiteral("1001"));
    EXPECT_EQ(pole.text(), QStringLiteral("100"));
    pole.setValue(5000);
    EXPECT_DOUBLE_EQ(pole.value(), 1000.0);
}

TEST_F(TKwotaEditTest, WartoscToWpisanyTekstPokazanyZDwomaMiejscamiISymbolem) {
    QSignalSpy zmiany(&pole, &TKwotaEdit::valueChanged);
    Wpisz(QStringLiteral("1234,5"));
    EXPECT_DOUBLE_EQ(pole.value(), 1234.5);
    EXPECT_EQ(pole.formattedText(), QStringLiteral("1 234,50 zł"));
    EXPECT_FALSE(zmiany.isEmpty());

    pole.setValue(91.925);
    EXPECT_EQ(pole.text(), QStringLiteral("91,92")); // written with two decimals
    pole.setValue(0);
    EXPECT_EQ(pole.text(), QStringLiteral("0,00"));
    EXPECT_EQ(pole.formattedText(), QStringLiteral("0,00 zł"));

    // Edited, the number keeps room for the symbol shown after it.
    pole.show();
    QApplication::setActiveWindow(&pole);
    pole.setFocus();
    EXPECT_GT(pole.textMargins().right(), 0);
    pole.clearFocus();
    EXPECT_EQ(pole.textMargins().right(), 0);

    // A value below a grosz is kept as typed; its value is what it shows.
    pole.setText(QStringLiteral("0,001"));
    EXPECT_EQ(pole.value(), 0.0);
    EXPECT_EQ(pole.formattedText(), QStringLiteral("0,00 zł"));
    pole.setText(QStringLiteral("0,005"));
    EXPECT_DOUBLE_EQ(pole.value(), 0.01);
    EXPECT_EQ(pole.formattedText(), QStringLiteral("0,01 zł"));
}

TEST_F(TKwotaEditTest, DuzaWartoscMiesciSieWMaksymalnejDlugosci) {
    pole.setValue(123456789012345.0);
    EXPECT_EQ(pole.text(), QStringLiteral("123456789012345"));
    EXPECT_DOUBLE_EQ(pole.value(), 123456789012345.0);
}

TEST_F(TKwotaEditTest, WynikKalkulatoraStajeSieWartoscia) {
    TKalkulator* kalkulator = pole.calculator();
    pole.setValue(12.5);
    kalkulator->Ustaw(pole.value());
    for (const char* klawisz : {"+", "7", ",", "5", "*", "2", "OK"})
        kalkulator->Wcisnij(QString::fromLatin1(klawisz));
    EXPECT_DOUBLE_EQ(pole.value(), 40.0); // (12,5 + 7,5) × 2, evaluated left to right
    EXPECT_EQ(pole.text(), QStringLiteral("40,00"));
}

TEST_F(TKwotaEditTest, KalkulatorPoDzieleniuPrzezZeroPokazujeBladINieOddajeWyniku) {
    pole.setValue(3);
    TKalkulator* kalkulator = pole.calculator();
    kalkulator->Ustaw(pole.value());
    for (const char* klawisz : {"/", "0", "OK"})
        kalkulator->Wcisnij(QString::fromLatin1(klawisz));
    EXPECT_EQ(kalkulator->TekstWyswietlacza(), QStringLiteral("Błąd"));
    EXPECT_EQ(pole.text(), QStringLiteral("3,00"));
    kalkulator->Wcisnij(QStringLiteral("C"));
    EXPECT_EQ(kalkulator->TekstWyswietlacza(), QStringLiteral("0"));
}

TEST_F(TKwotaEditTest, KalkulatorOtwieraSiePodPolemKlawiszemF4) {
    pole.show();
    pole.setFocus();
    pole.setValue(250);
    QTest::keyClick(&pole, Qt::Key_F4);
    TKalkulator* kalkulator = pole.calculator();
    ASSERT_TRUE(kalkulator->isVisible());
    EXPECT_EQ(kalkulator->TekstWyswietlacza(), QStringLiteral("250"));
    QTest::keyClicks(kalkulator, QStringLiteral("-50"));
    QTest::keyClick(kalkulator, Qt::Key_Return);
    EXPECT_FALSE(kalkulator->isVisible());
    EXPECT_DOUBLE_EQ(pole.value(), 200.0);
}

} // namespace
