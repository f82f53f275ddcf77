#include "import/PobieranieZInternetu.h"
#include "common/TestHttpServer.h"
#include "import/EImportError.h"
#include "platform/ShutdownFlag.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtCore/qtestsupport_core.h>
#include <arpa/inet.h>
#include <future>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

// Short limits, so a test of a silent server ends within seconds.
const TLimityPobierania kKrotkieLimity{2000ms, 300ms};

class PobieranieZInternetuTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(katalog.isValid());
        // A proxy of the machine must not stand between the test and 127.0.0.1.
        qputenv("no_proxy", "127.0.0.1,localhost");
        qputenv("NO_PROXY", "127.0.0.1,localhost");
    }

    QByteArray Tresc() const {
        QFile plik(sciezka);
        return plik.open(QIODevice::ReadOnly) ? plik.readAll() : QByteArray("<brak pliku>");
    }

    bool Pobierz(const QString& adres, const std::atomic<bool>* stop = nullptr) {
        return PobierzPlikZInternetu(adres, sciezka, stop, kKrotkieLimity);
    }

    // The message of the error the download raised, or empty.
    QString Blad(const QString& adres, const TLimityPobierania& limity = kKrotkieLimity) {
        try {
            PobierzPlikZInternetu(adres, sciezka, nullptr, limity);
        } catch (const EImportError& e) {
            return e.Message();
        }
        return {};
    }

    TestHttpServer serwer;
    QTemporaryDir katalog;
    QString sciezka = katalog.filePath("strona.html");
};

QByteArray Bajty(qsizetype ile) {
    QByteArray bajty(ile, Qt::Uninitialized);
    for (qsizetype i = 0; i < ile; ++i)
        bajty[i] = static_cast<char>(i * 7 + i / 251);
    return bajty;
}

TEST_F(PobieranieZInternetuTest, BodyIsSavedUnchangedWhateverItsSize) {
    for (const QByteArray& tresc : {QByteArray(), Bajty(1460), Bajty(1461), Bajty(300000)}) {
        TestHttpResponse odpowiedz;
        odpowiedz.body = tresc;
        serwer.serve("/strona", odpowiedz);
        QFile::remove(sciezka);
        EXPECT_TRUE(Pobierz(serwer.url("/strona")));
        EXPECT_EQ(Tresc(), tresc) << tresc.size();
    }
}

TEST_F(PobieranieZInternetuTest, RequestNamesTheProgramAndRefusesCachedCopies) {
    serwer.serve("/strona", {});
    ASSERT_TRUE(Pobierz(serwer.url("/strona")));
    ASSERT_EQ(serwer.requests().size(), 1u);
    const TestHttpRequest zapytanie = serwer.requests().front();
    EXPECT_EQ(zapytanie.headers.value("user-agent"), "Talvora");
    EXPECT_EQ(zapytanie.headers.value("cache-control"), "no-cache");
    EXPECT_EQ(zapytanie.headers.value("pragma"), "no-cache");
}

TEST_F(PobieranieZInternetuTest, RedirectsAreFollowedAndAnExistingFileIsReplaced) {
    TestHttpResponse cel;
    cel.body = "cel";
    serwer.serve("/cel", cel);
    serwer.redirect("/stara", "/posrednia", 301);
    serwer.redirect("/posrednia", serwer.url("/cel").toUtf8());
    QFile stary(sciezka);
    ASSERT_TRUE(stary.open(QIODevice::WriteOnly));
    stary.write("dłuższa stara treść pliku");
    stary.close();
    EXPECT_TRUE(Pobierz(serwer.url("/stara")));
    EXPECT_EQ(Tresc(), "cel");
    EXPECT_EQ(serwer.requestCount("/cel"), 1);
}

TEST_F(PobieranieZInternetuTest, EndlessRedirectsGiveUpAfterTen) {
    serwer.redirect("/petla", "/petla");
    EXPECT_TRUE(Blad(serwer.url("/petla"))
                    .startsWith("Nie można pobrać strony " + serwer.url("/petla") +
                                ": strona przekierowuje bez końca.\r"));
    EXPECT_FALSE(QFile::exists(sciezka));
    EXPECT_EQ(serwer.requestCount("/petla"), 11);
}

// A server that takes connections into a full queue and never accepts
// them: a client's connection is never made.
class TSerwerBezMiejsca {
public:
    TSerwerBezMiejsca() {
        sockaddr_in adres{};
        adres.sin_family = AF_INET;
        adres.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t dlugosc = sizeof(adres);
        const auto* ogolny = reinterpret_cast<sockaddr*>(&adres);
        ::bind(fGniazdo, ogolny, dlugosc);
        ::listen(fGniazdo, 0);
        getsockname(fGniazdo, reinterpret_cast<sockaddr*>(&adres), &dlugosc);
        fPort = ntohs(adres.sin_port);
        ::connect(fZapelniacz, ogolny, dlugosc); // takes the one place in the queue
    }
    ~TSerwerBezMiejsca() {
        close(fZapelniacz);
        close(fGniazdo);
    }
    QString Url() const { return QStringLiteral("http://127.0.0.1:%1/strona").arg(fPort); }

private:
    int fGniazdo = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    int fZapelniacz = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    uint16_t fPort = 0;
};

