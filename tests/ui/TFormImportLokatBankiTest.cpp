// The web import from the deposits window: the bank choice dialog and the
// whole path against a small site served on 127.0.0.1 (bank list page, then
// one import window per chosen bank with the real background threads).
#include "ui/import/TFormImportLokatBanki.h"

#include "common/Fixtures.h"
#include "common/ManualBackgroundWork.h"
#include "common/ScriptedMessageBoxes.h"
#include "common/TestHttpServer.h"
#include "common/widgets/ListInTest.h"
#include "common/widgets/ModalActions.h"
#include "common/widgets/ModalWatchdog.h"
#include "common/widgets/ScriptedModalRunner.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "domain/PlikOfert.h"
#include "format/Pomocnicze.h"
#include "format/TFormatSettings.h"
#include "platform/IOnlineTest.h"
#include "platform/Platform.h"
#include "platform/WebAddresses.h"
#include "ui/QtModalRunner.h"
#include "ui/TListaRaportowa.h"
#include "ui/TLokatyFormGlowny.h"
#include "ui/import/TFormParserLokatBankowych.h"
#include "ui/import/TFormPobieranieListyBankow.h"
#include "ui/import/TPasekOczekiwania.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

using TOkno = TFormParserLokatBankowych;
using TDialog = TFormImportLokatBanki;
using TCzekanie = TFormPobieranieListyBankow;

const QByteArray kLista = "/lokaty-twojego-banku.php?bank=&waluta=0";

const QString kBrakPolaczenia = QStringLiteral(
    "Nie można pobrać informacji o lokatach bankowych.\rNie jesteś połączony z Internetem.");

class OnlineTestStaly : public IOnlineTest {
public:
    explicit OnlineTestStaly(bool online)
        : fOnline(online), fPrevious(Platform::setOnlineTest(this)) {}
    ~OnlineTestStaly() override { Platform::setOnlineTest(fPrevious); }
    bool isOnline(const QString&) override { return fOnline; }

private:
    bool fOnline;
    IOnlineTest* fPrevious;
};

TestHttpResponse Strona(const QByteArray& tresc) {
    TestHttpResponse odpowiedz;
    odpowiedz.body = tresc;
    return odpowiedz;
}

QStringList Nazwy(const TDialog& d) {
    QStringList nazwy;
    for (int i = 0; i < d.IloscWierszy(); ++i)
        nazwy << d.lv_ImportLBanki_Banki->topLevelItem(i)->text(0);
    return nazwy;
}

void Zaznacz(QTreeWidget* lista, int wiersz) {
    lista->topLevelItem(wiersz)->setCheckState(0, Qt::Checked);
}

// The offer list is a view: its row is ticked through the model.
void Zaznacz(TListaRaportowa* lista, int wiersz) {
    TModelRaportu& model = lista->Model();
    EXPECT_TRUE(model.setData(model.index(wiersz, 0), Qt::Checked, Qt::CheckStateRole));
}

bool ListaPokazana(TOkno& d) {
    return QTest::qWaitFor([&] { return d.lv_Parsuj_LokatyDlaBanku->isVisible(); }, 10000);
}

