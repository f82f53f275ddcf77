// One CSV for the window and the tools: "Eksportuj do CSV…" of each list of
// the deposits window writes the very bytes that "talvora lokaty|oferty|
// kalendarz --csv" prints for the same data file.
#include "common/ScopedClock.h"
#include "common/ScriptedFileChooser.h"
#include "common/ScriptedMessageBoxes.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "data/TempDatabaseFile.h"
#include "format/TFormatSettings.h"
#include "tools/HostTools.h"
#include "ui/TLokatyFormGlowny.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTabWidget>
#include <QTextStream>
#include <gtest/gtest.h>

namespace {

using J = TJednostkaOkresu;

QByteArray WyjscieNarzedzia(const QStringList& argumenty) {
    QString wyjscie, bledy;
    QTextStream out(&wyjscie), err(&bledy);
    EXPECT_EQ(RunHostCommand(argumenty, out, err), 0) << bledy.toStdString();
    return wyjscie.toUtf8();
}

// Offers of three banks (one spelt two ways), deposits active and ended,
// with and without an offer, ending over several months; stored in the file.
void ZapiszDane(const QString& sciezka) {
    TProjektDB projekt(sciezka);
    TKolekcjeDanych& k = projekt.Kolekcje();
    const auto oferta = [&k](const char* bank, const char* nazwa, uint32_t miesiecy, double procent,
                             double minimalna) {
        auto h = std::make_unique<THarmonogramLokatyBankowej>();
        h->fBank = QString::fromUtf8(bank);
        h->fNazwaHarmonogramu = QString::fromUtf8(nazwa);
        h->fOkresDepozytu = miesiecy;
        h->fJednostkaDepozytu = J::Miesiac;
        h->fOprocentowanieWSkaliRoku = procent;
        h->fKapitalizacja = TKapitalizacja::Miesieczna;
        h->fKwotaMinimalna = minimalna;
        h->fWarunkiWczesniejszegoZerwaniaLokaty = QStringLiteral("utrata odsetek\r\nbez opłat");
        h->fZmiany = TTypModyfikacji::Dodano;
        k.HarmonogramyLokatBankowych().push_back(std::move(h));
    };
    oferta("Żółty Bank", "Lokata Srebrna", 3, 5.25, 1000);
    oferta("Alfa", "Roczna", 12, 4.5, 0);
    oferta("ŻÓŁTY BANK", "Nocna", 1, 6, 250000.5);
    ASSERT_TRUE(
        projekt.ZapiszZawartoscKolekcjiDoBazy(TTabele::HarmonogramyLokatBankowych).Zapisano());
    const auto lokata = [&k](const char* nazwa, double kwota, TDateTime start, uint16_t okres,
                             int32_t idOferty, bool aktywna) {
        k.Lokaty().push_back(std::make_unique<TLokata>(-1, QString::fromUtf8(nazwa), kwota, start,
                                                       okres, J::Miesiac, idOferty, aktywna,
                                                       TTypModyfikacji::Dodano));
    };
    lokata("Na remont", 300000, EncodeDate(2024, 5, 1), 3, 1, true);
    lokata("Wakacje\nw górach", 2500.5, EncodeDate(2024, 6, 1), 12, 2, true);
    lokata("Zaległa", 1234.56, EncodeDate(2024, 1, 1), 3, 3, true);
    lokata("Bez oferty", 700, EncodeDate(2024, 6, 5), 1, -1, true);
    lokata("Zakończona", 900, EncodeDate(2023, 1, 10), 3, 2, false);
    ASSERT_TRUE(projekt.ZapiszZawartoscKolekcjiDoBazy(TTabele::Lokaty).Zapisano());
}

TEST(EksportList, TheWindowAndTheToolsWriteTheSameCsv) {
    ScopedClock zegar(EncodeDateTime(2024, 6, 10, 12, 0));
    ScriptedMessageBoxes komunikaty;
    ScriptedFileChooser pliki;
    TempDatabaseFile plik;
    ZapiszDane(plik.path());

    UstawFormaty();
    TProjektDB projekt(plik.path());
    projekt.OdswiezZawartoscKolekcji(TTabele::Lokaty);
    projekt.OdswiezZawartoscKolekcji(TTabele::HarmonogramyLokatBankowych);
    TLokatyFormGlowny okno;
    okno.MyDB = &projekt;
    okno.show();

    const struct {
        int zakladka;
        const char* menu;
        const char* pozycja;
        QString narzedzie;
    } listy[] = {
        {0, "pmenu_Lokaty", "EksportujListe1", "lokaty"},
        {1, "pmenu_LokatyBankowe", "EksportujListe2", "oferty"},
        {2, "pmenu_Kalendarz", "EksportujListe3", "kalendarz"},
    };
    for (const auto& l : listy) {
        SCOPED_TRACE(l.narzedzie.toStdString());
        okno.findChild<QTabWidget*>("pgc_Zakladki")->setCurrentIndex(l.zakladka);
        const QString cel = plik.folder() + "/" + l.narzedzie + ".csv";
        pliki.answers = {cel};
        emit okno.findChild<QMenu*>(QLatin1String(l.menu))->aboutToShow();
        okno.findChild<QAction*>(QLatin1String(l.pozycja))->trigger();
        QFile eksport(cel);
        ASSERT_TRUE(eksport.open(QIODevice::ReadOnly));
        const QByteArray zOkna = eksport.readAll();
        EXPECT_GT(zOkna.count("\r\n"), 3);
        EXPECT_EQ(zOkna, WyjscieNarzedzia({l.narzedzie, "--db", plik.path(), "--csv"}));
    }
    EXPECT_TRUE(komunikaty.messages.isEmpty()) << komunikaty.texts().join('\n').toStdString();
}

} // namespace
