// The host's window path as "talvora --demo --db FILE" runs it: the module is
// loaded from libVQ.Lokaty.so and shown on the file the host opened.
#include "common/ScriptedMessageBoxes.h"
#include "common/widgets/ListInTest.h"
#include "common/widgets/ModalActions.h"
#include "common/widgets/ModalWatchdog.h"
#include "data/TempDatabaseFile.h"
#include "data/sqlite/TSQLiteDatabase.h"
#include "domain/PlikOfert.h"
#include "ui/TLokatyFormGlowny.h"
#include "window/WindowProgram.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <functional>
#include <gtest/gtest.h>

namespace {

// The records listed in one of the window's lists (group headers left out).
int Rekordy(QWidget& okno, const char* lista) {
    auto* widok = okno.findChild<QTreeView*>(QLatin1String(lista));
    if (!widok)
        return -1;
    ListInTest::ShowTab(*widok);
    return static_cast<int>(ListInTest::Rows(*widok).size());
}

void WybierzPierwszaLokate(QWidget& okno) {
    QTreeView* lista = ListInTest::FindList(okno, "lv_Lokaty");
    ASSERT_NE(lista, nullptr);
    const QList<QModelIndex> wiersze = ListInTest::Rows(*lista);
    ASSERT_FALSE(wiersze.isEmpty()) << "no deposit listed";
    lista->setCurrentIndex(wiersze.front());
}

class ProgramGospodarza : public testing::Test {
protected:
    int Uruchom(const QString& plikOfert = {}) {
        QString bledy;
        QTextStream err(&bledy);
        const int kod = RunWindowProgram({plik.path(), true, false, false, plikOfert}, err);
        EXPECT_EQ(bledy, "");
        return kod;
    }
    int Lokaty() { return static_cast<int>(Wartosc("SELECT count(*) FROM Lokaty")); }
    qint64 Wartosc(const char* zapytanie) {
        TSQLiteDatabase baza(plik.path());
        return baza.GetTableValue(QString::fromUtf8(zapytanie));
    }
    // What ending a deposit with its profit booked changes in the file.
    struct Stan {
        qint64 aktywne, groszeOszczednosci, stanyOszczednosci;
        bool operator==(const Stan&) const = default;
    };
    Stan StanPliku() {
        return {Wartosc("SELECT count(*) FROM Lokaty WHERE Aktywna = 1"),
                Wartosc("SELECT round(sum(Ile) * 100) FROM Oszczednosci"),
                Wartosc("SELECT count(*) FROM StanOszczednosci")};
    }
    // Ends the first active deposit, adds 10 zł of profit to the savings in
    // the profit dialog, then closes the window as `zamknij` does.
    void ZakonczLokateIDodajZysk(std::function<void(QWidget&)> zamknij) {
        komunikaty.defaultAnswer = TMessageResult::Yes;
        WhenModalShows([&](QWidget& okno) {
            WybierzPierwszaLokate(okno);
            WhenModalShows([](QWidget& dialog) {
                auto* kwota = dialog.findChild<QLineEdit*>("e_AddZysk_Ile");
                ASSERT_NE(kwota, nullptr);
                kwota->setText("10");
                ClickButton(dialog, "btn_OK");
            });
            ClickButton(okno, "sbtn_ZakonczLokate");
            zamknij(okno);
        });
        EXPECT_EQ(Uruchom(), 0);
    }