// Each failure says in one Polish sentence which page and why, and gives the
// technical text (the access error and the client's own words) on the next
// line; no file is left.
TEST_F(PobieranieZInternetuTest, FailuresSayWhyInPolishThenTheTechnicalLine) {
    TestHttpResponse brak;
    brak.status = 404;
    brak.body = "<html>nie ma</html>";
    serwer.serve("/brak", brak);
    TestHttpResponse blad;
    blad.status = 503;
    blad.body = "<html>przerwa</html>";
    serwer.serve("/blad", blad);
    TestHttpResponse milczy;
    milczy.silent = true;
    serwer.serve("/milczy", milczy);
    TestHttpServer bezTLS;
    bezTLS.greetWith("HTTP/1.1 400 Bad Request\r\n\r\n");
    const TSerwerBezMiejsca bezMiejsca;
    const struct {
        QString adres;
        QString przyczyna;
        QString techniczny; // the start of the second line
        TLimityPobierania limity = kKrotkieLimity;
    } przypadki[] = {
        {QStringLiteral("http://127.0.0.1:%1/strona").arg(TestHttpServer::unusedPort()),
         "serwer odrzucił połączenie", "Error in getting URL access"},
        {"http://nie-ma-takiego-serwera.invalid/strona",
         "nie znaleziono serwera o nazwie nie-ma-takiego-serwera.invalid",
         "Error in getting URL access"},
        // The handshake's failure must not be outrun by the idle limit when the
        // machine is busy (a sanitizer build beside other work took over 300 ms).
        {bezTLS.url("/strona").replace("http:", "https:"),
         "nie udało się nawiązać bezpiecznego połączenia (TLS)",
         "Error in getting URL access",
         {2000ms, 5000ms}},
        {serwer.url("/brak"), "serwer nie ma takiej strony (błąd HTTP 404)",
         "Error in getting URL accessThe requested URL returned error: 404"},
        {serwer.url("/blad"), "serwer odpowiedział błędem HTTP 503",
         "Error in getting URL accessThe requested URL returned error: 503"},
        {serwer.url("/milczy"), "serwer nie przysłał żadnych danych przez 300 ms",
         "Error in getting URL accessOperation too slow. No data received for 300 ms"},
        {bezMiejsca.Url(),
         "serwer nie odpowiedział na próbę połączenia w ciągu 300 ms",
         "Error in getting URL access",
         {300ms, 2000ms}},
        {"file:///etc/hostname", "adres nie jest adresem strony internetowej (http lub https)",
         "Error in getting URL access"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.adres.toStdString());
        const QStringList linie = Blad(p.adres, p.limity).split('\r');
        ASSERT_EQ(linie.size(), 2) << linie.join('|').toStdString();
        EXPECT_EQ(linie[0], "Nie można pobrać strony " + p.adres + ": " + p.przyczyna + ".");
        EXPECT_TRUE(linie[1].startsWith(p.techniczny)) << linie[1].toStdString();
        EXPECT_GT(linie[1].size(), QStringLiteral("Error in getting URL access").size());
        EXPECT_FALSE(QFile::exists(sciezka));
    }
}

TEST_F(PobieranieZInternetuTest, ServerThatStopsSendingEndsWithinTheLimit) {
    TestHttpResponse zawieszona;
    zawieszona.body = Bajty(10000);
    zawieszona.stallAfter = 3000;
    serwer.serve("/zawieszona", zawieszona);
    QElapsedTimer czas;
    czas.start();
    const QString blad = Blad(serwer.url("/zawieszona"));
    EXPECT_EQ(blad,
              "Nie można pobrać strony " + serwer.url("/zawieszona") +
                  ": serwer nie przysłał żadnych danych przez 300 ms.\r"
                  "Error in getting URL accessOperation too slow. No data received for 300 ms");
    EXPECT_LT(czas.elapsed(), 5000);
    // A page cut off midway is not left behind to be read as a whole one.
    EXPECT_FALSE(QFile::exists(sciezka));
}

