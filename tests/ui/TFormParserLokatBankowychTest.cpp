// The import window through the deposits window's commands: file mode on a
// real offer file with the file worker run step by step, download mode
// against a page served on 127.0.0.1 with the real background threads.
#include "ui/import/TFormParserLokatBankowych.h"

#include "common/Fixtures.h"
#include "common/ManualBackgroundWork.h"
#include "common/ScriptedFileChooser.h"
#include "common/ScriptedMessageBoxes.h"
#include "common/TestHttpServer.h"
#include "common/widgets/ListInTest.h"
#include "common/widgets/ModalActions.h"
#include "common/widgets/ScriptedModalRunner.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "domain/PlikOfert.h"
#include "format/TFormatSettings.h"
#include "platform/Platform.h"
#include "ui/TListaRaportowa.h"
#include "ui/TLokatyFormGlowny.h"
#include "ui/import/TPasekOczekiwania.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using TOkno = TFormParserLokatBankowych;
using TOferta = std::unique_ptr<THarmonogramLokatyBankowej>;

TOferta Oferta(const QString& bank, const QString& nazwa, uint32_t okres,
               TJednostkaOkresu jednostka, double oprocentowanie) {
    auto oferta = std::make_unique<THarmonogramLokatyBankowej>();
    oferta->fBank = bank;
    oferta->fNazwaHarmonogramu = nazwa;
    oferta->fOkresDepozytu = okres;
    oferta->fJednostkaDepozytu = jednostka;
    oferta->fOprocentowanieWSkaliRoku = oprocentowanie;
    oferta->fKapitalizacja = TKapitalizacja::Miesieczna;
    oferta->fKwotaMinimalna = 1000;
    oferta->fKwotaMaksymalna = 50000;
    return oferta;
}

// A cell's text as the list shows it.
QString Tekst(const TOkno& okno, int wiersz, int kolumna) {
    const TModelRaportu& model = okno.lv_Parsuj_LokatyDlaBanku->Model();
    return model.index(wiersz, kolumna).data().toString();
}

// The bank, name, period and rate cells of the rows (file mode).
QStringList Wiersze(const TOkno& okno) {
    QStringList wiersze;
    for (int i = 0; i < okno.lv_Parsuj_LokatyDlaBanku->Model().rowCount(); ++i)
        wiersze << Tekst(okno, i, 0) + "|" + Tekst(okno, i, 1) + "|" + Tekst(okno, i, 2) + "|" +
                       Tekst(okno, i, 3);
    return wiersze;
}

// Ticks (or clears) a row's check box through the list's model.
void Zaznacz(TOkno& okno, int wiersz, bool zaznacz = true) {
    TModelRaportu& model = okno.lv_Parsuj_LokatyDlaBanku->Model();
    EXPECT_TRUE(model.setData(model.index(wiersz, 0), zaznacz ? Qt::Checked : Qt::Unchecked,
                              Qt::CheckStateRole));
}

TestHttpResponse Strona(const QByteArray& tresc) {
    TestHttpResponse odpowiedz;
    odpowiedz.body = tresc;
    return odpowiedz;
}

bool Czekaj(const std::function<bool()>& warunek) {
    return QTest::qWaitFor(warunek, 10000);
}

class TImportOfertTest : public testing::Test {
protected:
    void SetUp() override {
        UstawFormaty();
        projekt = std::make_unique<TProjektDB>(Sciezka("DataFile.dat"));
        Oferty().clear();
        glowne.MyDB = projekt.get();
    }
    void TearDown() override { glowne.MyDB = nullptr; }

    QString Sciezka(const QString& nazwa) const { return QDir(katalog.path()).filePath(nazwa); }
    TListaOfert& Oferty() { return projekt->Kolekcje().HarmonogramyLokatBankowych(); }

    // An offer file of three banks, in no order.
    QString PlikTrzechBankow() {
        TListaOfert oferty;
        oferty.push_back(Oferta("Bank Gamma", "Lokata", 3, TJednostkaOkresu::Miesiac, 4.0));
        oferty.push_back(Oferta("alfa bank", "Zysk", 1, TJednostkaOkresu::Rok, 5.0));
        oferty.push_back(Oferta("Bank Beta", "lokata", 6, TJednostkaOkresu::Miesiac, 3.0));
        oferty.push_back(Oferta("Bank Beta", "Lokata", 30, TJednostkaOkresu::Dzien, 3.5));
        const QString sciezka = Sciezka("oferty.vq_lb");
        EksportujOfertyDoPliku(oferty, sciezka);
        return sciezka;
    }

