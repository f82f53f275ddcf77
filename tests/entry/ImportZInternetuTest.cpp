// The web import end to end: the real module loaded from libVQ.Lokaty.so on a
// real data file, pointed at a small site served on 127.0.0.1 through the
// environment variable a user would set. The user chooses two of three banks,
// ticks offers in their import windows and saves; a fresh load of the file
// holds the offers.
#include "ModulLokatTestowy.h"
#include "common/Fixtures.h"
#include "common/TestHttpServer.h"
#include "common/widgets/ListInTest.h"
#include "common/widgets/ModalActions.h"
#include "common/widgets/ScriptedModalRunner.h"
#include "platform/IOnlineTest.h"
#include "platform/Platform.h"

#include <QLabel>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

TestHttpResponse Strona(const QByteArray& tresc) {
    TestHttpResponse odpowiedz;
    odpowiedz.body = tresc;
    return odpowiedz;
}

template <typename TLista = QTreeWidget> TLista* Lista(QDialog& okno, const char* nazwa) {
    auto* lista = okno.findChild<TLista*>(QLatin1String(nazwa));
    EXPECT_NE(lista, nullptr) << nazwa;
    return lista;
}

class ImportZInternetuTest : public ModulLokatTestowy {
protected:
    ImportZInternetuTest() {
        serwer.serve("/lokaty-twojego-banku.php?bank=&waluta=0",
                     Strona("<html><body><table id=banki>"
                            "<tr><td><a href='b.php?bank=z'>Żółty Bank</a></td></tr>"
                            "<tr><td><a href='b.php?bank=a'>Alfa Bank</a></td></tr>"
                            "<tr><td><a href='b.php?bank=b'>Bank Łąkowy</a></td></tr>"
                            "</table></body></html>"));
        for (const char* bank : {"a", "b", "z"})
            serwer.serve(QByteArray("/b.php?bank=") + bank,
                         Strona(CzytajFixture("strona_lokat.html")));
        qputenv("TALVORA_STRONA_LOKAT", serwer.base().toUtf8());
    }
    ~ImportZInternetuTest() override { qunsetenv("TALVORA_STRONA_LOKAT"); }

    void PokazModul() {
        ModulLokat().SetApplicationVariables(nullptr, projekt.get());
        ModulLokat().ShowFormVQ();
        EXPECT_EQ(ModulLokat().LastError(), "");
    }

    // The waiting window until the bank list has come, then the bank choice:
    // Alfa Bank and Żółty Bank ticked, then OK.
    void WybierzDwaBanki() {
        okna.expect([](QDialog& d) {
            EXPECT_EQ(d.objectName(), "FormPobieranieListyBankow");
            EXPECT_TRUE(QTest::qWaitFor([&] { return !d.isVisible(); }, 10000));
        });
        okna.expect([](QDialog& d) {
            QTreeWidget* banki = Lista(d, "lv_ImportLBanki_Banki");
            ASSERT_EQ(banki->topLevelItemCount(), 3);
            EXPECT_EQ(banki->topLevelItem(0)->text(0), "Alfa Bank");
            EXPECT_EQ(banki->topLevelItem(2)->text(0), "Żółty Bank");
            banki->topLevelItem(2)->setCheckState(0, Qt::Checked);
            banki->topLevelItem(0)->setCheckState(0, Qt::Checked);
            ClickButton(d, "btn_OK");
        });
    }

    // An import window: waits for the offers, ticks the rows given, then OK
    // (or Cancel without rows); records its header.
    void ImportujWiersze(QList<int> wiersze) {
        okna.expect([this, wiersze](QDialog& d) {
            auto* oferty = Lista<QTreeView>(d, "lv_Parsuj_LokatyDlaBanku");
            ASSERT_TRUE(QTest::qWaitFor([&] { return oferty->isVisible(); }, 10000));
            for (int w : wiersze)
                ClickCheckBox(*oferty, oferty->model()->index(w, 0));
            naglowki << d.findChild<QLabel*>("lbl_Parsuj_Head")->text();
            ClickButton(d, wiersze.isEmpty() ? "btn_Cancel" : "btn_OK");
        });
    }

    QStringList OfertyWPliku() {
        TProjektDB zPliku(plik.path());
        QStringList oferty;
        for (const auto& o : zPliku.Kolekcje().HarmonogramyLokatBankowych())
            oferty << o->fBank + "|" + o->NazwaWyswietlana();
        return oferty;
    }

    TestHttpServer serwer;
    ScriptedModalRunner okna;
    QStringList naglowki;
};

TEST_F(ImportZInternetuTest, ChosenBanksOffersReachTheFile) {
    okna.expect([](QDialog& glowne) {
        ClickButton(glowne, "btn_AktualizujLokaty");
        // Group headers with their offers under them.
        const QAbstractItemModel* katalog =
            ListInTest::FindList(glowne, "lv_HarmonogramyLokatBankowych")->model();
        int wiersze = 0;
        for (int g = 0; g < katalog->rowCount(); ++g)
            wiersze += std::max(1, katalog->rowCount(katalog->index(g, 0)));
        EXPECT_GE(wiersze, 4);
        ClickButton(glowne, "btn_OK");
    });
    WybierzDwaBanki();
    ImportujWiersze({0, 4});
    ImportujWiersze({1});
    PokazModul();
    EXPECT_EQ(naglowki, (QStringList{"Lokaty bankowe oferowane przez \"Alfa Bank\" (2/5)",
                                     "Lokaty bankowe oferowane przez \"Żółty Bank\" (1/5)"}));
    EXPECT_EQ(serwer.requestCount("/b.php?bank=b"), 0);
    EXPECT_EQ(OfertyWPliku(),
              (QStringList{"Bank Łąkowy|Lokata Złota 3M", "Alfa Bank|Lokata na start 6M",
                           "Alfa Bank|Lokata roczna 1R", "Żółty Bank|Lokata & bonus 2R"}));
}

TEST_F(ImportZInternetuTest, CancellingTheFirstBankStillOpensTheSecond) {
    okna.expect([](QDialog& glowne) {
        ClickButton(glowne, "btn_AktualizujLokaty");
        ClickButton(glowne, "btn_OK");
    });
    WybierzDwaBanki();
    ImportujWiersze({});
    ImportujWiersze({0});
    PokazModul();
    EXPECT_EQ(naglowki.size(), 2);
    EXPECT_EQ(OfertyWPliku(),
              (QStringList{"Bank Łąkowy|Lokata Złota 3M", "Żółty Bank|Lokata na start 6M"}));
}

class Offline : public IOnlineTest {
public:
    bool isOnline(const QString&) override { return false; }
};

TEST_F(ImportZInternetuTest, OfflineNothingIsDownloaded) {
    Offline offline;
    IOnlineTest* poprzedni = Platform::setOnlineTest(&offline);
    okna.expect([](QDialog& glowne) {
        ClickButton(glowne, "btn_AktualizujLokaty");
        ClickButton(glowne, "btn_OK");
    });
    PokazModul();
    Platform::setOnlineTest(poprzedni);
    EXPECT_TRUE(serwer.requests().empty());
    EXPECT_EQ(komunikaty.texts(), QStringList{"Nie można pobrać informacji o lokatach bankowych."
                                              "\rNie jesteś połączony z Internetem."});
}

} // namespace