    ScriptedMessageBoxes komunikaty;
    ModalWatchdog straznik;
    TempDatabaseFile plik{QStringLiteral("DemoDataFile.dat")};
};

TEST_F(ProgramGospodarza, TheDemoOpensTheWindowOnItsSampleData) {
    int lokat = -1, ofert = -1;
    WhenModalShows([&](QWidget& okno) {
        lokat = Rekordy(okno, "lv_Lokaty");
        ofert = Rekordy(okno, "lv_HarmonogramyLokatBankowych");
        ClickButton(okno, "btn_OK");
    });
    EXPECT_EQ(Uruchom(), 0);
    EXPECT_EQ(lokat, 6);
    EXPECT_EQ(ofert, 7);
    EXPECT_TRUE(komunikaty.messages.isEmpty()) << komunikaty.texts().join('\n').toStdString();

    // An existing file is not filled again.
    WhenModalShows([](QWidget& okno) { ClickButton(okno, "btn_OK"); });
    EXPECT_EQ(Uruchom(), 0);
    EXPECT_EQ(Lokaty(), 6);
}

// A save that fails leaves the changes with the host, which shows the module
// again; the user may then discard them with the close box.
TEST_F(ProgramGospodarza, AFailedSaveShowsTheModuleAgainWithTheChanges) {
    WhenModalShows([](QWidget& okno) { okno.close(); });
    ASSERT_EQ(Uruchom(), 0);
    {
        TSQLiteDatabase baza(plik.path());
        baza.ExecSQL("CREATE TRIGGER Awaria BEFORE DELETE ON Lokaty BEGIN "
                     "SELECT RAISE(ABORT, 'awaria zapisu'); END");
    }
    komunikaty.answers = {TMessageResult::Yes, TMessageResult::Yes};
    int lokatPonownie = -1;
    WhenModalShows([&](QWidget& okno) {
        WybierzPierwszaLokate(okno);
        ClickButton(okno, "sbtn_UsunLokate");
        WhenModalShows([&](QWidget& ponownie) {
            lokatPonownie = Rekordy(ponownie, "lv_Lokaty");
            ponownie.close();
        });
        ClickButton(okno, "btn_OK");
    });
    EXPECT_EQ(Uruchom(), 0);
    EXPECT_EQ(lokatPonownie, 5) << "the deletion waits in the second showing";
    EXPECT_EQ(Lokaty(), 6);
    const QStringList teksty = komunikaty.texts();
    ASSERT_EQ(teksty.size(), 3) << teksty.join('\n').toStdString();
    EXPECT_TRUE(teksty[1].startsWith("Nie udało się zapisać zmian: nie zapisano listy \"Lokaty\""));
}

// A profit added to savings belongs to its ended deposit: closed without
// saving, the window drops both, so the same profit cannot be added again at
// the next start; "Zapisz i zamknij" writes both.
TEST_F(ProgramGospodarza, AProfitReachesTheSavingsOnlyWithItsEndedDeposit) {
    WhenModalShows([](QWidget& okno) { ClickButton(okno, "btn_OK"); });
    ASSERT_EQ(Uruchom(), 0);
    const Stan przed = StanPliku();
    ASSERT_GT(przed.aktywne, 0);

    ZakonczLokateIDodajZysk([](QWidget& okno) { okno.close(); });
    EXPECT_EQ(StanPliku(), przed);
    EXPECT_TRUE(komunikaty.texts().last().startsWith("Lista lokat bankowych i(lub)"));

    ZakonczLokateIDodajZysk([](QWidget& okno) { ClickButton(okno, "btn_OK"); });
    const Stan po = StanPliku();
    EXPECT_EQ(po.aktywne, przed.aktywne - 1);
    EXPECT_EQ(po.groszeOszczednosci, przed.groszeOszczednosci + 1000);
    EXPECT_EQ(po.stanyOszczednosci, przed.stanyOszczednosci + 1);
}

// "talvora --demo PLIK.vq_lb": the import window reads the file over the
// deposits window, which names its data file; the ticked offer is saved with
// "Zapisz i zamknij".
TEST_F(ProgramGospodarza, AnOfferFileGivenIsReadIntoTheImportWindowAtOnce) {
    QTemporaryDir katalog;
    const QString oferty = katalog.filePath("oferty.vq_lb");
    TListaOfert lista;
    lista.push_back(std::make_unique<THarmonogramLokatyBankowej>());
    lista[0]->fBank = QStringLiteral("Bank Próbny");
    lista[0]->fNazwaHarmonogramu = QStringLiteral("Lokata z pliku");
    lista[0]->fOkresDepozytu = 3;
    lista[0]->fJednostkaDepozytu = TJednostkaOkresu::Miesiac;
    lista[0]->fOprocentowanieWSkaliRoku = 4.5;
    EksportujOfertyDoPliku(lista, oferty);

    QString nadImportem, tytul, podpowiedz;
    int wczytane = -1, ofert = -1;
    WhenModalShows([&](QWidget& import) {
        nadImportem = import.parentWidget() ? import.parentWidget()->window()->windowTitle() : "";
        QTreeView* wiersze = ListInTest::FindList(import, "lv_Parsuj_LokatyDlaBanku");
        ASSERT_NE(wiersze, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !ListInTest::Rows(*wiersze).isEmpty(); }, 10000));
        wczytane = static_cast<int>(ListInTest::Rows(*wiersze).size());
        ClickButton(import, "btn_WybierzPominWszystkie");
        WhenModalShows([&](QWidget& okno) {
            tytul = okno.windowTitle();
            podpowiedz = okno.findChild<QWidget*>("pan_1")->toolTip();
            ofert = Rekordy(okno, "lv_HarmonogramyLokatBankowych");
            ClickButton(okno, "btn_OK");
        });
        ClickButton(import, "btn_OK");
    });
    EXPECT_EQ(Uruchom(oferty), 0);
    EXPECT_EQ(nadImportem, "Lokaty — DemoDataFile.dat");
    EXPECT_EQ(wczytane, 1);
    EXPECT_EQ(tytul, "Lokaty — DemoDataFile.dat");
    EXPECT_EQ(podpowiedz, plik.path());
    EXPECT_EQ(ofert, 8);
    EXPECT_EQ(Wartosc("SELECT count(*) FROM HarmonogramyLokat WHERE Bank = 'Bank Próbny'"), 1);
    EXPECT_TRUE(komunikaty.messages.isEmpty()) << komunikaty.texts().join('\n').toStdString();
}

} // namespace