    QTemporaryDir katalog;
    std::unique_ptr<TProjektDB> projekt;
    ScriptedMessageBoxes komunikaty;
    ScriptedModalRunner okna;
    ScriptedFileChooser pliki;
    TLokatyFormGlowny glowne;
};

// --- File mode ----------------------------------------------------------------

TEST_F(TImportOfertTest, FileImportShowsSortedOffersAndMergesTheTickedOnes) {
    ManualBackgroundWork praca;
    IBackgroundWork* poprzednia = Platform::setBackgroundWork(&praca);
    pliki.answers = {PlikTrzechBankow()};
    // One offer is in the catalogue already, added by the user: the question
    // comes and "Nie" keeps it.
    Oferty().push_back(Oferta("Bank Beta", "LOKATA", 30, TJednostkaOkresu::Dzien, 3.5));
    Oferty().back()->fHarmonogramDodanyPrzezUzytkownika = true;
    Oferty().back()->fPozostaleInformacje = "moja";
    komunikaty.answers = {TMessageResult::No};
    okna.expect<TOkno>([&](TOkno& d) {
        EXPECT_TRUE(d.TrybPliku());
        EXPECT_EQ(d.windowTitle(), "Informacje o lokatach bankowych");
        // Waiting while the file is read.
        EXPECT_TRUE(d.pan_Czekaj->isVisible());
        EXPECT_TRUE(d.bar_TrwaPobieranie->isVisible());
        EXPECT_TRUE(d.bar_TrwaPobieranie->Porusza());
        EXPECT_EQ(d.lbl_TrwaPobieranie->text(), "Trwa pobieranie danych ... proszę czekać");
        EXPECT_FALSE(d.btn_OK->isEnabled());
        EXPECT_FALSE(d.btn_Odswiez->isVisible());
        EXPECT_EQ(praca.started(), QStringList{"PobierzDaneZPliku"});
        EXPECT_EQ(praca.runAll(), 1);

        EXPECT_FALSE(d.pan_Czekaj->isVisible());
        EXPECT_FALSE(d.bar_TrwaPobieranie->Porusza());
        EXPECT_TRUE(d.btn_WybierzPominWszystkie->isVisible());
        EXPECT_EQ(d.lv_Parsuj_LokatyDlaBanku->IloscKolumn(), 11);
        EXPECT_EQ(d.lv_Parsuj_LokatyDlaBanku->TytulKolumny(0), "Bank");
        EXPECT_EQ(d.lv_Parsuj_LokatyDlaBanku->TytulKolumny(10), "Pozostałe informacje");
        // Bank, then name without regard to case, then the period in days.
        EXPECT_EQ(Wiersze(d),
                  (QStringList{"alfa bank|Zysk 1R|1 rok|5,00%", "Bank Beta|Lokata 30D|30 dni|3,50%",
                               "Bank Beta|lokata 6M|6 miesięcy|3,00%",
                               "Bank Gamma|Lokata 3M|3 miesiące|4,00%"}))
            << Wiersze(d).join("\n").toStdString();
        EXPECT_EQ(d.lbl_Parsuj_Head->text(), "Lokaty odczytane z pliku \"oferty\" (0/4)");
        Zaznacz(d, 1);
        EXPECT_TRUE(d.btn_OK->isEnabled());
        Zaznacz(d, 3);
        EXPECT_EQ(d.lbl_Parsuj_Head->text(), "Lokaty odczytane z pliku \"oferty\" (2/4)");
        ClickButton(d, "btn_OK");
    });
    glowne.sbtn_OdczytajLokatyBankoweZPlikuClick();
    Platform::setBackgroundWork(poprzednia);

    EXPECT_EQ(okna.pending(), 0u);
    ASSERT_EQ(komunikaty.messages.size(), 1);
    EXPECT_EQ(komunikaty.messages[0].buttons, TMessageButtons::YesNo);
    ASSERT_EQ(Oferty().size(), 2u);
    EXPECT_EQ(Oferty()[0]->fPozostaleInformacje, "moja");
    EXPECT_EQ(Oferty()[1]->fBank, "Bank Gamma");
    EXPECT_EQ(Oferty()[1]->fZmiany, TTypModyfikacji::Dodano);
    EXPECT_TRUE(projekt->Kolekcje().ZmienionoINiezapisanoLokaty());
    // The main window is usable again and lists the merged offer.
    EXPECT_TRUE(glowne.findChild<QTabWidget*>("pgc_Zakladki")->isEnabled());
    EXPECT_EQ(
        ListInTest::Rows(*ListInTest::FindList(glowne, "lv_HarmonogramyLokatBankowych")).size(), 2);
}

