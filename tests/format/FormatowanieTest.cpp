#include "format/Formatowanie.h"

#include <QLocale>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

class FormatowanieTest : public testing::Test {
protected:
    void SetUp() override { UstawFormaty(); }
    const TFormatSettings& fs = UstawieniaFormatow;
};

TEST_F(FormatowanieTest, MoneyFixedAndGeneralTexts) {
    struct Case {
        double value;
        QString money, fixed, general;
    } cases[] = {
        {1234.56, "1 234,56 zł", "1234,56", "1234,56"},
        {-1234.56, "-1 234,56 zł", "-1234,56", "-1234,56"},
        {1234.5, "1 234,50 zł", "1234,50", "1234,5"},
        {1234567.891, "1 234 567,89 zł", "1234567,89", "1234567,891"},
        {0, "0,00 zł", "0,00", "0"},
        {-0.001, "0,00 zł", "0,00", "-0,001"},
        {0.125, "0,13 zł", "0,13", "0,125"}, // exact half: away from zero
        {2.675, "2,67 zł", "2,67", "2,675"}, // the double lies below 2.675
        {1e20, "100 000 000 000 000 000 000,00 zł", "100000000000000000000,00", "1E20"},
        {1.5e-5, "0,00 zł", "0,00", "1,5E-5"},
        {329.03999999999996, "329,04 zł", "329,04", "329,04"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(FormatMoney(c.value, fs), c.money);
        EXPECT_EQ(FormatFixed(c.value, 2, fs), c.fixed);
        EXPECT_EQ(FloatToStr(c.value, fs), c.general);
    }
    EXPECT_EQ(FormatPercent(4.5, fs), "4,50%");
    EXPECT_EQ(IntToStr(-42), "-42");
}

TEST_F(FormatowanieTest, NonFiniteValuesGiveReadableText) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(FormatMoney(inf, fs), "nieskończoność zł");
    EXPECT_EQ(FormatFixed(-inf, 2, fs), "-nieskończoność");
    EXPECT_EQ(FloatToStr(std::nan(""), fs), "nieokreślona");
}

TEST_F(FormatowanieTest, ReadsNumbersWithTheDecimalComma) {
    struct Case {
        QString text;
        bool ok;
        double value;
    } cases[] = {
        {"4,5", true, 4.5}, {" -12 ", true, -12}, {"1,5E3", true, 1500}, {",5", true, 0.5},
        {"4.5", false, 0},  {"1,2,3", false, 0},  {"5-", false, 0},      {"-", false, 0},
        {"", false, 0},     {"1 000", false, 0},  {"1e", false, 0},      {"+7", true, 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        double value = 0;
        EXPECT_EQ(TryStrToFloat(c.text, value, fs), c.ok);
        if (c.ok) {
            EXPECT_EQ(value, c.value);
        }
    }
}

TEST_F(FormatowanieTest, DatesToAndFromText) {
    const TDateTime moment = EncodeDateTime(2013, 12, 5, 17, 45, 9);
    EXPECT_EQ(FormatDateTime("yyyy-MM-dd", moment, fs), "2013-12-05");
    EXPECT_EQ(FormatDateTime("hh:mm", moment, fs), "17:45");
    EXPECT_EQ(FormatDateTime("yyyy-MM-dd hh:mm", moment, fs), "2013-12-05 17:45");
    EXPECT_EQ(FormatDateTime("MMMM yyyy", moment, fs), "grudzień 2013");
    EXPECT_EQ(FormatDateTime("yyyy-MM-dd_hh-mm-ss", moment, fs), "2013-12-05_17-45-09");
    EXPECT_EQ(FormatDateTime("d MMMM yyyy", moment, fs), "5 grudzień 2013");

    struct Case {
        QString text;
        bool ok;
        TDateTime value;
    } cases[] = {
        {"2013-05-14 17:45", true, EncodeDateTime(2013, 5, 14, 17, 45)},
        {"2013-05-14 17:45:30", true, EncodeDateTime(2013, 5, 14, 17, 45, 30)},
        {"2013-05-14", true, EncodeDate(2013, 5, 14)},
        {"08:30", true, EncodeTime(8, 30)},
        {"2013-02-30", false, 0},
        {"14.05.2013", false, 0},
        {"2013-05-14 25:00", false, 0},
        {"", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        TDateTime value = -1;
        EXPECT_EQ(TryStrToDateTime(c.text, value, fs), c.ok);
        if (c.ok) {
            EXPECT_TRUE(SameDateTime(value, c.value));
        }
    }
}

TEST(FormatSettingsTest, PolishNamesUnderCAndPolishSystemLocales) {
    for (const QLocale& system : {QLocale(QLocale::C), QLocale(QLocale::Polish, QLocale::Poland)}) {
        UstawLokalizacjeBazowa(LokalizacjaBazowaDla(system));
        UstawFormaty();
        EXPECT_EQ(UstawieniaFormatow.CurrencyString, "zł");
        EXPECT_EQ(UstawieniaFormatow.LongMonthNames.value(11), "grudzień");
        EXPECT_EQ(FormatMoney(1234.56), "1 234,56 zł"); // the process-wide defaults follow
    }
}

} // namespace
