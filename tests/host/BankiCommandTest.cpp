#include "UruchomPolecenie.h"
#include "common/Fixtures.h"
#include "common/TestHttpServer.h"
#include "platform/WebAddresses.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

class BankiCommandTest : public testing::Test {
protected:
    void SetUp() override {
        qputenv("no_proxy", "127.0.0.1");
        TestHttpResponse lista;
        lista.body = CzytajFixture("lista_bankow.html");
        serwer.serve("/lokaty-twojego-banku.php?bank=&waluta=0", lista);
    }
    void TearDown() override { qunsetenv("TALVORA_STRONA_LOKAT"); }

    TestHttpServer serwer;
};

TEST_F(BankiCommandTest, JsonListsTheBanksSortedWithAbsoluteLinks) {
    const TWynikPolecenia wynik = UruchomPolecenie("banki", {"--strona", serwer.base(), "--json"});
    ASSERT_EQ(wynik.kod, 0) << wynik.err.toStdString();
    const QJsonArray banki = QJsonDocument::fromJson(wynik.out.toUtf8()).array();
    QStringList nazwy;
    for (const QJsonValue& bank : banki)
        nazwy << bank.toObject()["Nazwa"].toString();
    EXPECT_EQ(nazwy, QStringList({"Alior Bank", "ING Bank Śląski", "mBank", "MBANK", "PKO BP"}));
    EXPECT_EQ(banki[1].toObject().keys(), QStringList({"Adres", "Nazwa"}));
    EXPECT_EQ(banki[1].toObject()["Adres"].toString(),
              serwer.base() + "lokaty-twojego-banku.php?bank=ing&waluta=0");
}

TEST_F(BankiCommandTest, SiteFromTheEnvironmentAndTableOutput) {
    qputenv("TALVORA_STRONA_LOKAT", serwer.url("").toUtf8());
    const TWynikPolecenia wynik = UruchomPolecenie("banki", {});
    ASSERT_EQ(wynik.kod, 0) << wynik.err.toStdString();
    const QStringList linie = wynik.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(linie.size(), 6);
    EXPECT_TRUE(linie[0].startsWith("Nazwa banku"));
    EXPECT_TRUE(linie[5].startsWith("PKO BP"));
    EXPECT_TRUE(linie[5].endsWith(serwer.base() + "lokaty-twojego-banku.php?bank=pko&waluta=0"));
}

TEST_F(BankiCommandTest, DownloadErrorAndWrongArguments) {
    const QString zamkniety =
        QStringLiteral("http://127.0.0.1:%1/").arg(TestHttpServer::unusedPort());
    SprawdzBledyIPomoc("banki",
                       {{{"--strona", zamkniety}, 1, "Nie można pobrać strony http://127.0.0.1:"},
                        {{"--strona="}, 2, "Podaj adres serwisu"},
                        {{"--inny"}, 2, "Nieznany argument"}},
                       "Użycie: talvora banki");
}

} // namespace