TEST_F(TImportOfertTest, CancelledWindowOrChooserMergesNothing) {
    ManualBackgroundWork praca(ManualBackgroundWork::Mode::Immediate);
    IBackgroundWork* poprzednia = Platform::setBackgroundWork(&praca);
    pliki.answers = {QString(), PlikTrzechBankow()};
    glowne.sbtn_OdczytajLokatyBankoweZPlikuClick(); // the chooser cancelled
    EXPECT_TRUE(okna.shown.isEmpty());
    okna.expect<TOkno>([&](TOkno& d) {
        d.Wybierzwszystkie1Click();
        EXPECT_EQ(d.lbl_Parsuj_Head->text(), "Lokaty odczytane z pliku \"oferty\" (4/4)");
        ClickButton(d, "btn_Cancel");
    });
    glowne.sbtn_OdczytajLokatyBankoweZPlikuClick();
    Platform::setBackgroundWork(poprzednia);
    EXPECT_EQ(okna.shown.size(), 1);
    EXPECT_TRUE(Oferty().empty());
    EXPECT_FALSE(projekt->Kolekcje().ZmienionoINiezapisanoLokaty());
}

TEST_F(TImportOfertTest, MissingFileIsReportedAndNoWindowOpens) {
    const QString brak = Sciezka("brak.vq_lb");
    pliki.answers = {brak};
    glowne.sbtn_OdczytajLokatyBankoweZPlikuClick();
    EXPECT_TRUE(okna.shown.isEmpty());
    ASSERT_EQ(komunikaty.messages.size(), 1);
    EXPECT_EQ(komunikaty.messages[0].caption, "BŁĄD !!!");
    EXPECT_EQ(komunikaty.messages[0].icon, TMessageIcon::Error);
    EXPECT_EQ(komunikaty.messages[0].text,
              "Nie można odczytać danych o lokatach bankowych, wskazany plik " + brak +
                  " nie istnieje !!!");
}

// A data file open only to read takes no offers: the file is not even read.
TEST_F(TImportOfertTest, AReadOnlyDataFileRefusesTheImport) {
    projekt->SetOtwartyTylkoDoOdczytu(true);
    const QString sciezka = PlikTrzechBankow();
    glowne.OdczytajLokatyBankoweZPliku(sciezka);
    EXPECT_TRUE(okna.shown.isEmpty());
    EXPECT_EQ(komunikaty.texts(), QStringList{"Nie można dodać lokat bankowych z pliku " + sciezka +
                                              ": plik danych jest otwarty tylko do odczytu."});
    EXPECT_TRUE(Oferty().empty());
}

TEST_F(TImportOfertTest, UnreadableFileShowsTheErrorThenAnEmptyList) {
    ManualBackgroundWork praca(ManualBackgroundWork::Mode::Immediate);
    IBackgroundWork* poprzednia = Platform::setBackgroundWork(&praca);
    const QString sciezka = Sciezka("zly.vq_lb");
    QFile plik(sciezka);
    ASSERT_TRUE(plik.open(QIODevice::WriteOnly));
    plik.write("to nie jest plik lokat");
    plik.close();
    pliki.answers = {sciezka};
    okna.expect<TOkno>([&](TOkno& d) {
        EXPECT_EQ(d.IloscWierszy(), 0);
        EXPECT_FALSE(d.pan_Czekaj->isVisible());
        EXPECT_EQ(d.lbl_Parsuj_Head->text(), "Lokaty odczytane z pliku \"zly\"");
        // With no rows the toggle changes nothing.
        ClickButton(d, "btn_WybierzPominWszystkie");
        EXPECT_FALSE(d.btn_OK->isEnabled());
        EXPECT_EQ(d.lbl_Parsuj_Head->text(), "Lokaty odczytane z pliku \"zly\"");
    });
    glowne.sbtn_OdczytajLokatyBankoweZPlikuClick();
    Platform::setBackgroundWork(poprzednia);
    ASSERT_EQ(komunikaty.messages.size(), 1);
    EXPECT_EQ(komunikaty.messages[0].caption, "BŁĄD !!!");
    EXPECT_EQ(komunikaty.messages[0].icon, TMessageIcon::Error);
    EXPECT_EQ(komunikaty.messages[0].text,
              "Plik \"" + sciezka +
                  "\" nie jest plikiem lokat bankowych tego programu.\rInvalid stream format");
    EXPECT_TRUE(Oferty().empty());
}

