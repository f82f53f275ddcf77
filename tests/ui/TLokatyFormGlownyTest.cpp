// The deposits window driven offscreen on collections built in memory.
#include "ui/TLokatyFormGlowny.h"

#include "common/ScopedClock.h"
#include "common/ScriptedMessageBoxes.h"
#include "common/ScriptedWebBrowser.h"
#include "common/widgets/ListInTest.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "format/TFormatSettings.h"
#include "platform/BuildConfig.h"
#include "platform/WebAddresses.h"
#include "ui/TEtykietaSkracana.h"
#include "ui/TKoloryWierszyLokat.h"
#include "ui/TListaRaportowa.h"
#include "ui/TPrzyciskBoczny.h"

#include <QAction>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QSettings>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

using J = TJednostkaOkresu;
using K = TKapitalizacja;

struct Oferta {
    int32_t id;
    QString bank, nazwa;
    uint32_t okres;
    J jednostka;
    double oprocentowanie;
    K kapitalizacja;
    TTypModyfikacji zmiany = TTypModyfikacji::BezZmian;
};

struct Lokata {
    int32_t id;
    QString nazwa;
    double kwota;
    TDateTime start;
    uint16_t okres;
    J jednostka;
    int32_t idOferty;
    bool aktywna;
    TTypModyfikacji zmiany = TTypModyfikacji::BezZmian;
};

class LokatyFormGlownyTest : public testing::Test {
protected:
    LokatyFormGlownyTest()
        : zegar(EncodeDateTime(2024, 3, 10, 12, 0)), projekt(katalog.filePath("DataFile.dat")) {
        UstawFormaty();
    }
    ~LokatyFormGlownyTest() override { WebAddresses::RestoreDefaults(); }

    TKolekcjeDanych& kolekcje() { return projekt.Kolekcje(); }

    THarmonogramLokatyBankowej& dodaj(const Oferta& o) {
        auto h = std::make_unique<THarmonogramLokatyBankowej>();
        h->fId = o.id;
        h->fBank = o.bank;
        h->fNazwaHarmonogramu = o.nazwa;
        h->fOkresDepozytu = o.okres;
        h->fJednostkaDepozytu = o.jednostka;
        h->fOprocentowanieWSkaliRoku = o.oprocentowanie;
        h->fKapitalizacja = o.kapitalizacja;
        h->fZmiany = o.zmiany;
        kolekcje().HarmonogramyLokatBankowych().push_back(std::move(h));
        return *kolekcje().HarmonogramyLokatBankowych().back();
    }

    void dodaj(const Lokata& l) {
        kolekcje().Lokaty().push_back(std::make_unique<TLokata>(l.id, l.nazwa, l.kwota, l.start,
                                                                l.okres, l.jednostka, l.idOferty,
                                                                l.aktywna, l.zmiany));
    }

    // The usual small catalogue and four deposits (one of them deleted).
    void wypelnijPrzyklad() {
        auto& alfa = dodaj({1, "Alfa", "Lokata", 3, J::Miesiac, 4.5, K::Miesieczna});
        alfa.fOprocentowanieStaleWCalymOkresieLokaty = true;
        alfa.fWarunkiWczesniejszegoZerwaniaLokaty = "utrata odsetek";
        alfa.fPozostaleInformacje = "promocja";
        auto& beta = dodaj({2, "Beta", "Roczna", 1, J::Rok, 4.0, K::Kwartalna});
        beta.fKwotaMinimalna = 1000;
        beta.fKwotaMaksymalna = 50000;
        beta.fWymaganeKontoOsobisteWTymBanku = true;
        dodaj({3, "BETA", "Krótka", 14, J::Dzien, 3.0, K::PoOkresieUmowy});
        dodaj({4, "Gamma", "Stara", 6, J::Miesiac, 2.0, K::Roczna, TTypModyfikacji::Usunieto});
        dodaj({10, "Lokata A", 10000, EncodeDate(2024, 1, 10), 3, J::Miesiac, 1, true});
        dodaj({20, "Bez oferty", 2500, EncodeDate(2023, 5, 1), 6, J::Miesiac, -1, false});
        dodaj({30, "Zgubiona oferta", 5000, EncodeDate(2024, 3, 1), 1, J::Tydzien, 99, true});
        dodaj({40, "Usunięta", 700, EncodeDate(2024, 2, 1), 1, J::Miesiac, 1, true,
               TTypModyfikacji::Usunieto});
    }

    TLokatyFormGlowny& pokaz(bool zBaza = true) {
        okno = std::make_unique<TLokatyFormGlowny>();
        okno->MyDB = zBaza ? &projekt : nullptr;
        okno->show();
        return *okno;
    }

    template <class T> T* kontrolka(const char* nazwa) {
        T* k = okno->findChild<T*>(QLatin1String(nazwa));
        EXPECT_NE(k, nullptr) << nazwa;
        return k;
    }
    TListaRaportowa* lokaty() { return kontrolka<TListaRaportowa>("lv_Lokaty"); }
    // The offers list with its tab in front, where the user sees it filled.
    TListaRaportowa* oferty() {
        auto* lista = kontrolka<TListaRaportowa>("lv_HarmonogramyLokatBankowych");
        if (lista)
            ListInTest::ShowTab(*lista);
        return lista;
    }
    QTabWidget* zakladki() { return kontrolka<QTabWidget>("pgc_Zakladki"); }

