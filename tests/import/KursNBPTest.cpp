#include "import/KursNBP.h"
#include "common/ManualBackgroundWork.h"
#include "common/ScopedClock.h"
#include "common/TestHttpServer.h"
#include "data/TUstawieniaLokat.h"
#include "import/TAktualizacjaKursuEUR.h"
#include "platform/Platform.h"
#include "platform/ThreadBackgroundWork.h"
#include "platform/WebAddresses.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QtCore/qtestsupport_core.h>
#include <functional>
#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

const QByteArray kSciezka = "/api/exchangerates/rates/a/eur/?format=json";

QByteArray Odpowiedz(const QByteArray& mid, const QByteArray& dzien = "2026-12-09") {
    return R"({"table":"A","currency":"euro","code":"EUR","rates":[{"no":"239/A/NBP/2026",)"
           R"("effectiveDate":")" +
           dzien + R"(","mid":)" + mid + "}]}";
}

// A response of the server; `zmien` sets what else it needs.
TestHttpResponse Serwowana(const QByteArray& tresc, int status = 200,
                           const std::function<void(TestHttpResponse&)>& zmien = {}) {
    TestHttpResponse r;
    r.status = status;
    r.body = tresc;
    r.contentType = "application/json; charset=utf-8";
    if (zmien)
        zmien(r);
    return r;
}

TEST(KursNBPTest, ReadsTheRateAndItsDayOrNothingFromAFaultyAnswer) {
    struct Case {
        const char* opis;
        QByteArray odpowiedz;
        double kurs; // 0: nothing
    } cases[] = {
        {"the API's answer", Odpowiedz("4.2630"), 4.2630},
        {"the last of several rates",
         R"({"code":"EUR","rates":[{"effectiveDate":"2026-12-08","mid":4.25},)"
         R"({"effectiveDate":"2026-12-09","mid":4.2630}]})",
         4.2630},
        {"at the edges of the range", Odpowiedz("1"), 1},
        {"at the top of the range", Odpowiedz("20"), 20},
        {"below the range", Odpowiedz("0.42630"), 0},
        {"above the range", Odpowiedz("42.630"), 0},
        {"a negative rate", Odpowiedz("-4.263"), 0},
        {"the rate as text", Odpowiedz("\"4.2630\""), 0},
        {"no rates", R"({"code":"EUR","rates":[]})", 0},
        {"another currency", QByteArray(Odpowiedz("4.2630")).replace("EUR", "USD"), 0},
        {"a day that is no day", Odpowiedz("4.2630", "2026-13-09"), 0},
        {"an HTML page", "<html><body>Not Found</body></html>", 0},
        {"cut short", Odpowiedz("4.2630").left(60), 0},
        {"empty", "", 0},
        {"an array", "[4.2630]", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.opis);
        const std::optional<TKursEUR> kurs = KursZOdpowiedziNBP(c.odpowiedz);
        ASSERT_EQ(kurs.has_value(), c.kurs != 0);
        if (!kurs)
            continue;
        EXPECT_DOUBLE_EQ(kurs->kurs, c.kurs);
        EXPECT_EQ(kurs->DataISO(), "2026-12-09");
        EXPECT_EQ(kurs->zrodlo, TZrodloKursu::NBP);
    }
}

class Polaczenie : public IOnlineTest {
public:
    bool isOnline(const QString& adres) override {
        adresy.append(adres);
        return online;
    }
    bool online = true;
    QStringList adresy;
};

// The window's download: with today fixed at 2026-12-10, a rate of
// 2026-12-01 stored, the API served by a loopback server and background work
// run when the test says.
class AktualizacjaKursuEURTest : public testing::Test {
protected:
    void SetUp() override {
        QSettings("Brenvik", "Talvora").clear();
        qputenv("no_proxy", "127.0.0.1,localhost");
        qputenv("NO_PROXY", "127.0.0.1,localhost");
        WebAddresses::SetNbpApi(serwer.base());
        poprzedniePolaczenie = Platform::setOnlineTest(&polaczenie);
        poprzedniaPraca = Platform::setBackgroundWork(&praca);
        ASSERT_TRUE(TUstawieniaLokat::ZapiszKurs(4.25, EncodeDate(2026, 12, 1)));
    }
    void TearDown() override {
        Platform::setBackgroundWork(poprzedniaPraca);
        Platform::setOnlineTest(poprzedniePolaczenie);
        WebAddresses::RestoreDefaults();
        QSettings("Brenvik", "Talvora").clear();
    }

