#include "platform/WebAddresses.h"
#include "platform/BuildConfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

class WebAddressesTest : public testing::Test {
protected:
    void TearDown() override {
        qunsetenv("TALVORA_STRONA_LOKAT");
        qputenv("TALVORA_NBP_API", fApiNBP);
        WebAddresses::RestoreDefaults();
    }

private:
    const QByteArray fApiNBP = qgetenv("TALVORA_NBP_API");
};

TEST_F(WebAddressesTest, NbpApiComesFromSetterThenEnvironmentThenConfiguration) {
    qunsetenv("TALVORA_NBP_API");
    const QString skonfigurowany = QStringLiteral(TALVORA_NBP_API);
    EXPECT_EQ(WebAddresses::NbpApi(), skonfigurowany);
    EXPECT_EQ(WebAddresses::NbpEuroRate(),
              skonfigurowany + "api/exchangerates/rates/a/eur/?format=json");

    qputenv("TALVORA_NBP_API", "http://127.0.0.1:8080");
    EXPECT_EQ(WebAddresses::NbpEuroRate(),
              "http://127.0.0.1:8080/api/exchangerates/rates/a/eur/?format=json");
    WebAddresses::SetNbpApi("http://nbp.test/");
    EXPECT_EQ(WebAddresses::NbpApi(), "http://nbp.test/");

    WebAddresses::RestoreDefaults();
    qputenv("TALVORA_NBP_API", "");
    EXPECT_EQ(WebAddresses::NbpApi(), skonfigurowany);
}

TEST_F(WebAddressesTest, RatesSiteComesFromSetterThenEnvironmentThenConfiguration) {
    qunsetenv("TALVORA_STRONA_LOKAT");
    EXPECT_EQ(WebAddresses::RatesSite(), QStringLiteral(TALVORA_RATES_SITE "/"));
    EXPECT_FALSE(WebAddresses::RatesSiteSetAtRunTime());

    qputenv("TALVORA_STRONA_LOKAT", "http://127.0.0.1:8080");
    EXPECT_EQ(WebAddresses::RatesSite(), "http://127.0.0.1:8080/");
    EXPECT_EQ(WebAddresses::BankList(),
              "http://127.0.0.1:8080/lokaty-twojego-banku.php?bank=&waluta=0");
    EXPECT_TRUE(WebAddresses::RatesSiteSetAtRunTime());

    WebAddresses::SetRatesSite("http://lokaty.test/");
    EXPECT_EQ(WebAddresses::RatesSite(), "http://lokaty.test/");

    WebAddresses::RestoreDefaults();
    qputenv("TALVORA_STRONA_LOKAT", "");
    EXPECT_EQ(WebAddresses::RatesSite(), QStringLiteral(TALVORA_RATES_SITE "/"));
    EXPECT_FALSE(WebAddresses::RatesSiteSetAtRunTime());
}

// A page is taken from the first folder that holds it, as a file:// address
// that survives blanks and Polish letters in the path.
TEST_F(WebAddressesTest, HelpPageComesFromTheFirstFolderHoldingIt) {
    QTemporaryDir katalog;
    const QDir d(katalog.path());
    const QString pusty = d.filePath("pusty"), pierwszy = d.filePath("Żółta pomoc"),
                  drugi = d.filePath("druga");
    for (const QString& folder : {pusty, pierwszy, drugi})
        ASSERT_TRUE(d.mkpath(folder));
    const auto Utworz = [](const QString& sciezka) {
        QFile plik(sciezka);
        ASSERT_TRUE(plik.open(QIODevice::WriteOnly));
    };
    Utworz(pierwszy + "/lokaty.html");
    Utworz(drugi + "/lokaty.html");
    Utworz(drugi + "/oferty.html");
    // A folder named like a page is no page.
    ASSERT_TRUE(d.mkpath(pusty + "/kalendarz.html"));
    WebAddresses::SetHelpFolders({pusty, pierwszy, d.filePath("brak"), drugi});

    const struct {
        const char* strona;
        QString plik;
    } przypadki[] = {{"lokaty.html", pierwszy + "/lokaty.html"},
                     {"oferty.html", drugi + "/oferty.html"},
                     {"kalendarz.html", {}},
                     {"brak.html", {}}};
    for (const auto& p : przypadki) {
        const QString adres = WebAddresses::HelpPage(p.strona);
        EXPECT_EQ(QUrl(adres).toLocalFile(), p.plik) << p.strona;
        EXPECT_EQ(adres.isEmpty(), p.plik.isEmpty()) << p.strona;
    }
    EXPECT_TRUE(WebAddresses::HelpPage("lokaty.html").startsWith("file:///"));
    EXPECT_TRUE(WebAddresses::HelpPage("lokaty.html").contains("%20pomoc/"));
}

// Installed, the pages lie in share/talvora/pomoc beside the program's bin/;
// a program run from the build tree reads them from the sources.
TEST_F(WebAddressesTest, HelpFoldersAreTheInstalledOneThenTheSourceTree) {
    WebAddresses::SetHelpFolders({"/inny"});
    WebAddresses::RestoreDefaults();
    const QStringList katalogi = WebAddresses::HelpFolders();
    ASSERT_EQ(katalogi.size(), 2);
    const QDir prefiks(QCoreApplication::applicationDirPath() + "/..");
    EXPECT_EQ(prefiks.relativeFilePath(katalogi[0]), "share/talvora/pomoc");
    EXPECT_EQ(katalogi[1], TALVORA_HELP_SOURCE_DIR);
}

} // namespace
