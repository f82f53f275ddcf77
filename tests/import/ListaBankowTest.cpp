#include "import/ListaBankow.h"
#include "common/Fixtures.h"
#include "common/TestHttpServer.h"
#include "format/Pomocnicze.h"
#include "import/EImportError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtCore/qtestsupport_core.h>
#include <future>
#include <gtest/gtest.h>

namespace {

const QString kStrona = QStringLiteral("http://lokaty.test/");
const QByteArray kSciezkaListy = "/lokaty-twojego-banku.php?bank=&waluta=0";

// The temporary directory moved to a directory of the test's own, so the
// test sees every file the download leaves there.
class ListaBankowTest : public testing::Test {
protected:
    void SetUp() override {
        qputenv("no_proxy", "127.0.0.1");
        qputenv("TMPDIR", katalog.path().toUtf8());
        ASSERT_EQ(KatalogTymczasowy(), katalog.path() + "/");
    }
    void TearDown() override {
        EXPECT_TRUE(QDir(katalog.path()).isEmpty()) << "a file was left in the temporary directory";
        qunsetenv("TMPDIR");
    }

    QTemporaryDir katalog;
    TestHttpServer serwer;
};

TEST_F(ListaBankowTest, LinksOfTheBankTablesBecomeTheBankMap) {
    const TMapaBankow banki = CzytajListeBankow(CzytajFixture("lista_bankow.html"), kStrona);
    const TMapaBankow oczekiwane = {
        {"mBank", kStrona + "lokaty-twojego-banku.php?bank=mbank2&waluta=0"},
        {"MBANK", kStrona + "lokaty-twojego-banku.php?bank=MBANK&waluta=0"},
        {"ING Bank Śląski", kStrona + "lokaty-twojego-banku.php?bank=ing&waluta=0"},
        {"PKO BP", kStrona + "lokaty-twojego-banku.php?bank=pko&waluta=0"},
        {"Alior Bank", kStrona + "lokaty-twojego-banku.php?bank=alior&waluta=0"},
    };
    EXPECT_EQ(banki, oczekiwane);
    EXPECT_EQ(PosortowaneNazwyBankow(banki),
              QStringList({"Alior Bank", "ING Bank Śląski", "mBank", "MBANK", "PKO BP"}));
}

TEST_F(ListaBankowTest, PageWithoutABankTableGivesAnEmptyMap) {
    EXPECT_TRUE(
        CzytajListeBankow("<html><body><a href=x>Bank</a></body></html>", kStrona).isEmpty());
    EXPECT_TRUE(CzytajListeBankow("", kStrona).isEmpty());
}

TEST_F(ListaBankowTest, DownloadedListLeavesNoTemporaryFile) {
    TestHttpResponse lista;
    lista.body = CzytajFixture("lista_bankow.html");
    serwer.serve(kSciezkaListy, lista);
    const TMapaBankow banki =
        PobierzListeBankow(serwer.url(QString::fromLatin1(kSciezkaListy)), serwer.base());
    EXPECT_EQ(banki.size(), 5);
    EXPECT_EQ(banki.value("PKO BP"), serwer.base() + "lokaty-twojego-banku.php?bank=pko&waluta=0");
}

TEST_F(ListaBankowTest, DownloadErrorLeavesNoTemporaryFile) {
    const QString adres =
        QStringLiteral("http://127.0.0.1:%1/lista").arg(TestHttpServer::unusedPort());
    try {
        PobierzListeBankow(adres, kStrona);
        ADD_FAILURE() << "no error";
    } catch (const EImportError& e) {
        EXPECT_TRUE(e.Message().startsWith("Nie można pobrać strony " + adres +
                                           ": serwer odrzucił połączenie.\rError in getting URL "
                                           "access"))
            << e.Message().toStdString();
    }
}

// A list cut short by a stop is not read: the banks that had come would pass
// for the whole list.
TEST_F(ListaBankowTest, AStoppedDownloadGivesNoBanks) {
    TestHttpResponse wolna;
    wolna.body = "<html><body><table id=banki><tr><td><a href=x>Alfa</a></td></tr>" +
                 QByteArray(20000, ' ') + "</table></body></html>";
    wolna.chunkSize = 16;
    wolna.chunkDelay = std::chrono::milliseconds(5);
    serwer.serve(kSciezkaListy, wolna);
    std::atomic<bool> stop{false};
    auto lista = std::async(std::launch::async, [&] {
        return PobierzListeBankow(serwer.url(QString::fromLatin1(kSciezkaListy)), serwer.base(),
                                  &stop);
    });
    // Alfa has come, and ten pieces after it.
    const qsizetype poAlfie = wolna.body.indexOf("Alfa</a>") + 8 + 10 * wolna.chunkSize;
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return serwer.bodyBytesSent(kSciezkaListy) >= poAlfie; }, 20000));
    stop = true;
    ASSERT_EQ(lista.wait_for(std::chrono::seconds(20)), std::future_status::ready);
    EXPECT_TRUE(lista.get().isEmpty());
}

// Two fetches at once each read their own page, and a link planted where
// the list used to be written is neither followed nor overwritten.
TEST_F(ListaBankowTest, FetchesAtOnceNeverShareAFileNorFollowAPlantedLink) {
    const QString ofiara = katalog.filePath("ofiara.txt");
    {
        QFile f(ofiara);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("nie ruszać");
    }
    ASSERT_TRUE(QFile::link(ofiara, katalog.filePath("banki.html")));
    TestHttpServer drugi;
    const auto lista = [](const char* bank) {
        TestHttpResponse r;
        r.body = QByteArray("<html><body><table id=banki><tr><td><a href=\"x\">") + bank +
                 "</a></td></tr></table></body></html>";
        r.chunkSize = 16;
        r.chunkDelay = std::chrono::milliseconds(5);
        return r;
    };
    serwer.serve(kSciezkaListy, lista("Alfa"));
    drugi.serve(kSciezkaListy, lista("Beta"));
    auto pierwsza = std::async(std::launch::async, [&] {
        return PobierzListeBankow(serwer.url(QString::fromLatin1(kSciezkaListy)), serwer.base());
    });
    auto druga = std::async(std::launch::async, [&] {
        return PobierzListeBankow(drugi.url(QString::fromLatin1(kSciezkaListy)), drugi.base());
    });
    EXPECT_EQ(pierwsza.get().keys(), QStringList({"Alfa"}));
    EXPECT_EQ(druga.get().keys(), QStringList({"Beta"}));
    QFile f(ofiara);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "nie ruszać");
    QFile::remove(katalog.filePath("banki.html"));
    QFile::remove(ofiara);
}

// A page nested far deeper than any bank page is refused at once instead of
// occupying the parser for minutes.
TEST_F(ListaBankowTest, AnAbsurdlyNestedPageIsRefused) {
    const QByteArray strona = "<html><body>" + QByteArray("<div>").repeated(200000) + "x";
    try {
        CzytajListeBankow(strona, kStrona);
        ADD_FAILURE() << "the page was parsed";
    } catch (const EImportError& e) {
        EXPECT_TRUE(e.Message().startsWith("Strona ma elementy zagnieżdżone głębiej niż"));
    }
    EXPECT_EQ(CzytajListeBankow("<html><body>" + QByteArray("<div>").repeated(1000) +
                                    "<table id=banki><tr><td><a href=y>Bank</a></td></tr></table>",
                                kStrona)
                  .size(),
              1)
        << "ordinary nesting, even unclosed, still reads";
}

} // namespace
