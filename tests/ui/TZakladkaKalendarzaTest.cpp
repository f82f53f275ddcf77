// The "Kalendarz" tab of the deposits window, driven offscreen on
// collections built in memory.
#include "ui/TZakladkaKalendarza.h"

#include "common/ScopedClock.h"
#include "common/ScriptedFileChooser.h"
#include "common/ScriptedMessageBoxes.h"
#include "common/widgets/ModalActions.h"
#include "common/widgets/ScriptedModalRunner.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "domain/TPlikKalendarza.h"
#include "format/Formatowanie.h"
#include "format/TFormatSettings.h"
#include "ui/TFormDodajEdytujLokate.h"
#include "ui/TListaRaportowa.h"
#include "ui/TLokatyFormGlowny.h"
#include "ui/TWykresKalendarza.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

using J = TJednostkaOkresu;

// Today is 2024-03-10. One offer (id 1: 6 % a year, interest at the end).
class ZakladkaKalendarzaTest : public testing::Test {
protected:
    ZakladkaKalendarzaTest() : projekt(katalog.filePath("DataFile.dat")) {
        UstawFormaty();
        auto oferta = std::make_unique<THarmonogramLokatyBankowej>();
        oferta->fId = 1;
        oferta->fBank = QStringLiteral("Bank");
        oferta->fNazwaHarmonogramu = QStringLiteral("Miesięczna");
        oferta->fOprocentowanieWSkaliRoku = 6;
        oferta->fKapitalizacja = TKapitalizacja::PoOkresieUmowy;
        Kolekcje().HarmonogramyLokatBankowych().push_back(std::move(oferta));
    }

    TKolekcjeDanych& Kolekcje() { return projekt.Kolekcje(); }

    void Dodaj(int32_t id, const QString& nazwa, double kwota, TDateTime start, bool aktywna = true,
               int32_t oferta = 1) {
        Kolekcje().Lokaty().push_back(std::make_unique<TLokata>(
            id, nazwa, kwota, start, 1, J::Miesiac, oferta, aktywna, TTypModyfikacji::BezZmian));
    }

    // Overdue, ending late in March, on the first of April, in May without
    // an offer, and one ended by the user.
    void WypelnijPrzyklad() {
        Dodaj(1, "Zaległa", 1000, EncodeDate(2024, 1, 5));
        Dodaj(2, "Koniec marca", 12000, EncodeDate(2024, 2, 29));
        Dodaj(3, "Pierwszy kwietnia", 5000, EncodeDate(2024, 3, 1));
        Dodaj(4, "Bez oferty", 3000, EncodeDate(2024, 4, 20), true, -1);
        Dodaj(5, "Zakończona", 9000, EncodeDate(2024, 3, 1), false);
    }

    void Pokaz() {
        okno.MyDB = &projekt;
        okno.show();
        zakladki()->setCurrentWidget(zakladka());
    }

    template <class T> T* kontrolka(const char* nazwa) {
        T* k = okno.findChild<T*>(QLatin1String(nazwa));
        EXPECT_NE(k, nullptr) << nazwa;
        return k;
    }
    QTabWidget* zakladki() { return kontrolka<QTabWidget>("pgc_Zakladki"); }
    TZakladkaKalendarza* zakladka() { return kontrolka<TZakladkaKalendarza>("ts_Kalendarz"); }
    TWykresKalendarza* wykres() { return kontrolka<TWykresKalendarza>("wyk_Kalendarz"); }
    TListaRaportowa* lista() { return kontrolka<TListaRaportowa>("lv_Kalendarz"); }
    QToolButton* eksport() { return kontrolka<QToolButton>("btn_EksportujDoKalendarza"); }
    bool PokazujePustyStan() {
        return kontrolka<QStackedWidget>("pnl_Kalendarz")->currentWidget() ==
               kontrolka<QLabel>("lbl_BrakLokat");
    }

    QStringList Grupy() { return lista()->Grupy(); }
    QString WybranaNazwa() {
        const TWierszRaportu* wiersz = lista()->WybranyWiersz();
        return wiersz ? lista()->IndeksWiersza(*wiersz).data().toString().trimmed() : QString();
    }

    ScopedClock zegar{EncodeDateTime(2024, 3, 10, 12, 0)};
    ScriptedMessageBoxes komunikaty;
    ScriptedModalRunner okna;
    ScriptedFileChooser pliki;
    QTemporaryDir katalog;
    TProjektDB projekt;
    TLokatyFormGlowny okno;
};

TEST_F(ZakladkaKalendarzaTest, ThirdTabShowsTheMonthsAndTheChartOfTheNextYear) {
    WypelnijPrzyklad();
    Pokaz();
    EXPECT_EQ(zakladki()->indexOf(zakladka()), 2);
    EXPECT_EQ(zakladki()->tabText(2), "&Kalendarz");
    EXPECT_FALSE(PokazujePustyStan());

    const QStringList grupy = Grupy();
    ASSERT_EQ(grupy.size(), 4) << grupy.join('|').toStdString();
    EXPECT_TRUE(grupy[0].startsWith("Po terminie   (lokat: 1, kwota: " + FormatMoney(1000)));
    EXPECT_TRUE(grupy[1].startsWith("marzec 2024   (lokat: 1, kwota: " + FormatMoney(12000)));
    EXPECT_TRUE(grupy[2].startsWith("kwiecień 2024   (lokat: 1, kwota: " + FormatMoney(5000)));
    EXPECT_EQ(grupy[3], "maj 2024   (lokat: 1, kwota: " + FormatMoney(3000) +
                            ", szacowany zysk: " + FormatMoney(0) + ")");
    EXPECT_EQ(lista()->IloscWierszy(), 4) << "the ended deposit is left out";

    ASSERT_EQ(wykres()->IloscSlupkow(), 12);
    EXPECT_EQ(wykres()->Miesiac(0).Klucz(), "2024-03");
    EXPECT_EQ(wykres()->Miesiac(11).Klucz(), "2025-02");
    // 12000 for 30 days at 6 %: 60 gross, 11 tax.
    EXPECT_EQ(wykres()->OpisSlupka(0),
              "marzec 2024\nKończące się lokaty: 1\nKwota: " + FormatMoney(12000) +
                  "\nSzacowany zysk: " + FormatMoney(49));
}