    static QStringList komorki(const TListaRaportowa* lista, const TWierszRaportu* w) {
        return w ? ListInTest::Cells(*lista, lista->IndeksWiersza(*w)) : QStringList();
    }
    static QStringList kolumna0(const TListaRaportowa* lista) {
        QStringList teksty;
        for (const TWierszRaportu* w : lista->Wiersze())
            teksty << lista->IndeksWiersza(*w).data().toString().trimmed();
        return teksty;
    }
    static QStringList grupy(const TListaRaportowa* lista) { return ListInTest::Groups(*lista); }
    const TWierszRaportu* wierszLokaty(const QString& nazwa) {
        return lokaty()->WierszDla(ListInTest::RowWithText(*lokaty(), nazwa));
    }
    // The first row under the group.
    static const TWierszRaportu* pierwszyWiersz(const TListaRaportowa* lista, int grupa) {
        const auto wiersze = lista->Wiersze();
        for (const TWierszRaportu* w : wiersze)
            if (w->grupa == grupa)
                return w;
        return nullptr;
    }
    void kliknijWiersz(TListaRaportowa* lista, const TWierszRaportu* wiersz) {
        ASSERT_NE(wiersz, nullptr);
        ListInTest::Click(*lista, lista->IndeksWiersza(*wiersz));
    }
    void kliknijNaglowek(TListaRaportowa* lista, int kolumna) {
        QHeaderView* h = lista->header();
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                          QPoint(h->sectionViewportPosition(kolumna) + 5, h->height() / 2));
    }

    ScopedClock zegar;
    QTemporaryDir katalog;
    TProjektDB projekt;
    std::unique_ptr<TLokatyFormGlowny> okno;
};

TEST_F(LokatyFormGlownyTest, DepositListShowsEveryColumnGroupedByState) {
    wypelnijPrzyklad();
    pokaz();
    const QStringList tytuly = ListInTest::ColumnTitles(*lokaty());
    EXPECT_EQ(tytuly, QStringList({"Nazwa", "Kwota", "Data rozpoczęcia", "Czas trwania",
                                   "Lokata bankowa", "Szacowana data zakończenia", "Szacowany zysk",
                                   "Ilość dni do zakończenia"}));
    EXPECT_EQ(lokaty()->WyrownanieKolumny(0), Qt::AlignLeft);
    for (int i = 1; i < 8; ++i)
        EXPECT_EQ(lokaty()->WyrownanieKolumny(i), Qt::AlignRight) << i;

    // Sorted by end date when the window opens; the deleted deposit is not listed.
    EXPECT_EQ(grupy(lokaty()), QStringList({"Lokaty aktywne: Zgubiona oferta, Lokata A",
                                            "Lokaty nieaktywne, zakończone: Bez oferty"}));
    EXPECT_EQ(komorki(lokaty(), wierszLokaty("Lokata A")),
              QStringList({"  Lokata A", "10 000,00 zł", "2024-01-10", "3 miesiące",
                           "Alfa - Lokata 3M (4,50%)", "2024-04-10", "91,92 zł", "31"}));
    EXPECT_EQ(komorki(lokaty(), wierszLokaty("Bez oferty")),
              QStringList({"  Bez oferty", "2 500,00 zł", "2023-05-01", "6 miesięcy", "",
                           "2023-11-01", "wybierz lokatę bankową aby policzyć szacowany zysk",
                           "Lokata nie jest aktywna"}));
    // An offer id that matches no offer: empty offer cell, profit 0.
    EXPECT_EQ(komorki(lokaty(), wierszLokaty("Zgubiona oferta")),
              QStringList({"  Zgubiona oferta", "5 000,00 zł", "2024-03-01", "1 tydzień", "",
                           "2024-03-08", "0,00 zł", "-2"}));
    // Group headers cannot be selected; rows carry their deposit.
    const QModelIndex grupa = lokaty()->model()->index(0, 0);
    EXPECT_FALSE(grupa.flags() & Qt::ItemIsSelectable);
    EXPECT_TRUE(lokaty()->isFirstColumnSpanned(0, {}));
    EXPECT_TRUE(lokaty()->isExpanded(grupa));
    EXPECT_EQ(okno->LokataWiersza(wierszLokaty("Lokata A"))->Id(), 10);
    EXPECT_EQ(okno->LokataWiersza(oferty()->Wiersze().front()), nullptr) << "another list's row";
    EXPECT_EQ(projekt.WyswietlanaTabela(), TTabele::Lokaty);
    EXPECT_EQ(kontrolka<QLabel>("lbl_IleLokat")->text(),
              "Ilość aktywnych lokat: 2,   kwota na lokatach: 15 000,00 zł,   szacowany zysk z "
              "lokat: 91,92 zł");
}

TEST_F(LokatyFormGlownyTest, OfferListGroupsBanksIgnoringCaseAndCountsListedOffers) {
    wypelnijPrzyklad();
    pokaz();
    const QStringList tytuly = ListInTest::ColumnTitles(*oferty());
    EXPECT_EQ(tytuly,
              QStringList({"Bank", "Nazwa", "Okres lokaty", "% w skali roku", "Kapitalizacja",
                           "Kwota minimalna", "Kwota maksymalna", "Oprocentowanie",
                           "Posiadanie konta osobistego", "Warunki wcześniejszego zerwania umowy",
                           "Pozostałe informacje"}));
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(oferty()->WyrownanieKolumny(i), i >= 2 && i <= 6 ? Qt::AlignRight : Qt::AlignLeft)
            << i;
    // "Beta" and "BETA" share the group headed by the spelling that comes
    // first in catalogue order; Gamma has only a deleted offer: no group.
    EXPECT_EQ(grupy(oferty()), QStringList({"Alfa: Alfa", "Beta: Beta, BETA"}));
    EXPECT_EQ(komorki(oferty(), pierwszyWiersz(oferty(), 0)),
              QStringList({"Alfa", "Lokata 3M", "3 miesiące", "4,50%", "Miesięczna", "(brak)",
                           "(brak górnego ograniczenia)", "Stałe", "Niewymagane", "utrata odsetek",
                           "promocja"}));
    EXPECT_EQ(komorki(oferty(), pierwszyWiersz(oferty(), 1)),
              QStringList({"Beta", "Roczna 1R", "1 rok", "4,00%", "Kwartalna", "1 000,00 zł",
                           "50 000,00 zł", "Zmienne", "Wymagane", "", ""}));
    EXPECT_EQ(zakladki()->tabText(1), "Lokaty &oferowane przez banki (3)");
    EXPECT_EQ(zakladki()->tabText(0), "&Lokaty");
}