TEST_F(TImportOfertTest, ChecksMenuAndToggleKeepButtonAndHeaderInStep) {
    ManualBackgroundWork praca(ManualBackgroundWork::Mode::Immediate);
    IBackgroundWork* poprzednia = Platform::setBackgroundWork(&praca);
    {
        TOkno okno;
        okno.AdresURLdoStronyZLokatami = PlikTrzechBankow();
        okno.UtworzKolumny(projekt->Kolekcje().TabelaHarmonogramyLokatBankowych().TytulyKolumn());
        okno.show();
        ASSERT_EQ(okno.IloscWierszy(), 4);
        // The check box clicked with the mouse, on and off again.
        const QModelIndex trzeci = okno.lv_Parsuj_LokatyDlaBanku->Model().index(2, 0);
        ClickCheckBox(*okno.lv_Parsuj_LokatyDlaBanku, trzeci);
        EXPECT_TRUE(okno.WierszZaznaczony(2));
        EXPECT_TRUE(okno.btn_OK->isEnabled());
        EXPECT_EQ(okno.lbl_Parsuj_Head->text(), "Lokaty odczytane z pliku \"oferty\" (1/4)");
        ClickCheckBox(*okno.lv_Parsuj_LokatyDlaBanku, trzeci);
        EXPECT_FALSE(okno.btn_OK->isEnabled());
        EXPECT_EQ(okno.lbl_Parsuj_Head->text(), "Lokaty odczytane z pliku \"oferty\" (0/4)");
        okno.btn_WybierzPominWszystkie->click();
        EXPECT_EQ(okno.IloscZaznaczonych(), 4);
        EXPECT_TRUE(okno.btn_OK->isEnabled());
        okno.btn_WybierzPominWszystkie->click();
        EXPECT_EQ(okno.IloscZaznaczonych(), 0);
        EXPECT_FALSE(okno.btn_OK->isEnabled());
        okno.Wybierzwszystkie1->trigger();
        EXPECT_EQ(okno.lbl_Parsuj_Head->text(), "Lokaty odczytane z pliku \"oferty\" (4/4)");
        okno.Pomiwszystkie1->trigger();
        EXPECT_EQ(okno.lbl_Parsuj_Head->text(), "Lokaty odczytane z pliku \"oferty\" (0/4)");
        okno.reject();
    }
    Platform::setBackgroundWork(poprzednia);
}

// --- Download mode -------------------------------------------------------------

class TImportZInternetuTest : public TImportOfertTest {
protected:
    QStringList Tytuly() {
        return projekt->Kolekcje().TabelaHarmonogramyLokatBankowych().TytulyKolumn();
    }
    TestHttpServer serwer;
};