TEST(TFormImportLokatBankiTest, OkWaitsForATickAndTheHeaderCounts) {
    TDialog d;
    d.WypelnijBanki({{"mBank", "http://x/m"}, {"ING", "http://x/i"}, {"alior", "http://x/a"}});
    d.show();
    EXPECT_EQ(d.windowTitle(), "Import lokat");
    EXPECT_EQ(Nazwy(d), (QStringList{"alior", "ING", "mBank"}));
    EXPECT_TRUE(d.lv_ImportLBanki_Banki->isColumnHidden(1));
    EXPECT_EQ(d.lv_ImportLBanki_Banki->headerItem()->text(0), "Nazwa banku");
    EXPECT_FALSE(d.btn_OK->isEnabled());
    EXPECT_EQ(d.lbl_ImportLBanki_Head->text(),
              "Wybierz banki, których lokaty chcesz zaimportować (0/3)");
    Zaznacz(d.lv_ImportLBanki_Banki, 2);
    EXPECT_TRUE(d.btn_OK->isEnabled());
    EXPECT_EQ(d.lbl_ImportLBanki_Head->text(),
              "Wybierz banki, których lokaty chcesz zaimportować (1/3)");
    EXPECT_EQ(d.WybraneBanki(), (TMapaBankow{{"mBank", "http://x/m"}}));
    d.lv_ImportLBanki_Banki->topLevelItem(2)->setCheckState(0, Qt::Unchecked);
    EXPECT_FALSE(d.btn_OK->isEnabled());

    d.btn_WybierzPominWszystkie->click();
    EXPECT_EQ(d.IloscZaznaczonych(), 3);
    d.btn_WybierzPominWszystkie->click();
    EXPECT_EQ(d.IloscZaznaczonych(), 0);
    EXPECT_FALSE(d.btn_OK->isEnabled());
    d.Wybierzwszystkie1->trigger();
    EXPECT_EQ(d.lbl_ImportLBanki_Head->text(),
              "Wybierz banki, których lokaty chcesz zaimportować (3/3)");
    d.Pomiwszystkie1->trigger();
    EXPECT_EQ(d.IloscZaznaczonych(), 0);
    EXPECT_TRUE(d.lbl1->text().startsWith("Zestawienie lokat bankowych pochodzi ze strony "));
}

// Run as the program runs it (exec()), a download that ends as soon as it
// starts still closes the waiting window with the list: the window never
// waits for a finish that came before its loop began.
TEST(TFormPobieranieListyBankowTest, UnderTheRealModalLoopAnInstantDownloadClosesTheWindow) {
    TestHttpServer serwer;
    serwer.serve(kLista, Strona("<html><body><table id=banki><tr><td><a href='b.php'>Alfa</a>"
                                "</td></tr></table></body></html>"));
    ManualBackgroundWork praca(ManualBackgroundWork::Mode::Immediate);
    IBackgroundWork* poprzednia = Platform::setBackgroundWork(&praca);
    {
        ModalWatchdog straznik;
        TCzekanie okno(serwer.url(QString::fromLatin1(kLista)), serwer.base());
        EXPECT_EQ(QtModalRunner().runModal(&okno), 1);
        EXPECT_EQ(okno.Banki(), (TMapaBankow{{"Alfa", serwer.base() + "b.php"}}));
        EXPECT_TRUE(straznik.closed().isEmpty());
    }
    Platform::setBackgroundWork(poprzednia);
}

class TImportZeStronyTest : public testing::Test {
protected:
    void SetUp() override {
        UstawFormaty();
        WebAddresses::SetRatesSite(serwer.base());
        projekt = std::make_unique<TProjektDB>(QDir(katalog.path()).filePath("DataFile.dat"));
        Oferty().clear();
        glowne.MyDB = projekt.get();
        QFile::remove(PlikBankow());
    }
    void TearDown() override {
        glowne.MyDB = nullptr;
        WebAddresses::RestoreDefaults();
    }

    static QString PlikBankow() { return KatalogTymczasowy() + "banki.html"; }
    TListaOfert& Oferty() { return projekt->Kolekcje().HarmonogramyLokatBankowych(); }
    bool GlowneWlaczone() { return glowne.findChild<QTabWidget*>("pgc_Zakladki")->isEnabled(); }

    // The waiting window while the bank list downloads: the bar moves until
    // the window closes by itself.
    void CzekajNaListe() {
        okna.expect<TCzekanie>([](TCzekanie& d) {
            EXPECT_TRUE(d.bar_TrwaPobieranie->Porusza());
            EXPECT_TRUE(QTest::qWaitFor([&] { return !d.isVisible(); }, 10000));
        });
    }