// The offers list waits for its tab (the tab's title counts the offers all
// the same); a refill while it is hidden keeps the offer selected in it.
TEST_F(LokatyFormGlownyTest, OfferListIsFilledWhenItsTabIsShownAndKeepsItsSelection) {
    wypelnijPrzyklad();
    pokaz();
    auto* lista = kontrolka<TListaRaportowa>("lv_HarmonogramyLokatBankowych");
    EXPECT_EQ(lista->IloscWierszy(), 0);
    EXPECT_EQ(zakladki()->tabText(1), "Lokaty &oferowane przez banki (3)");
    zakladki()->setCurrentIndex(1);
    ASSERT_EQ(lista->IloscWierszy(), 3);
    const TWierszRaportu& drugi = *lista->Wiersze()[1];
    const void* wybrana = drugi.rekord;
    lista->Zaznacz(drugi);
    zakladki()->setCurrentIndex(0);
    okno->WypelnijListy(true);
    EXPECT_EQ(lista->IloscWierszy(), 0) << "no rows left pointing at replaced records";
    zakladki()->setCurrentIndex(1);
    ASSERT_NE(lista->WybranyWiersz(), nullptr);
    EXPECT_EQ(lista->WybranyWiersz()->rekord, wybrana);
}

TEST_F(LokatyFormGlownyTest, EmptyCollectionsGiveEmptyListsAndZeroSummary) {
    pokaz();
    EXPECT_EQ(lokaty()->IloscWierszy(), 0);
    EXPECT_EQ(lokaty()->model()->rowCount(), 0);
    EXPECT_EQ(kontrolka<QLabel>("lbl_IleLokat")->text(),
              "Ilość aktywnych lokat: 0,   kwota na lokatach: 0,00 zł,   szacowany zysk z "
              "lokat: 0,00 zł");
    EXPECT_EQ(zakladki()->tabText(1), "Lokaty &oferowane przez banki (0)");
}

TEST_F(LokatyFormGlownyTest, RowColoursFollowStateAndDaysLeft) {
    // Starting today (or yesterday) for n days at noon: n days left.
    const TDateTime dzis = EncodeDate(2024, 3, 10);
    dodaj({1, "siedem", 100, dzis, 7, J::Dzien, -1, true});
    dodaj({2, "osiem", 100, dzis, 8, J::Dzien, -1, true});
    dodaj({3, "zero", 100, dzis, 0, J::Dzien, -1, true});
    dodaj({4, "minus jeden", 100, dzis - 1, 0, J::Dzien, -1, true});
    dodaj({5, "nieaktywna", 100, dzis, 8, J::Dzien, -1, false});
    for (int i = 0; i < 3; ++i)
        dodaj({i + 1, "Bank", QString("Oferta %1").arg(i), 1, J::Miesiac, 1.0 + i, K::Roczna});
    pokaz();
    const QPalette paleta = lokaty()->palette();
    const QColor zielone(209, 255, 160);
    struct Przypadek {
        QString nazwa, dni;
        QColor tlo, tekst;
    } przypadki[] = {
        {"siedem", "7", zielone, paleta.color(QPalette::Text)},
        {"osiem", "8", paleta.color(QPalette::Base), paleta.color(QPalette::Text)},
        {"zero", "0", zielone, paleta.color(QPalette::Text)},
        {"minus jeden", "-1", zielone, paleta.color(QPalette::Text)},
        {"nieaktywna", "Lokata nie jest aktywna", QColor(249, 249, 249), QColor(110, 110, 110)},
    };
    lokaty()->clearSelection();
    const QImage obraz = lokaty()->viewport()->grab().toImage();
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.nazwa.toStdString());
        const TWierszRaportu* w = wierszLokaty(p.nazwa);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(komorki(lokaty(), w).value(7), p.dni);
        const auto kolory = lokaty()->KoloryWiersza(w);
        ASSERT_TRUE(kolory.has_value());
        EXPECT_EQ(kolory->tlo, p.tlo);
        EXPECT_EQ(kolory->tekst, p.tekst);
        // The painted row shows the background beside its text.
        const QRect r = lokaty()->visualRect(lokaty()->IndeksWiersza(*w));
        const QPoint punkt(lokaty()->columnViewportPosition(0) + lokaty()->columnWidth(0) - 6,
                           r.top() + 3);
        EXPECT_EQ(obraz.pixelColor(punkt * obraz.devicePixelRatio()), p.tlo);
    }
    const auto wiersze = oferty()->Wiersze();
    ASSERT_EQ(wiersze.size(), 3);
    for (int i = 0; i < 3; ++i) {
        const auto kolory = oferty()->KoloryWiersza(wiersze[i]);
        EXPECT_EQ(kolory->tlo, i % 2 == 0 ? QColor(220, 230, 241) : QColor(Qt::white)) << i;
        EXPECT_EQ(kolory->tekst, QColor(Qt::black)) << i;
    }
}