TEST_F(TImportZInternetuTest, BankPageOffersAreShownAndTheTickedMerged) {
    serwer.serve("/bank.php", Strona(CzytajFixture("strona_lokat.html")));
    QString plikStrony;
    okna.expect<TOkno>([&](TOkno& d) {
        ASSERT_TRUE(Czekaj([&] { return d.lv_Parsuj_LokatyDlaBanku->isVisible(); }));
        plikStrony = d.SciezkaDoPlikuHTML();
        EXPECT_TRUE(QFile::exists(plikStrony));
        EXPECT_TRUE(QFileInfo(plikStrony).fileName().startsWith("plik_"));
        EXPECT_EQ(d.lv_Parsuj_LokatyDlaBanku->IloscKolumn(), 10);
        EXPECT_EQ(d.lv_Parsuj_LokatyDlaBanku->TytulKolumny(0), "Nazwa");
        ASSERT_EQ(d.IloscWierszy(), 5);
        EXPECT_EQ(Tekst(d, 0, 2), "5,10%");
        EXPECT_EQ(d.lbl_Parsuj_Head->text(), "Lokaty bankowe oferowane przez \"Bank X\" (0/5)");
        Zaznacz(d, 0);
        Zaznacz(d, 4);
        ClickButton(d, "btn_OK");
    });
    glowne.ImportujLokatyBanku("Bank X", serwer.url("/bank.php"));
    EXPECT_EQ(serwer.requestCount("/bank.php"), 1);
    EXPECT_FALSE(QFile::exists(plikStrony));
    ASSERT_EQ(Oferty().size(), 2u);
    EXPECT_EQ(Oferty()[0]->fBank, "Bank X");
    EXPECT_EQ(Oferty()[0]->fNazwaHarmonogramu, "Lokata na start");
    EXPECT_EQ(Oferty()[1]->fNazwaHarmonogramu, "Lokata roczna");
}

TEST_F(TImportZInternetuTest, RefreshDuringADownloadStartsNoSecondOne) {
    TestHttpResponse wolna = Strona(CzytajFixture("strona_lokat.html"));
    wolna.chunkSize = 500;
    wolna.chunkDelay = std::chrono::milliseconds(60);
    serwer.serve("/wolna.php", wolna);
    okna.expect<TOkno>([&](TOkno& d) {
        ASSERT_TRUE(d.pan_Czekaj->isVisible());
        ClickButton(d, "btn_Odswiez");
        EXPECT_TRUE(d.pan_Czekaj->isVisible());
        EXPECT_EQ(d.IloscWierszy(), 0);
        ASSERT_TRUE(Czekaj([&] { return d.lv_Parsuj_LokatyDlaBanku->isVisible(); }));
        EXPECT_EQ(d.IloscWierszy(), 5);
        // Once it has ended, "Odśwież" downloads again.
        ClickButton(d, "btn_Odswiez");
        ASSERT_TRUE(Czekaj([&] { return d.lv_Parsuj_LokatyDlaBanku->isVisible(); }));
        EXPECT_EQ(d.IloscWierszy(), 5);
    });
    glowne.ImportujLokatyBanku("Bank X", serwer.url("/wolna.php"));
    EXPECT_EQ(serwer.requestCount("/wolna.php"), 2);
}

TEST_F(TImportZInternetuTest, CancelDuringASlowDownloadClosesPromptlyAndMergesNothing) {
    TestHttpResponse zawieszona = Strona(CzytajFixture("strona_lokat.html"));
    zawieszona.stallAfter = 100;
    serwer.serve("/zawieszona.php", zawieszona);
    QString plikStrony;
    QElapsedTimer czas;
    okna.expect<TOkno>([&](TOkno& d) {
        ASSERT_TRUE(Czekaj([&] { return serwer.requestCount("/zawieszona.php") == 1; }));
        plikStrony = d.SciezkaDoPlikuHTML();
        czas.start();
        ClickButton(d, "btn_Cancel");
    });
    glowne.ImportujLokatyBanku("Bank X", serwer.url("/zawieszona.php"));
    EXPECT_LT(czas.elapsed(), 5000);
    EXPECT_FALSE(QFile::exists(plikStrony));
    EXPECT_TRUE(Oferty().empty());
    EXPECT_TRUE(komunikaty.messages.isEmpty());
}

TEST_F(TImportZInternetuTest, PageErrorKeepsTheRowsAndOffersRefresh) {
    QByteArray strona = CzytajFixture("strona_lokat.html");
    strona.replace("Kapitalizacja codzienna", "kapitalizacja tygodniowa");
    serwer.serve("/zla.php", Strona(strona));
    okna.expect<TOkno>([&](TOkno& d) {
        ASSERT_TRUE(Czekaj([&] { return !d.bar_TrwaPobieranie->isVisible(); }));
        EXPECT_EQ(d.IloscWierszy(), 1);
        EXPECT_TRUE(d.lv_Parsuj_LokatyDlaBanku->isVisible());
        EXPECT_TRUE(d.pan_Czekaj->isVisible());
        EXPECT_TRUE(d.lbl_TrwaPobieranie->text().startsWith(
            "Nie udało się pobrać informacji o lokatach dla tego banku.\n"));
        EXPECT_TRUE(d.lbl_TrwaPobieranie->text().endsWith(
            "!!!\nKliknij w przycisk \"Odśwież\" aby pobrać dane ponownie"));
        EXPECT_TRUE(d.btn_Odswiez->isEnabled());
        Zaznacz(d, 0);
        ClickButton(d, "btn_OK");
    });
    glowne.ImportujLokatyBanku("Bank X", serwer.url("/zla.php"));
    ASSERT_EQ(Oferty().size(), 1u);
    EXPECT_EQ(Oferty()[0]->fNazwaHarmonogramu, "Lokata na start");
}