TEST_F(ZakladkaKalendarzaTest, ClickOnABarSelectsItsMonthInTheList) {
    WypelnijPrzyklad();
    Pokaz();
    QTest::mouseClick(wykres(), Qt::LeftButton, {}, wykres()->ObszarSlupka(1).center());
    EXPECT_EQ(WybranaNazwa(), "Pierwszy kwietnia");
    QTest::mouseClick(wykres(), Qt::LeftButton, {}, wykres()->ObszarSlupka(0).center());
    EXPECT_EQ(WybranaNazwa(), "Koniec marca");
    // A month without deposits selects nothing.
    QTest::mouseClick(wykres(), Qt::LeftButton, {}, wykres()->ObszarSlupka(5).center());
    EXPECT_EQ(lista()->WybranyWiersz(), nullptr);
}

TEST_F(ZakladkaKalendarzaTest, RefreshesWithTheListsAndShowsAnEmptyState) {
    Dodaj(5, "Zakończona", 9000, EncodeDate(2024, 3, 1), false);
    Pokaz();
    EXPECT_TRUE(PokazujePustyStan());
    EXPECT_FALSE(eksport()->isEnabled());

    Dodaj(6, "Nowa", 2000, EncodeDate(2024, 3, 5));
    okno.WypelnijListy(false);
    EXPECT_FALSE(PokazujePustyStan());
    EXPECT_EQ(lista()->IloscWierszy(), 1);
    EXPECT_TRUE(eksport()->isEnabled());

    // Only overdue deposits: listed, but nothing to put in a calendar.
    Kolekcje().Lokaty().back()->SetDataRozpoczecia(EncodeDate(2024, 1, 1));
    okno.WypelnijListy(false);
    EXPECT_EQ(Grupy().size(), 1);
    EXPECT_FALSE(eksport()->isEnabled());
}

TEST_F(ZakladkaKalendarzaTest, DoubleClickOpensTheDepositInTheEditor) {
    WypelnijPrzyklad();
    Pokaz();
    QString nazwa;
    okna.expect<TFormDodajEdytujLokate>(
        [&nazwa](TFormDodajEdytujLokate& d) { nazwa = d.e_AddL_Nazwa->text(); });
    const QModelIndex wiersz = lista()->IndeksWiersza(*lista()->Wiersze().at(2));
    ASSERT_EQ(wiersz.data().toString().trimmed(), "Pierwszy kwietnia");
    QCoreApplication::processEvents();
    const QPoint punkt = lista()->visualRect(wiersz).center();
    QTest::mouseClick(lista()->viewport(), Qt::LeftButton, {}, punkt);
    QTest::mouseDClick(lista()->viewport(), Qt::LeftButton, {}, punkt);
    EXPECT_EQ(nazwa, "Pierwszy kwietnia");
    EXPECT_EQ(okna.shownNames().size(), 1);
}

TEST_F(ZakladkaKalendarzaTest, ExportWritesTheFileChosenOrNamesThePathThatFailed) {
    WypelnijPrzyklad();
    Dodaj(1006, "Niezapisana", 1000, EncodeDate(2024, 5, 1)); // left out: no stored id yet
    Kolekcje().Lokaty().back()->SetZmiany(TTypModyfikacji::Dodano);
    Pokaz();
    const QString cel = katalog.filePath("lokaty.ics");
    pliki.answers = {cel, katalog.filePath("brak/lokaty.ics"), QString()};

    eksport()->click();
    ASSERT_EQ(pliki.requests.size(), 1);
    EXPECT_TRUE(pliki.requests[0].save);
    EXPECT_EQ(pliki.requests[0].filter, "Kalendarz iCalendar (*.ics)");
    QFile plik(cel);
    ASSERT_TRUE(plik.open(QIODevice::ReadOnly));
    const QByteArray tekst = plik.readAll();
    plik.close();
    EXPECT_EQ(tekst.count("BEGIN:VEVENT"), 3);
    EXPECT_TRUE(tekst.contains(
        ("UID:" + TPlikKalendarza::Uid(2, katalog.filePath("DataFile.dat")) + "\r\n").toUtf8()));
    ASSERT_EQ(komunikaty.messages.size(), 1);
    EXPECT_TRUE(komunikaty.messages[0].text.contains(cel));
    EXPECT_TRUE(komunikaty.messages[0].text.startsWith("Daty zakończenia lokat (3)"));
    EXPECT_TRUE(komunikaty.messages[0].text.endsWith(
        " Pominięto lokaty jeszcze niezapisane: 1; zapisz zmiany i wyeksportuj kalendarz "
        "ponownie."));

    eksport()->click();
    ASSERT_EQ(komunikaty.messages.size(), 2);
    EXPECT_EQ(komunikaty.messages[1].icon, TMessageIcon::Error);
    EXPECT_TRUE(komunikaty.messages[1].text.startsWith("Nie udało się zapisać pliku \"" +
                                                       katalog.filePath("brak/lokaty.ics")));

    // Cancelled: nothing written, nothing said.
    eksport()->click();
    EXPECT_EQ(komunikaty.messages.size(), 2);
}

} // namespace