TEST_F(LokatyFormGlownyTest, HeaderClickSortsDepositsByTheColumnsOrder) {
    // Starts 3 < 1 < 2, terms 2 < 3 < 1, ends 3 < 2 < 1.
    dodaj({1, "Adam", 200, EncodeDate(2024, 1, 5), 12, J::Miesiac, -1, true});
    dodaj({2, "Bartek", 100, EncodeDate(2024, 2, 1), 1, J::Tydzien, -1, true});
    dodaj({3, "Cezary", 300, EncodeDate(2023, 12, 1), 2, J::Miesiac, -1, true});
    pokaz();
    EXPECT_EQ(kolumna0(lokaty()), QStringList({"Cezary", "Bartek", "Adam"}));
    struct Klik {
        int kolumna;
        QStringList kolejnosc;
    } kliki[] = {
        {0, {"Adam", "Bartek", "Cezary"}}, {4, {"Adam", "Bartek", "Cezary"}},
        {6, {"Adam", "Bartek", "Cezary"}}, {7, {"Cezary", "Bartek", "Adam"}},
        {1, {"Bartek", "Adam", "Cezary"}}, {2, {"Cezary", "Adam", "Bartek"}},
        {3, {"Bartek", "Cezary", "Adam"}}, {5, {"Cezary", "Bartek", "Adam"}},
        {0, {"Adam", "Bartek", "Cezary"}}, {0, {"Adam", "Bartek", "Cezary"}},
    };
    for (const auto& k : kliki) {
        kliknijNaglowek(lokaty(), k.kolumna);
        EXPECT_EQ(kolumna0(lokaty()), k.kolejnosc) << "column " << k.kolumna;
    }
    EXPECT_FALSE(lokaty()->header()->isSortIndicatorShown());
}

TEST_F(LokatyFormGlownyTest, OfferHeaderClickRefillsInCatalogueOrder) {
    wypelnijPrzyklad();
    pokaz();
    dodaj({5, "Aaa", "Nowa", 1, J::Miesiac, 1.0, K::Roczna});
    kliknijNaglowek(oferty(), 3);
    EXPECT_EQ(komorki(oferty(), pierwszyWiersz(oferty(), 0)).value(0), "Aaa");
    EXPECT_EQ(zakladki()->tabText(1), "Lokaty &oferowane przez banki (4)");
}

TEST_F(LokatyFormGlownyTest, SideButtonsFollowSelectionAndTab) {
    wypelnijPrzyklad();
    pokaz();
    struct Stan {
        bool wlaczony, widoczny;
    };
    const auto stan = [this](const char* nazwa) {
        QWidget* w = kontrolka<QWidget>(nazwa);
        return Stan{w->isEnabled(), !w->isHidden()};
    };
    const auto sprawdz = [&](const char* opis,
                             std::initializer_list<std::pair<const char*, Stan>> oczekiwane) {
        for (const auto& [nazwa, s] : oczekiwane) {
            const Stan jest = stan(nazwa);
            EXPECT_EQ(jest.wlaczony, s.wlaczony) << opis << ": " << nazwa << " enabled";
            EXPECT_EQ(jest.widoczny, s.widoczny) << opis << ": " << nazwa << " visible";
        }
    };
    const Stan wl{true, true}, wyl{false, true}, ukryty{false, false};
    sprawdz("no selection", {{"sbtn_DodajLokate", wl},
                             {"sbtn_EdytujLokate", wyl},
                             {"sbtn_UsunLokate", wyl},
                             {"sbtn_ZakonczLokate", wyl},
                             {"sbtn_RozpocznijLokate", ukryty},
                             {"sbtn_RozpocznijJakoNowaLokate", ukryty},
                             {"sbtn_DodajLokateBankowa", wyl},
                             {"sbtn_EdytujLokateBankowa", wyl},
                             {"sbtn_UsunLokateBankowa", wyl},
                             {"btn_AktualizujLokaty", {true, false}}});
    kliknijWiersz(lokaty(), wierszLokaty("Lokata A"));
    sprawdz("active deposit", {{"sbtn_EdytujLokate", wl},
                               {"sbtn_UsunLokate", wl},
                               {"sbtn_ZakonczLokate", wl},
                               {"sbtn_RozpocznijLokate", ukryty},
                               {"sbtn_RozpocznijJakoNowaLokate", wl}});
    kliknijWiersz(lokaty(), wierszLokaty("Bez oferty"));
    sprawdz("inactive deposit", {{"sbtn_EdytujLokate", wyl},
                                 {"sbtn_UsunLokate", wl},
                                 {"sbtn_ZakonczLokate", ukryty},
                                 {"sbtn_RozpocznijLokate", wl},
                                 {"sbtn_RozpocznijJakoNowaLokate", wl}});
    // A group header cannot be selected.
    ListInTest::Click(*lokaty(), lokaty()->model()->index(0, 0));
    EXPECT_EQ(okno->WybranaLokata(), nullptr);
    sprawdz("group header", {{"sbtn_ZakonczLokate", wyl}, {"sbtn_RozpocznijLokate", ukryty}});
    kliknijWiersz(lokaty(), wierszLokaty("Bez oferty"));

    zakladki()->setCurrentIndex(1);
    sprawdz("offers tab", {{"sbtn_DodajLokate", wyl},
                           {"sbtn_UsunLokate", wyl},
                           {"sbtn_ZakonczLokate", wyl},
                           {"sbtn_RozpocznijLokate", ukryty},
                           {"sbtn_RozpocznijJakoNowaLokate", ukryty},
                           {"sbtn_DodajLokateBankowa", wl},
                           {"sbtn_EdytujLokateBankowa", wyl},
                           {"sbtn_UsunLokateBankowa", wyl}});
    kliknijWiersz(oferty(), pierwszyWiersz(oferty(), 0));
    sprawdz("offer selected", {{"sbtn_EdytujLokateBankowa", wl}, {"sbtn_UsunLokateBankowa", wl}});
    EXPECT_EQ(okno->WybranyHarmonogram()->fId, 1);
}

