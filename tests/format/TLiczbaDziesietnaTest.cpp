#include "format/TLiczbaDziesietna.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

struct Odczyt {
    const char* tekst;
    int64_t licznik;
    int miejsca;
};

TEST(TLiczbaDziesietnaTest, ReadsTypedNumbersExactly) {
    const Odczyt przypadki[] = {
        {"4,55", 455, 2}, {"4.55", 455, 2}, {" 10 000,50 ", 100005, 1},
        {"0,5", 5, 1},    {",5", 5, 1},     {"7.", 7, 0},
        {"5,10", 51, 1},  {"0", 0, 0},      {"0.000000000000000001", 1, 18},
    };
    for (const Odczyt& o : przypadki) {
        const auto liczba = TLiczbaDziesietna::ZTekstu(QString::fromUtf8(o.tekst));
        ASSERT_TRUE(liczba.has_value()) << o.tekst;
        EXPECT_EQ(liczba->Licznik(), o.licznik) << o.tekst;
        EXPECT_EQ(liczba->Miejsca(), o.miejsca) << o.tekst;
    }
    for (const char* zly :
         {"", " ", ",", "-1", "1,2,3", "1 ,5", "1e5", "4,5%", "abc", "99999999999999999999"})
        EXPECT_FALSE(TLiczbaDziesietna::ZTekstu(QString::fromUtf8(zly)).has_value()) << zly;
}

TEST(TLiczbaDziesietnaTest, StoredDoubleGivesBackTheTypedDecimal) {
    const struct {
        double wartosc;
        int64_t licznik;
        int miejsca;
    } przypadki[] = {
        {4.55, 455, 2}, {0.1 + 0.2, 30000000000000004, 17}, {10000, 10000, 0}, {1e-20, 0, 0},
        {5e-19, 1, 18}, // beyond 18 places: rounded half up
    };
    for (const auto& p : przypadki) {
        const auto liczba = TLiczbaDziesietna::ZLiczby(p.wartosc);
        ASSERT_TRUE(liczba.has_value()) << p.wartosc;
        EXPECT_EQ(liczba->Licznik(), p.licznik) << p.wartosc;
        EXPECT_EQ(liczba->Miejsca(), p.miejsca) << p.wartosc;
    }
    for (const double zla : {-0.01, std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN(), 1e20})
        EXPECT_FALSE(TLiczbaDziesietna::ZLiczby(zla).has_value()) << zla;
}

TEST(TLiczbaDziesietnaTest, ScalingRoundsHalfUp) {
    EXPECT_EQ(TLiczbaDziesietna::ZTekstu(u"10000,005")->WSkali(2), 1000001);
    EXPECT_EQ(TLiczbaDziesietna::ZTekstu(u"10000,0049")->WSkali(2), 1000000);
    EXPECT_EQ(TLiczbaDziesietna::ZTekstu(u"12,3")->WSkali(2), 1230);
    EXPECT_EQ(TLiczbaDziesietna::ZTekstu(u"0,5")->WSkali(0), 1);
    EXPECT_FALSE(TLiczbaDziesietna::ZTekstu(u"100000000000000000")->WSkali(2).has_value());
}

} // namespace
