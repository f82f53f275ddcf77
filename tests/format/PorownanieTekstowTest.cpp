#include "format/PorownanieTekstow.h"
#include "data/TZbiorTekstow.h"
#include "format/TFormatSettings.h"
#include "format/TKluczTekstu.h"

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

// Texts where a collation key could part from the collator: letter case,
// Polish letters, a combining ogonek, a fullwidth letter, and texts the
// collation ignores entirely (a zero-width space, a control character), whose
// keys equal the empty text's although the collator puts the empty text first.
const std::vector<QString> kTrudneTeksty{"",
                                         QString::fromUtf8("\u200B"),
                                         QString(QChar(1)),
                                         " ",
                                         "a",
                                         "A",
                                         QString::fromUtf8("a\u200B"),
                                         "ą",
                                         QString::fromUtf8("a\u0328"),
                                         QString::fromUtf8("A\u0328"),
                                         "Ą",
                                         QString::fromUtf8("\uFF41"),
                                         "Bank Śląski",
                                         "BANK ŚLĄSKI",
                                         "Bank Slaski",
                                         "Łódź",
                                         "lodz",
                                         "10",
                                         "9"};

int Znak(int wynik) {
    return (wynik > 0) - (wynik < 0);
}

TEST(PorownanieTekstowTest, KeysAndRanksOrderEveryPairAsTheCollatorDoes) {
    for (W tryb : {W::Ignoruj, W::Rozrozniaj}) {
        SCOPED_TRACE(tryb == W::Ignoruj ? "ignoring case" : "with case");
        const std::vector<int32_t> rangi = RangiTekstow(kTrudneTeksty, tryb);
        for (size_t i = 0; i < kTrudneTeksty.size(); ++i)
            for (size_t j = 0; j < kTrudneTeksty.size(); ++j) {
                const QString& a = kTrudneTeksty[i];
                const QString& b = kTrudneTeksty[j];
                SCOPED_TRACE((a + " / " + b).toStdString());
                const int oczekiwany = PorownajTeksty(a, b, tryb);
                EXPECT_EQ(TKluczTekstu(a, tryb).Porownaj(TKluczTekstu(b, tryb)), oczekiwany);
                EXPECT_EQ(Znak(rangi[i] - rangi[j]), oczekiwany);
            }
    }
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

// Whether each text is added must match a scan of the texts before it with
// the per-pair comparison, whichever way the set stores them.
void SprawdzZbiorZPorownaniem(const std::vector<QString>& teksty, W tryb) {
    TZbiorTekstow zbior(tryb);
    for (size_t i = 0; i < teksty.size(); ++i) {
        bool nowy = true;
        for (size_t j = 0; j < i; ++j)
            nowy = nowy && !TekstyRowne(teksty[i], teksty[j], tryb);
        SCOPED_TRACE(teksty[i].toStdString());
        EXPECT_EQ(zbior.Dodaj(teksty[i]), nowy);
    }
}

TEST(PorownanieTekstowTest, SetAgreesWithThePerPairComparison) {
    const std::vector<QString> etykiety{"Bank Śląski - Lokata 3M (4,50%)",
                                        "BANK ŚLĄSKI - LOKATA 3M (4,50%)",
                                        "bank śląski - lokata 3m (4,50%)",
                                        "Bank Slaski - Lokata 3M (4,50%)",
                                        "Bank Śląski - Lokata 3M (4,5%)",
                                        "Bank Śląski - Lokata 12M (4,50%)",
                                        "Bank Śląski - Lokata  3M (4,50%)",
                                        "",
                                        " ",
                                        "ąćęłńóśźż",
                                        "ĄĆĘŁŃÓŚŹŻ",
                                        "acelnoszz",
                                        "Łódź 10",
                                        "łÓDŹ 10",
                                        "Lodz 10",
                                        "Łódź 9",
                                        "Żółw-1",
                                        "ŻÓŁW-1",
                                        "Zolw-1"};
    // Texts the hash cannot judge: a combining ogonek, a fullwidth letter, a
    // zero-width space. Each one, after the texts above, must be compared
    // with all of them by the collation.
    const std::vector<QString> inne{QString::fromUtf8("A\u0328"), QString::fromUtf8("\uFF41"),
                                    QString::fromUtf8("Łódź\u200B 10"), "łódź 10"};
    for (W tryb : {W::Ignoruj, W::Rozrozniaj}) {
        SCOPED_TRACE(tryb == W::Ignoruj ? "ignoring case" : "with case");
        SprawdzZbiorZPorownaniem(etykiety, tryb);
        for (const QString& inny : inne) {
            std::vector<QString> teksty = etykiety;
            teksty.insert(teksty.end(), {"a", inny, "ą", "A"});
            SprawdzZbiorZPorownaniem(teksty, tryb);
        }
    }
}

TEST(PorownanieTekstowTest, SetAgreesWithThePerPairComparisonForEveryPairOfSimpleCharacters) {
    std::vector<QString> znaki;
    for (char16_t c = u' '; c <= u'~'; ++c)
        znaki.push_back(QString(QChar(c)));
    for (QChar c : QStringLiteral("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ"))
        znaki.push_back(QString(c));
    for (W tryb : {W::Ignoruj, W::Rozrozniaj})
        for (const QString& a : znaki)
            for (const QString& b : znaki) {
                TZbiorTekstow zbior(tryb);
                zbior.Dodaj(a);
                ASSERT_EQ(zbior.Dodaj(b), !TekstyRowne(a, b, tryb))
                    << a.toStdString() << " " << b.toStdString();
            }
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