// Showing "Utwórz nową jak ta" on a selection neither widens the side column
// nor moves the list; the button's caption wraps within the column.
TEST_F(LokatyFormGlownyTest, SideColumnKeepsOneWidthWhateverButtonsShow) {
    wypelnijPrzyklad();
    pokaz();
    QCoreApplication::processEvents();
    auto* nowaJakTa = kontrolka<QToolButton>("sbtn_RozpocznijJakoNowaLokate");
    QWidget* kolumna = nowaJakTa->parentWidget();
    const int szerokosc = kolumna->width();
    const int lewaListy = lokaty()->x();
    kliknijWiersz(lokaty(), wierszLokaty("Lokata A"));
    QCoreApplication::processEvents();
    ASSERT_TRUE(nowaJakTa->isVisible());
    EXPECT_EQ(kolumna->width(), szerokosc);
    EXPECT_EQ(lokaty()->x(), lewaListy);
    EXPECT_LE(nowaJakTa->width(), kolumna->width());
    EXPECT_EQ(nowaJakTa->text(), "Utworz\r\nnową jak ta") << "text() keeps the caption";
}

TEST_F(LokatyFormGlownyTest, SideButtonsCarryCaptionsHintsAndLineBreaks) {
    pokaz();
    struct Przycisk {
        const char* nazwa;
        QString tytul, podpowiedz;
    } przyciski[] = {
        {"sbtn_DodajLokate", "Dodaj", "Kliknij, aby dodać nową lokatę do listy"},
        {"sbtn_ZakonczLokate", "Zakończ\rlokatę", "Kliknij, aby zakończyć lokatę"},
        {"sbtn_RozpocznijJakoNowaLokate", "Utworz\r\nnową jak ta",
         "Kliknij, aby dodać do listy nową lokatę na bazie lokaty zaznaczonej"},
        {"sbtn_OdczytajLokatyBankoweZPliku", "Importuj\r\nz pliku",
         "Importuj lokaty bankowe z pliku"},
        {"sbtn_EksportujDopliku", "Eksportuj\r\ndo pliku",
         "Eksportuj widoczne lokaty bankowe do pliku"},
    };
    for (const auto& p : przyciski) {
        auto* b = kontrolka<QToolButton>(p.nazwa);
        EXPECT_EQ(b->text(), p.tytul) << p.nazwa;
        EXPECT_EQ(b->toolTip(), p.podpowiedz) << p.nazwa;
        EXPECT_EQ(b->toolButtonStyle(), Qt::ToolButtonTextUnderIcon) << p.nazwa;
    }
    EXPECT_EQ(TPrzyciskBoczny::TekstNaEkranie("Utworz\r\nnową jak ta\rx"),
              "Utworz\nnową jak ta\nx");
    auto* ok = kontrolka<QPushButton>("btn_OK");
    EXPECT_EQ(ok->text(), "&Zapisz i zamknij");
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(okno->minimumSize(), QSize(800, 662));
}