    // Opens the "window" once: starts the download and runs it through.
    std::optional<TKursEUR> Otworz(const TLimityPobierania& limity = kLimityKursuNBP) {
        std::optional<TKursEUR> podany;
        TAktualizacjaKursuEUR aktualizacja(
            &wlasciciel, [&](const TKursEUR& kurs) { podany = kurs; }, limity);
        poczatkowy = aktualizacja.Kurs();
        if (aktualizacja.Rozpocznij())
            praca.runAll();
        if (podany) {
            EXPECT_EQ(aktualizacja.Kurs().kurs, podany->kurs);
            EXPECT_EQ(aktualizacja.Kurs().zrodlo, TZrodloKursu::NBP);
        }
        return podany;
    }

    ScopedClock zegar{EncodeDateTime(2026, 12, 10, 10, 0)};
    // The rate the last "window" had before its download.
    TKursEUR poczatkowy;
    TestHttpServer serwer;
    Polaczenie polaczenie;
    ManualBackgroundWork praca;
    QObject wlasciciel;
    IOnlineTest* poprzedniePolaczenie = nullptr;
    IBackgroundWork* poprzedniaPraca = nullptr;
};

TEST_F(AktualizacjaKursuEURTest, AGoodAnswerIsStoredWithItsDayAndUsedAfterwards) {
    serwer.serve(kSciezka, Serwowana(Odpowiedz("4.2630")));

    const std::optional<TKursEUR> kurs = Otworz();
    EXPECT_EQ(poczatkowy.zrodlo, TZrodloKursu::Zapisany);
    EXPECT_DOUBLE_EQ(poczatkowy.kurs, 4.25);
    ASSERT_TRUE(kurs.has_value());
    EXPECT_DOUBLE_EQ(kurs->kurs, 4.2630);
    EXPECT_EQ(kurs->DataISO(), "2026-12-09");
    EXPECT_EQ(serwer.requestCount(kSciezka), 1);
    EXPECT_EQ(polaczenie.adresy, QStringList{serwer.url(kSciezka)});
    EXPECT_EQ(praca.started(), QStringList{"PobierzKursEUR"});

    const TKursEUR zapisany = TUstawieniaLokat::KursDoUzycia();
    EXPECT_DOUBLE_EQ(zapisany.kurs, 4.2630);
    EXPECT_EQ(zapisany.DataISO(), "2026-12-09");
    EXPECT_EQ(zapisany.zrodlo, TZrodloKursu::Zapisany);
    EXPECT_EQ(TUstawieniaLokat::OstatniePobranieKursu(), EncodeDate(2026, 12, 10));
}

TEST_F(AktualizacjaKursuEURTest, AFaultyAnswerKeepsTheStoredRate) {
    struct Case {
        const char* opis;
        TestHttpResponse odpowiedz;
        TLimityPobierania limity = kLimityKursuNBP;
    } cases[] = {
        {"malformed", Serwowana("{\"rates\":[{\"mid\":")},
        {"404", Serwowana("404 NotFound - Not Found - Brak danych", 404)},
        {"500", Serwowana(Odpowiedz("4.2630"), 500)},
        {"out of range", Serwowana(Odpowiedz("426.30"))},
        {"a server that never answers",
         Serwowana("", 200, [](TestHttpResponse& r) { r.silent = true; }),
         {2000ms, 300ms, 2000ms, 64 * 1024}},
        {"an answer that stops midway",
         Serwowana(Odpowiedz("4.2630"), 200, [](TestHttpResponse& r) { r.stallAfter = 20; }),
         {2000ms, 300ms, 2000ms, 64 * 1024}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.opis);
        TUstawieniaLokat::UstawOstatniePobranieKursu(EncodeDate(2026, 12, 9));
        serwer.serve(kSciezka, c.odpowiedz);
        QElapsedTimer czas;
        czas.start();
        EXPECT_FALSE(Otworz(c.limity).has_value());
        EXPECT_LT(czas.elapsed(), 5000);
        const TKursEUR kurs = TUstawieniaLokat::KursDoUzycia();
        EXPECT_DOUBLE_EQ(kurs.kurs, 4.25);
        EXPECT_EQ(kurs.DataISO(), "2026-12-01");
        // Tried today: not again today.
        EXPECT_EQ(TUstawieniaLokat::OstatniePobranieKursu(), EncodeDate(2026, 12, 10));
    }
    EXPECT_EQ(serwer.requestCount(kSciezka), 6);
}

TEST_F(AktualizacjaKursuEURTest, AtMostOneDownloadADay) {
    serwer.serve(kSciezka, Serwowana(Odpowiedz("4.2630")));
    ASSERT_TRUE(Otworz().has_value());
    EXPECT_FALSE(Otworz().has_value());
    zegar.set(EncodeDateTime(2026, 12, 10, 23, 59));
    EXPECT_FALSE(Otworz().has_value());
    EXPECT_EQ(serwer.requestCount(kSciezka), 1);

    zegar.set(EncodeDateTime(2026, 12, 11, 8, 0));
    serwer.serve(kSciezka, Serwowana(Odpowiedz("4.2700", "2026-12-10")));
    const std::optional<TKursEUR> nastepny = Otworz();
    ASSERT_TRUE(nastepny.has_value());
    EXPECT_EQ(nastepny->DataISO(), "2026-12-10");
    EXPECT_EQ(serwer.requestCount(kSciezka), 2);
}