    // Three banks on the list, each with its offer page.
    void Witryna() {
        serwer.serve(kLista, Strona("<html><body><table id=banki>"
                                    "<tr><td><a href='b.php?bank=gamma'>Gamma</a></td></tr>"
                                    "<tr><td><a href='b.php?bank=alfa'>Alfa</a></td></tr>"
                                    "<tr><td><a href='b.php?bank=beta'>Beta</a></td></tr>"
                                    "</table></body></html>"));
        for (const char* bank : {"alfa", "beta", "gamma"})
            serwer.serve(QByteArray("/b.php?bank=") + bank,
                         Strona(CzytajFixture("strona_lokat.html")));
    }

    TestHttpServer serwer;
    QTemporaryDir katalog;
    std::unique_ptr<TProjektDB> projekt;
    ScriptedMessageBoxes komunikaty;
    ScriptedModalRunner okna;
    TLokatyFormGlowny glowne;
};

TEST_F(TImportZeStronyTest, ButtonShowsOnlyForASiteSetAtRunTime) {
    // The site is set before the window is built, as the environment variable is.
    TLokatyFormGlowny zStrona;
    const auto* przycisk = zStrona.findChild<QToolButton*>("btn_AktualizujLokaty");
    EXPECT_FALSE(przycisk->isHidden());
    EXPECT_TRUE(przycisk->toolTip().contains(serwer.base()));
    WebAddresses::RestoreDefaults();
    if (!WebAddresses::RatesSiteSetAtRunTime()) {
        TLokatyFormGlowny zwykle;
        EXPECT_TRUE(zwykle.findChild<QToolButton*>("btn_AktualizujLokaty")->isHidden());
    }
}

TEST_F(TImportZeStronyTest, ChosenBanksOpenInSortedOrderAndTheTickedOffersAreMerged) {
    Witryna();
    QStringList banki;
    CzekajNaListe();
    okna.expect<TDialog>([&](TDialog& d) {
        EXPECT_FALSE(GlowneWlaczone());
        EXPECT_EQ(Nazwy(d), (QStringList{"Alfa", "Beta", "Gamma"}));
        Zaznacz(d.lv_ImportLBanki_Banki, 2);
        Zaznacz(d.lv_ImportLBanki_Banki, 0);
        ClickButton(d, "btn_OK");
    });
    for (int i = 0; i < 2; ++i)
        okna.expect<TOkno>([&](TOkno& d) {
            banki << d.Bank;
            ASSERT_TRUE(ListaPokazana(d));
            Zaznacz(d.lv_Parsuj_LokatyDlaBanku, 0);
            ClickButton(d, "btn_OK");
        });
    glowne.btn_AktualizujLokatyClick();
    EXPECT_EQ(banki, (QStringList{"Alfa", "Gamma"}));
    EXPECT_EQ(serwer.requestCount("/b.php?bank=beta"), 0);
    ASSERT_EQ(Oferty().size(), 2u);
    EXPECT_EQ(Oferty()[0]->fBank, "Alfa");
    EXPECT_EQ(Oferty()[1]->fBank, "Gamma");
    EXPECT_EQ(
        ListInTest::Rows(*ListInTest::FindList(glowne, "lv_HarmonogramyLokatBankowych")).size(), 2);
    EXPECT_TRUE(GlowneWlaczone());
    EXPECT_FALSE(QFile::exists(PlikBankow()));
    EXPECT_TRUE(komunikaty.messages.isEmpty());
}

TEST_F(TImportZeStronyTest, OfflineDownloadsNothingAndSaysSo) {
    Witryna();
    OnlineTestStaly offline(false);
    glowne.btn_AktualizujLokatyClick();
    EXPECT_TRUE(serwer.requests().empty());
    EXPECT_TRUE(okna.shown.isEmpty());
    ASSERT_EQ(komunikaty.messages.size(), 1);
    EXPECT_EQ(komunikaty.messages[0].text, kBrakPolaczenia);
    EXPECT_EQ(komunikaty.messages[0].caption, "BŁĄD !!!");
    EXPECT_EQ(komunikaty.messages[0].icon, TMessageIcon::Error);
    EXPECT_TRUE(GlowneWlaczone());
}