TEST_F(LokatyFormGlownyTest, PopupMenusCopyButtonStatesWhenOpened) {
    wypelnijPrzyklad();
    pokaz();
    auto* menu = kontrolka<QMenu>("pmenu_Lokaty");
    QStringList pozycje;
    for (const QAction* a : menu->actions())
        pozycje << a->objectName() + "|" + (a->isSeparator() ? "-" : a->text()) + "|" +
                       a->shortcut().toString();
    EXPECT_EQ(
        pozycje,
        QStringList({"Dodaj1|&Dodaj|Ctrl+D", "Edytuj1|&Edytuj|Ctrl+E", "N1|-|", "Usu1|&Usuń|Del",
                     "N2|-|", "PrzerwijZakoczlokate1|&Przerwij/Zakończ lokatę|Ctrl+B",
                     "Rozpocznijlokate1|&Rozpocznij lokatę|Ctrl+G",
                     "Utwrznowjakta1|U&twórz nową jak ta|Ctrl+C", "N5|-|",
                     "Informacjeolokaciebankowej1|&Informacje o lokacie "
                     "bankowej|Ctrl+Space",
                     "N8|-|", "EksportujDoKalendarza1|Eksportuj do &kalendarza…|", "N10|-|",
                     "EksportujListe1|Ek&sportuj do CSV…|", "DrukujListe1|Druku&j…|", "N11|-|",
                     "BankiJednejInstytucji1|&Banki jednej instytucji (gwarancja BFG)…|",
                     "ProgiOstrzezen1|Pro&gi ostrzeżeń…|"}));
    auto* menuOfert = kontrolka<QMenu>("pmenu_LokatyBankowe");
    pozycje.clear();
    for (const QAction* a : menuOfert->actions())
        pozycje << a->objectName() + "|" + (a->isSeparator() ? "-" : a->text()) + "|" +
                       a->shortcut().toString();
    EXPECT_EQ(pozycje, QStringList({"Dodaj2|&Dodaj|Ctrl+D",
                                    "Edytuj2|&Edytuj|Ctrl+E",
                                    "N6|-|",
                                    "Klonuj1|&Klonuj|",
                                    "N3|-|",
                                    "Usu2|&Usuń|Del",
                                    "Usuwszystkieztegobanku1|Usuń wszystkie z &tego banku|",
                                    "N4|-|",
                                    "Usuwszystkie1|Usuń &wszystkie|",
                                    "N7|-|",
                                    "PorownajOferty1|&Porównaj oferty|",
                                    "N9|-|",
                                    "Importujzpliku1|&Importuj z pliku…|",
                                    "Eksportujdopliku1|Eksp&ortuj do pliku…|",
                                    "PobierzzInternetu1|Pobierz z I&nternetu…|",
                                    "N11|-|",
                                    "EksportujListe2|Ek&sportuj do CSV…|",
                                    "DrukujListe2|Druku&j…|",
                                    "N12|-|",
                                    "ProgiOstrzezen1|Pro&gi ostrzeżeń…|"}));

    const auto wlaczona = [this](const char* nazwa) {
        return kontrolka<QAction>(nazwa)->isEnabled();
    };
    kliknijWiersz(lokaty(), wierszLokaty("Bez oferty"));
    emit menu->aboutToShow();
    EXPECT_TRUE(wlaczona("Dodaj1"));
    EXPECT_FALSE(wlaczona("Edytuj1"));
    EXPECT_TRUE(wlaczona("Usu1"));
    EXPECT_FALSE(wlaczona("PrzerwijZakoczlokate1"));
    EXPECT_TRUE(wlaczona("Rozpocznijlokate1"));
    EXPECT_TRUE(wlaczona("Utwrznowjakta1"));
    EXPECT_TRUE(wlaczona("Informacjeolokaciebankowej1"));
    // Until the next opening the items keep these states.
    kliknijWiersz(lokaty(), wierszLokaty("Lokata A"));
    EXPECT_FALSE(wlaczona("Edytuj1"));
    emit menu->aboutToShow();
    EXPECT_TRUE(wlaczona("Edytuj1"));
    EXPECT_FALSE(wlaczona("Rozpocznijlokate1"));

    emit menuOfert->aboutToShow();
    EXPECT_FALSE(wlaczona("Dodaj2"));
    EXPECT_FALSE(wlaczona("Klonuj1"));
    EXPECT_TRUE(wlaczona("Usuwszystkieztegobanku1"));
    EXPECT_TRUE(wlaczona("Usuwszystkie1"));
    zakladki()->setCurrentIndex(1);
    kliknijWiersz(oferty(), pierwszyWiersz(oferty(), 0));
    emit menuOfert->aboutToShow();
    EXPECT_TRUE(wlaczona("Dodaj2"));
    EXPECT_TRUE(wlaczona("Edytuj2"));
    EXPECT_TRUE(wlaczona("Usu2"));
    EXPECT_TRUE(wlaczona("Klonuj1"));
}