TEST_F(AktualizacjaKursuEURTest, OfflineNothingIsDownloadedAndTheDayIsNotUsedUp) {
    serwer.serve(kSciezka, Serwowana(Odpowiedz("4.2630")));
    polaczenie.online = false;
    EXPECT_FALSE(Otworz().has_value());
    EXPECT_TRUE(serwer.requests().empty());
    EXPECT_EQ(praca.started(), QStringList{});
    EXPECT_FALSE(TUstawieniaLokat::OstatniePobranieKursu().has_value());

    // Without a stored rate the built-in one is used, labelled as such.
    QSettings("Brenvik", "Talvora").clear();
    EXPECT_FALSE(Otworz().has_value());
    EXPECT_EQ(poczatkowy.zrodlo, TZrodloKursu::Wbudowany);
    EXPECT_EQ(poczatkowy.Opis(), "kurs NBP z 2024-12-31 (brak połączenia)");

    // Back online the same day, the download happens.
    polaczenie.online = true;
    EXPECT_TRUE(Otworz().has_value());
    EXPECT_EQ(serwer.requestCount(kSciezka), 1);
}

TEST_F(AktualizacjaKursuEURTest, DownloadRunsOnAWorkerThreadAndCanBeAbandoned) {
    ThreadBackgroundWork watki;
    Platform::setBackgroundWork(&watki);
    serwer.serve(kSciezka, Serwowana(Odpowiedz("4.2630"), 200, [](TestHttpResponse& r) {
                     r.chunkSize = 10;
                     r.chunkDelay = 20ms;
                 }));
    std::optional<TKursEUR> podany;
    {
        TAktualizacjaKursuEUR aktualizacja(&wlasciciel, [&](const TKursEUR& k) { podany = k; });
        ASSERT_TRUE(aktualizacja.Rozpocznij());
        EXPECT_TRUE(aktualizacja.Trwa());
        EXPECT_FALSE(aktualizacja.Rozpocznij());
        ASSERT_TRUE(QTest::qWaitFor([&] { return podany.has_value(); }, 20000));
        EXPECT_DOUBLE_EQ(podany->kurs, 4.2630);
    }
    // A window closed while the answer is still coming: the download stops,
    // nothing is stored and nothing is called.
    zegar.set(EncodeDateTime(2026, 12, 11, 8, 0));
    serwer.serve(kSciezka,
                 Serwowana(Odpowiedz("4.5"), 200, [](TestHttpResponse& r) { r.stallAfter = 10; }));
    podany.reset();
    {
        TAktualizacjaKursuEUR aktualizacja(&wlasciciel, [&](const TKursEUR& k) { podany = k; });
        ASSERT_TRUE(aktualizacja.Rozpocznij());
    }
    QCoreApplication::processEvents();
    EXPECT_FALSE(podany.has_value());
    EXPECT_DOUBLE_EQ(TUstawieniaLokat::KursDoUzycia().kurs, 4.2630);
    Platform::setBackgroundWork(&praca);
}

TEST(KursEURDoUzyciaTest, ToolsDownloadWhenDueAndFallBackToTheStoredRate) {
    QSettings("Brenvik", "Talvora").clear();
    ScopedClock zegar(EncodeDateTime(2026, 12, 10, 10, 0));
    TestHttpServer serwer;
    qputenv("no_proxy", "127.0.0.1,localhost");
    WebAddresses::SetNbpApi(serwer.base());
    serwer.serve(kSciezka, Serwowana("", 404));
    EXPECT_EQ(KursEURDoUzycia().zrodlo, TZrodloKursu::Wbudowany);

    zegar.set(EncodeDateTime(2026, 12, 11, 10, 0));
    serwer.serve(kSciezka, Serwowana(Odpowiedz("4.2630")));
    const TKursEUR pobrany = KursEURDoUzycia();
    EXPECT_EQ(pobrany.zrodlo, TZrodloKursu::NBP);
    EXPECT_DOUBLE_EQ(pobrany.kurs, 4.2630);
    const TKursEUR zapisany = KursEURDoUzycia();
    EXPECT_EQ(zapisany.zrodlo, TZrodloKursu::Zapisany);
    EXPECT_EQ(zapisany.DataISO(), "2026-12-09");
    EXPECT_EQ(serwer.requestCount(kSciezka), 2);
    WebAddresses::RestoreDefaults();
    QSettings("Brenvik", "Talvora").clear();
}

} // namespace