TEST_F(TImportZeStronyTest, EmptyListOrCancelledChoiceImportsNothing) {
    // A page without the banks table: no dialog, no message.
    serwer.serve(kLista, Strona("<html><body></body></html>"));
    CzekajNaListe();
    glowne.btn_AktualizujLokatyClick();
    EXPECT_EQ(okna.shownNames(), QStringList{"FormPobieranieListyBankow"});
    EXPECT_TRUE(komunikaty.messages.isEmpty());

    Witryna();
    CzekajNaListe();
    okna.expect<TDialog>([&](TDialog& d) {
        Zaznacz(d.lv_ImportLBanki_Banki, 0);
        ClickButton(d, "btn_Cancel");
    });
    glowne.btn_AktualizujLokatyClick();
    EXPECT_EQ(okna.shown.size(), 3);
    EXPECT_EQ(serwer.requestCount("/b.php?bank=alfa"), 0);
    EXPECT_TRUE(Oferty().empty());
    EXPECT_TRUE(GlowneWlaczone());
    EXPECT_FALSE(QFile::exists(PlikBankow()));
}

TEST_F(TImportZeStronyTest, FailedBankListDownloadGoesToTheErrorBox) {
    WebAddresses::SetRatesSite(
        QStringLiteral("http://127.0.0.1:%1/").arg(TestHttpServer::unusedPort()));
    CzekajNaListe();
    glowne.btn_AktualizujLokatyClick();
    EXPECT_EQ(okna.shownNames(), QStringList{"FormPobieranieListyBankow"});
    ASSERT_EQ(komunikaty.messages.size(), 1);
    EXPECT_EQ(komunikaty.messages[0].caption, "BŁĄD !!!");
    EXPECT_TRUE(komunikaty.messages[0].text.startsWith(
        "Nie można pobrać strony " + WebAddresses::BankList() +
        ": serwer odrzucił połączenie.\rError in getting URL access"))
        << komunikaty.messages[0].text.toStdString();
    EXPECT_TRUE(GlowneWlaczone());
    EXPECT_FALSE(QFile::exists(PlikBankow()));
}

// A site that takes the request and never answers: while the list is awaited
// the program goes on (timers fire, the bar moves, keys and clicks are
// handled), and "Anuluj" (or Esc) ends the download at once: no message, no
// further window, nothing imported, the main window usable again.
TEST_F(TImportZeStronyTest, AStalledSiteKeepsTheProgramResponsiveAndCancelStopsAtOnce) {
    TestHttpResponse milczy;
    milczy.silent = true;
    serwer.serve(kLista, milczy);
    const std::function<void(TCzekanie&)> anuluj[] = {
        [](TCzekanie& d) { QTest::mouseClick(d.btn_Cancel, Qt::LeftButton); },
        [](TCzekanie& d) { QTest::keyClick(&d, Qt::Key_Escape); },
    };
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        okna.shown.clear();
        QElapsedTimer czas;
        okna.expect<TCzekanie>([&](TCzekanie& d) {
            EXPECT_FALSE(GlowneWlaczone());
            ASSERT_TRUE(
                QTest::qWaitFor([&] { return serwer.requestCount(kLista) == i + 1; }, 10000));
            int tykniecia = 0;
            QTimer zegar;
            QObject::connect(&zegar, &QTimer::timeout, [&] { ++tykniecia; });
            zegar.start(10);
            const int pozycja = d.bar_TrwaPobieranie->Pozycja();
            EXPECT_TRUE(QTest::qWaitFor(
                [&] { return tykniecia >= 10 && d.bar_TrwaPobieranie->Pozycja() != pozycja; },
                10000))
                << tykniecia << " ticks";
            ASSERT_TRUE(d.isVisible());
            czas.start();
            anuluj[i](d);
        });
        glowne.btn_AktualizujLokatyClick();
        // Far below the 30 s a silent server is waited for.
        EXPECT_LT(czas.elapsed(), 5000);
        EXPECT_EQ(okna.shownNames(), QStringList{"FormPobieranieListyBankow"});
        EXPECT_TRUE(komunikaty.messages.isEmpty());
        EXPECT_TRUE(GlowneWlaczone());
        EXPECT_TRUE(Oferty().empty());
    }
}

} // namespace