TEST_F(LokatyFormGlownyTest, ShortcutsActOnTheListThatHasTheFocus) {
    wypelnijPrzyklad();
    pokaz();
    QApplication::setActiveWindow(okno.get());
    kliknijWiersz(lokaty(), wierszLokaty("Lokata A"));
    lokaty()->setFocus();
    QSignalSpy edycjaLokaty(kontrolka<QAction>("Edytuj1"), &QAction::triggered);
    QSignalSpy edycjaOferty(kontrolka<QAction>("Edytuj2"), &QAction::triggered);
    QSignalSpy nowaJakTa(kontrolka<QAction>("Utwrznowjakta1"), &QAction::triggered);
    QTest::keyClick(lokaty(), Qt::Key_E, Qt::ControlModifier);
    QTest::keyClick(lokaty(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(edycjaLokaty.count(), 1);
    EXPECT_EQ(nowaJakTa.count(), 1);
    EXPECT_EQ(edycjaOferty.count(), 0);
}

// Shift+F10 opens a list's context menu as the Menu key does.
TEST_F(LokatyFormGlownyTest, ShiftF10OpensTheContextMenu) {
    wypelnijPrzyklad();
    pokaz();
    QApplication::setActiveWindow(okno.get());
    for (const auto& [lista, menu] :
         {std::pair{lokaty(), "pmenu_Lokaty"}, std::pair{oferty(), "pmenu_LokatyBankowe"}}) {
        zakladki()->setCurrentIndex(lista == lokaty() ? 0 : 1);
        lista->setFocus();
        QSignalSpy otwarte(kontrolka<QMenu>(menu), &QMenu::aboutToShow);
        QTest::keyClick(lista, Qt::Key_F10, Qt::ShiftModifier);
        EXPECT_EQ(otwarte.count(), 1) << menu;
        kontrolka<QMenu>(menu)->close();
    }
}

const QString kNieOtwartoStrony =
    "Nie udało się otworzyć strony w przeglądarce internetowej !!!\r"
    "Skopiuj poniższy adres i otwórz go w przeglądarce samodzielnie:\r\r";

// Pomoc and F1 (wherever the focus is) open the help page of the tab in
// front; run from the build tree, the pages come from the source tree.
TEST_F(LokatyFormGlownyTest, HelpOpensThePageOfTheTabInFront) {
    wypelnijPrzyklad();
    ScriptedWebBrowser przegladarka;
    pokaz();
    QApplication::setActiveWindow(okno.get());
    const struct {
        QWidget* fokus;
        QString strona;
    } zakladka[] = {{lokaty(), "lokaty.html"},
                    {oferty(), "oferty.html"},
                    {kontrolka<TListaRaportowa>("lv_Kalendarz"), "kalendarz.html"}};
    QStringList adresy;
    for (int i = 0; i < 3; ++i) {
        zakladki()->setCurrentIndex(i);
        zakladka[i].fokus->setFocus();
        przegladarka.urls.clear();
        QTest::keyClick(zakladka[i].fokus, Qt::Key_F1);
        QTest::mouseClick(kontrolka<QPushButton>("btn_Pomoc"), Qt::LeftButton);
        adresy.append(
            QUrl::fromLocalFile(QDir(TALVORA_HELP_SOURCE_DIR).filePath(zakladka[i].strona))
                .toString(QUrl::FullyEncoded));
        EXPECT_EQ(przegladarka.urls, QStringList({adresy.last(), adresy.last()})) << i;
    }
    EXPECT_EQ(QSet<QString>(adresy.begin(), adresy.end()).size(), 3);

    // When no browser takes the page, its address is shown to copy.
    ScriptedMessageBoxes komunikaty;
    przegladarka.opens = false;
    QTest::mouseClick(kontrolka<QPushButton>("btn_Pomoc"), Qt::LeftButton);
    EXPECT_EQ(komunikaty.texts(), QStringList({kNieOtwartoStrony + adresy.last()}));
    EXPECT_EQ(komunikaty.messages.value(0).icon, TMessageIcon::Error);
}

// The ranking is the front page of the deposit-rates site, offered only when
// the site was chosen as the program started: never a placeholder address.
TEST_F(LokatyFormGlownyTest, RankingShowsOnlyForASiteChosenAtRunTime) {
    qunsetenv("TALVORA_STRONA_LOKAT");
    pokaz();
    EXPECT_TRUE(kontrolka<QPushButton>("btn_ZestawienieLokat")->isHidden());

    ScriptedWebBrowser przegladarka;
    ScriptedMessageBoxes komunikaty;
    WebAddresses::SetRatesSite("http://lokaty.test");
    pokaz();
    auto* ranking = kontrolka<QPushButton>("btn_ZestawienieLokat");
    EXPECT_TRUE(ranking->isVisible());
    QTest::mouseClick(ranking, Qt::LeftButton);
    przegladarka.opens = false;
    QTest::mouseClick(ranking, Qt::LeftButton);
    EXPECT_EQ(przegladarka.urls, QStringList({"http://lokaty.test/", "http://lokaty.test/"}));
    EXPECT_EQ(komunikaty.texts(), QStringList({kNieOtwartoStrony + "http://lokaty.test/"}));
}

TEST_F(LokatyFormGlownyTest, ClosingAfterChangesAsksAndOnlyOkGivesResultOne) {
    wypelnijPrzyklad();
    ScriptedMessageBoxes komunikaty;
    pokaz();
    kolekcje().SetZmienionoINiezapisanoLokaty(true);

    komunikaty.answers = {TMessageResult::No};
    okno->close();
    EXPECT_TRUE(okno->isVisible());
    ASSERT_EQ(komunikaty.messages.size(), 1);
    const TMessage& pytanie = komunikaty.messages[0];
    EXPECT_EQ(pytanie.caption, "BŁĄD !!!");
    EXPECT_EQ(pytanie.icon, TMessageIcon::Warning);
    EXPECT_EQ(pytanie.buttons, TMessageButtons::YesNo);
    EXPECT_TRUE(pytanie.defaultNo) << "a stray Enter keeps the changes";
    EXPECT_EQ(pytanie.text,
              "Lista lokat bankowych i(lub) lista lokat oferowanych przez banki zostały "
              "zmienione.\rAby zapisać dokonane zmiany należy kliknąć w przycisk \"Zapisz i "
              "zamknij\", zamknięcie okna klikając w \"krzyżyk\" spowoduje utratę wprowadzonych "
              "zmian !!!\r\rCzy chcesz zamknąć to okno BEZ ZAPISANIA dokonanych zmian ???");
    // Esc does not close the window either.
    QTest::keyClick(okno.get(), Qt::Key_Escape);
    EXPECT_TRUE(okno->isVisible());

    komunikaty.answers = {TMessageResult::Yes};
    okno->close();
    EXPECT_FALSE(okno->isVisible());
    EXPECT_EQ(okno->result(), 0);
    EXPECT_FALSE(okno->KliknietoOK());
    EXPECT_EQ(komunikaty.messages.size(), 2);
}

TEST_F(LokatyFormGlownyTest, ClosingWithoutChangesOrWithOkAsksNothing) {
    ScriptedMessageBoxes komunikaty;
    pokaz();
    okno->close();
    EXPECT_FALSE(okno->isVisible());
    EXPECT_EQ(okno->result(), 0);

    pokaz();
    kolekcje().SetZmienionoINiezapisanoLokaty(true);
    QTest::mouseClick(kontrolka<QPushButton>("btn_OK"), Qt::LeftButton);
    EXPECT_FALSE(okno->isVisible());
    EXPECT_EQ(okno->result(), 1);
    EXPECT_TRUE(okno->KliknietoOK());
    EXPECT_TRUE(komunikaty.messages.isEmpty());
    // The placement is kept under the window's key.
    okno.reset();
    QSettings ustawienia("Brenvik", "Talvora");
    EXPECT_TRUE(ustawienia.contains("FormSetting/LokatyFormGlowny/Right"));
}

TEST_F(LokatyFormGlownyTest, WithoutDatabaseTheListsStayEmptyAndCommandsComplain) {
    wypelnijPrzyklad();
    ScriptedMessageBoxes komunikaty;
    pokaz(false);
    EXPECT_EQ(lokaty()->IloscKolumn(), 0);
    EXPECT_EQ(lokaty()->model()->rowCount(), 0);
    EXPECT_TRUE(kontrolka<QLabel>("lbl_IleLokat")->text().isEmpty());
    okno->close();
    EXPECT_FALSE(okno->isVisible());
    EXPECT_EQ(okno->KolekcjeLubKomunikat(), nullptr);
    ASSERT_EQ(komunikaty.messages.size(), 1);
    EXPECT_EQ(komunikaty.messages[0].caption, "BŁĄD !!!");
    EXPECT_EQ(komunikaty.messages[0].icon, TMessageIcon::Error);
    EXPECT_EQ(komunikaty.messages[0].text, TLokatyFormGlowny::TekstBrakuPolaczeniaZBaza());
    EXPECT_TRUE(komunikaty.messages[0].text.startsWith(
        "Nie udało się nawiązać połączenia z bazą danych !!!\rUpewnij się"));
}

// With no placement kept yet the window opens wide enough for every column
// of the deposit list (on this 1920-pixel screen); once a placement is kept,
// it is restored as it was.
TEST_F(LokatyFormGlownyTest, FirstStartShowsEveryDepositColumn) {
    QSettings("Brenvik", "Talvora").remove("FormSetting/LokatyFormGlowny");
    wypelnijPrzyklad();
    pokaz();
    QCoreApplication::processEvents();
    int kolumny = 0;
    for (int i = 0; i < lokaty()->IloscKolumn(); ++i)
        kolumny += lokaty()->columnWidth(i);
    ASSERT_GT(kolumny, 800) << "the fixture's columns must not fit the minimum width";
    EXPECT_GE(lokaty()->viewport()->width(), kolumny);
    EXPECT_LE(okno->frameGeometry().width(), okno->screen()->availableGeometry().width());

    okno->resize(850, 700);
    okno->close();
    pokaz();
    EXPECT_EQ(okno->size(), QSize(850, 700));
}

// Large sums do not fit the summary line at the window's minimum width: it
// ends with an ellipsis and shows the whole text as its tooltip.
TEST_F(LokatyFormGlownyTest, SummaryLineIsElidedNeverCutSilently) {
    dodaj({1, "Duża", 900000000000000.0, EncodeDate(2024, 3, 1), 3, J::Miesiac, -1, true});
    dodaj({2, "Duża 2", 800000000000000.0, EncodeDate(2024, 3, 1), 3, J::Miesiac, -1, true});
    pokaz();
    okno->resize(okno->minimumSize());
    QCoreApplication::processEvents();
    auto* podsumowanie = kontrolka<TEtykietaSkracana>("lbl_IleLokat");
    const QString tekst = podsumowanie->text();
    ASSERT_TRUE(tekst.contains("1 700 000 000 000 000,00 zł"));
    ASSERT_GT(podsumowanie->fontMetrics().horizontalAdvance(tekst),
              podsumowanie->contentsRect().width());
    EXPECT_TRUE(podsumowanie->TekstNaEkranie().endsWith(QChar(0x2026)))
        << podsumowanie->TekstNaEkranie().toStdString();
    EXPECT_EQ(podsumowanie->toolTip(), tekst);

    okno->resize(1800, 700);
    QCoreApplication::processEvents();
    EXPECT_EQ(podsumowanie->TekstNaEkranie(), tekst);
}

TEST_F(LokatyFormGlownyTest, WindowStateAtCreation) {
    TLokatyFormGlowny nowe;
    EXPECT_EQ(nowe.MyDB, nullptr);
    EXPECT_FALSE(nowe.KliknietoOK());
    EXPECT_EQ(nowe.MaksymalnaWartoscWProgramie(), 1e15);
    EXPECT_EQ(nowe.MaksymalnaDlugoscKwoty(), 15);
}

TEST(DopasujSzerokoscKolumn, FitsTheWidestTextPlusImagesAndCheckBoxes) {
    TListaRaportowa lista("lista");
    lista.UstawKolumny({"A", "Dłuższy tytuł kolumny"}, {Qt::AlignLeft, Qt::AlignRight});
    const QStringList dlugie{"bardzo długi tekst w pierwszej kolumnie", "z"};
    lista.Wypelnij({}, {{{"x", "y"}}, {dlugie}});
    const QFontMetrics m = lista.fontMetrics();
    lista.DopasujSzerokoscKolumn();
    EXPECT_EQ(lista.columnWidth(0), m.horizontalAdvance(dlugie[0]) + 20);
    EXPECT_EQ(lista.columnWidth(1), m.horizontalAdvance("Dłuższy tytuł kolumny") + 20);
    lista.UstawPolaWyboru(true);
    lista.UstawIkone(QIcon(QPixmap(32, 32)));
    lista.DopasujSzerokoscKolumn();
    EXPECT_EQ(lista.columnWidth(0), m.horizontalAdvance(dlugie[0]) + 20 + 32 + 20);
    // A longer text in a later filling widens the column: measured widths
    // kept between fillings belong to their texts.
    lista.Wypelnij({}, {{{dlugie[0] + " i dalej", "y"}}});
    lista.DopasujSzerokoscKolumn();
    EXPECT_EQ(lista.columnWidth(0), m.horizontalAdvance(dlugie[0] + " i dalej") + 20 + 32 + 20);
}

} // namespace
