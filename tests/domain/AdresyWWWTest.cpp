#include "domain/AdresyWWW.h"
#include "platform/BuildConfig.h"

#include <gtest/gtest.h>

namespace {

class AdresyWWWTest : public testing::Test {
protected:
    void TearDown() override {
        qunsetenv("TALVORA_STRONA_LOKAT");
        AdresyWWW::PrzywrocDomyslne();
    }
};

TEST_F(AdresyWWWTest, RatesSiteComesFromSetterThenEnvironmentThenConfiguration) {
    qunsetenv("TALVORA_STRONA_LOKAT");
    EXPECT_EQ(AdresyWWW::StronaLokat(), QStringLiteral(TALVORA_RATES_SITE "/"));
    EXPECT_FALSE(AdresyWWW::StronaLokatUstawionaWCzasieDzialania());

    qputenv("TALVORA_STRONA_LOKAT", "http://127.0.0.1:8080");
    EXPECT_EQ(AdresyWWW::StronaLokat(), "http://127.0.0.1:8080/");
    EXPECT_EQ(AdresyWWW::ListaBankow(),
              "http://127.0.0.1:8080/lokaty-twojego-banku.php?bank=&waluta=0");
    EXPECT_TRUE(AdresyWWW::StronaLokatUstawionaWCzasieDzialania());

    AdresyWWW::UstawStroneLokat("http://lokaty.test/");
    EXPECT_EQ(AdresyWWW::StronaLokat(), "http://lokaty.test/");

    AdresyWWW::PrzywrocDomyslne();
    qputenv("TALVORA_STRONA_LOKAT", "");
    EXPECT_EQ(AdresyWWW::StronaLokat(), QStringLiteral(TALVORA_RATES_SITE "/"));
    EXPECT_FALSE(AdresyWWW::StronaLokatUstawionaWCzasieDzialania());
}

} // namespace