// A page that cannot be fetched, an error page among them, is reported as
// such (never read as a page whose structure has changed), and the list
// stays empty.
TEST_F(TImportZInternetuTest, FailedDownloadShowsWhyAndAnEmptyList) {
    TestHttpResponse brak = Strona("<html><body>Nie ma takiej strony</body></html>");
    brak.status = 404;
    serwer.serve("/brak.php", brak);
    TestHttpResponse awaria = Strona("<html><body>Awaria</body></html>");
    awaria.status = 500;
    serwer.serve("/awaria.php", awaria);
    const struct {
        QString adres;
        QString poczatek;
    } przypadki[] = {
        {QStringLiteral("http://127.0.0.1:%1/bank.php").arg(TestHttpServer::unusedPort()),
         ": serwer odrzucił połączenie.\rError in getting URL access"},
        {serwer.url("/brak.php"),
         ": serwer nie ma takiej strony (błąd HTTP 404).\r"
         "Error in getting URL accessThe requested URL returned error: 404"},
        {serwer.url("/awaria.php"), ": serwer odpowiedział błędem HTTP 500.\r"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.adres.toStdString());
        komunikaty.messages.clear();
        okna.expect<TOkno>([&](TOkno& d) {
            ASSERT_TRUE(Czekaj([&] { return d.lv_Parsuj_LokatyDlaBanku->isVisible(); }));
            EXPECT_EQ(d.IloscWierszy(), 0);
            EXPECT_FALSE(d.pan_Czekaj->isVisible());
            EXPECT_EQ(d.lbl_Parsuj_Head->text(), "Lokaty bankowe oferowane przez \"Bank X\"");
        });
        glowne.ImportujLokatyBanku("Bank X", p.adres);
        ASSERT_EQ(komunikaty.messages.size(), 1);
        EXPECT_EQ(komunikaty.messages[0].caption, "BŁĄD !!!");
        EXPECT_EQ(komunikaty.messages[0].icon, TMessageIcon::Error);
        EXPECT_TRUE(komunikaty.messages[0].text.startsWith("Nie można pobrać strony " + p.adres +
                                                           p.poczatek))
            << komunikaty.messages[0].text.toStdString();
    }
    EXPECT_TRUE(Oferty().empty());
}

TEST_F(TImportZInternetuTest, EveryChosenBankGetsAWindowInListOrderEvenAfterACancel) {
    serwer.serve("/a.php", Strona(CzytajFixture("strona_lokat.html")));
    serwer.serve("/b.php", Strona(CzytajFixture("strona_lokat.html")));
    QStringList naglowki;
    okna.expect<TOkno>([&](TOkno& d) {
        naglowki << d.Bank;
        ClickButton(d, "btn_Cancel");
    });
    okna.expect<TOkno>([&](TOkno& d) {
        naglowki << d.Bank;
        ASSERT_TRUE(Czekaj([&] { return d.lv_Parsuj_LokatyDlaBanku->isVisible(); }));
        Zaznacz(d, 1);
        ClickButton(d, "btn_OK");
    });
    const TMapaBankow linki{{"Alfa", serwer.url("/a.php")}, {"Beta", serwer.url("/b.php")}};
    glowne.ImportujLokatyBankow({"Alfa", "Beta"}, linki);
    EXPECT_EQ(naglowki, (QStringList{"Alfa", "Beta"}));
    ASSERT_EQ(Oferty().size(), 1u);
    EXPECT_EQ(Oferty()[0]->fBank, "Beta");
    EXPECT_EQ(
        ListInTest::Rows(*ListInTest::FindList(glowne, "lv_HarmonogramyLokatBankowych")).size(), 1);
}

} // namespace