TEST_F(PobieranieZInternetuTest, StopRequestEndsASlowTransferAndKeepsThePartialFile) {
    TestHttpResponse wolna;
    wolna.body = Bajty(100000);
    wolna.chunkSize = 500;
    wolna.chunkDelay = 20ms;
    serwer.serve("/wolna", wolna);
    std::atomic<bool> stop{false};
    auto pobieranie =
        std::async(std::launch::async, [&] { return Pobierz(serwer.url("/wolna"), &stop); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile(sciezka).size() > 0; }, 20000));
    stop = true;
    ASSERT_EQ(pobieranie.wait_for(20s), std::future_status::ready);
    EXPECT_TRUE(pobieranie.get());
    const QByteArray czesc = Tresc();
    EXPECT_GT(czesc.size(), 0);
    EXPECT_LT(czesc.size(), wolna.body.size());
    EXPECT_EQ(czesc, wolna.body.left(czesc.size()));
}

// A user's "Anuluj" must not wait for the server: a stop ends a transfer
// that receives nothing at once, not after the 30 s of silence the download
// would otherwise wait.
TEST_F(PobieranieZInternetuTest, StopEndsASilentTransferAtOnce) {
    TestHttpResponse milczy;
    milczy.silent = true;
    serwer.serve("/milczy", milczy);
    std::atomic<bool> stop{false};
    auto pobieranie = std::async(std::launch::async, [&] {
        return PobierzPlikZInternetu(serwer.url("/milczy"), sciezka, &stop);
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return serwer.requestCount("/milczy") > 0; }, 20000));
    QElapsedTimer czas;
    czas.start();
    stop = true;
    ASSERT_EQ(pobieranie.wait_for(20s), std::future_status::ready);
    EXPECT_LT(czas.elapsed(), 5000);
    EXPECT_TRUE(pobieranie.get());
}

TEST_F(PobieranieZInternetuTest, ShuttingDownEndsEvenATransferThatReceivesNothing) {
    TestHttpResponse cisza;
    cisza.body = Bajty(100);
    cisza.stallAfter = 0;
    serwer.serve("/cisza", cisza);
    auto pobieranie = std::async(std::launch::async, [&] {
        return PobierzPlikZInternetu(serwer.url("/cisza"), sciezka, nullptr, {2000ms, 30s});
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return serwer.requestCount("/cisza") > 0; }, 20000));
    ShutdownFlag::set(true);
    const bool gotowe = pobieranie.wait_for(15s) == std::future_status::ready;
    ShutdownFlag::set(false);
    ASSERT_TRUE(gotowe);
    EXPECT_TRUE(pobieranie.get());
    EXPECT_EQ(Tresc(), QByteArray());
}

TEST_F(PobieranieZInternetuTest, FileThatCannotBeCreatedNamesTheFile) {
    serwer.serve("/strona", {});
    sciezka = katalog.filePath("nie/ma/katalogu.html");
    const QString blad = Blad(serwer.url("/strona"));
    EXPECT_TRUE(blad.startsWith("Nie można utworzyć pliku")) << blad.toStdString();
    EXPECT_TRUE(blad.contains(sciezka));
}

// A page larger than the cap stops the transfer, whether its length is
// declared or it simply never ends, and leaves no file.
TEST_F(PobieranieZInternetuTest, APageOverTheSizeCapIsRefusedAndLeavesNoFile) {
    const TLimityPobierania limity{2000ms, 300ms, 120000ms, 4096};
    for (const bool dlugosc : {true, false}) {
        SCOPED_TRACE(dlugosc);
        TestHttpResponse duza;
        duza.body = Bajty(100000);
        duza.declareLength = dlugosc;
        duza.chunkSize = dlugosc ? 0 : 1000;
        serwer.serve("/duza", duza);
        try {
            PobierzPlikZInternetu(serwer.url("/duza"), sciezka, nullptr, limity);
            ADD_FAILURE() << "the whole page was taken";
        } catch (const EImportError& e) {
            EXPECT_EQ(e.Message(), "Strona " + serwer.url("/duza") +
                                       " jest za duża (ponad 4096 B); pobieranie przerwano.");
        }
        EXPECT_FALSE(QFile::exists(sciezka));
    }
}

// A server that sends a byte now and then never trips the idle limit; the
// overall deadline ends the download all the same.
TEST_F(PobieranieZInternetuTest, ADripServerIsCutOffAtTheOverallDeadline) {
    TestHttpResponse kroplowka;
    kroplowka.body = Bajty(200);
    kroplowka.chunkSize = 1;
    kroplowka.chunkDelay = 50ms;
    serwer.serve("/kroplowka", kroplowka);
    QElapsedTimer czas;
    czas.start();
    try {
        PobierzPlikZInternetu(serwer.url("/kroplowka"), sciezka, nullptr,
                              TLimityPobierania{2000ms, 1000ms, 1000ms});
        ADD_FAILURE() << "the drip was waited out";
    } catch (const EImportError& e) {
        EXPECT_EQ(e.Message(), "Pobieranie strony " + serwer.url("/kroplowka") +
                                   " trwało dłużej niż 1 s i zostało przerwane.");
    }
    EXPECT_LT(czas.elapsed(), 5000);
    EXPECT_FALSE(QFile::exists(sciezka));
}

} // namespace
