#include "data/PorownanieTekstow.h"
#include "data/TZbiorTekstow.h"
#include "domain/TFormatSettings.h"

#include <gtest/gtest.h>

namespace {

using W = TWielkoscLiter;

TEST(PorownanieTekstowTest, PolishCollationWithAndWithoutLetterCase) {
    struct Case {
        QString a, b;
        int zWielkoscia, bezWielkosci;
    } cases[] = {
        {"a", "A", -1, 0},         {"Alfa", "ALFA", -1, 0}, {"L", "Ł", -1, -1},
        {"Łódź", "Mława", -1, -1}, {"ą", "b", -1, -1},      {"a", "ą", -1, -1},
        {"żaba", "zebra", 1, 1},   {"Bank", "bank", 1, 0},  {"abc", "abc", 0, 0},
        {"", "a", -1, -1},         {"10", "9", -1, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.a + " / " + c.b).toStdString());
        EXPECT_EQ(PorownajTeksty(c.a, c.b, W::Rozrozniaj), c.zWielkoscia);
        EXPECT_EQ(PorownajTeksty(c.b, c.a, W::Rozrozniaj), -c.zWielkoscia);
        EXPECT_EQ(PorownajTeksty(c.a, c.b, W::Ignoruj), c.bezWielkosci);
        EXPECT_EQ(TekstyRowne(c.a, c.b, W::Ignoruj), c.bezWielkosci == 0);
    }
}

TEST(PorownanieTekstowTest, RanksFollowTheCollationAndShareEqualTexts) {
    const std::vector<QString> teksty{"b", "B", "a", "b", "ą", "A"};
    EXPECT_EQ(RangiTekstow(teksty, W::Rozrozniaj), (std::vector<int32_t>{3, 4, 0, 3, 2, 1}));
    EXPECT_EQ(RangiTekstow(teksty, W::Ignoruj), (std::vector<int32_t>{2, 2, 0, 2, 1, 0}));
    EXPECT_TRUE(RangiTekstow({}, W::Ignoruj).empty());
}

TEST(PorownanieTekstowTest, SetKeepsOneTextOfThoseEqualIgnoringCase) {
    TZbiorTekstow zbior(W::Ignoruj);
    EXPECT_TRUE(zbior.Dodaj("Alfa"));
    EXPECT_FALSE(zbior.Dodaj("ALFA"));
    EXPECT_FALSE(zbior.Dodaj("Alfa"));
    EXPECT_TRUE(zbior.Dodaj("Alfą"));
    TZbiorTekstow dokladny(W::Rozrozniaj);
    EXPECT_TRUE(dokladny.Dodaj("Alfa"));
    EXPECT_TRUE(dokladny.Dodaj("ALFA"));
}

TEST(PorownanieTekstowTest, FollowsAChangeOfTheBaseLocale) {
    // Swedish puts "ö" after "z"; Polish sorts it with "o".
    EXPECT_LT(PorownajTeksty("ö", "z", W::Rozrozniaj), 0);
    UstawLokalizacjeBazowa(QLocale(QLocale::Swedish, QLocale::Sweden));
    EXPECT_GT(PorownajTeksty("ö", "z", W::Rozrozniaj), 0);
    UstawLokalizacjeBazowa(QLocale(QLocale::Polish, QLocale::Poland));
    EXPECT_LT(PorownajTeksty("ö", "z", W::Rozrozniaj), 0);
}

} // namespace
