// A new user's first deposit from start to end: the host's new data file with
// a few bank offers, the real module loaded from libVQ.Lokaty.so, its window
// and dialogs driven through their real buttons, the host's saving of the
// savings afterwards, the next showing, and the file read back.
//
// The window classes are in this binary twice (linked in and in the loaded
// module), so the windows are reached by the object names of their controls.
#include "ModulLokatTestowy.h"
#include "common/ScopedClock.h"
#include "common/ScriptedFileChooser.h"
#include "common/widgets/ListInTest.h"
#include "common/widgets/ModalActions.h"
#include "common/widgets/ScriptedModalRunner.h"
#include "data/TOszczednosc.h"
#include "domain/PlikOfert.h"
#include "domain/THarmonogramLokatyBankowej.h"
#include "domain/TLokata.h"
#include "format/Formatowanie.h"
#include "format/Pomocnicze.h"
#include "tools/HouseholdSetup.h"
#include "tools/NewRecords.h"
#include "window/WindowProgram.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

// Monday 2024-06-10, noon.
const TDateTime kTeraz = EncodeDateTime(2024, 6, 10, 12, 0);
const QString kNazwa = QStringLiteral("Lokata na remont");
const double kKwota = 25000.5;
const QString kKonto = QStringLiteral("Konto osobiste"); // the host's savings that may pay

std::unique_ptr<THarmonogramLokatyBankowej> Oferta(const char* bank, const char* nazwa,
                                                   uint32_t miesiecy, double oprocentowanie,
                                                   TKapitalizacja kapitalizacja) {
    auto oferta = std::make_unique<THarmonogramLokatyBankowej>();
    oferta->fBank = QString::fromUtf8(bank);
    oferta->fNazwaHarmonogramu = QString::fromUtf8(nazwa);
    oferta->fOkresDepozytu = miesiecy;
    oferta->fJednostkaDepozytu = TJednostkaOkresu::Miesiac;
    oferta->fOprocentowanieWSkaliRoku = oprocentowanie;
    oferta->fKapitalizacja = kapitalizacja;
    oferta->fZmiany = TTypModyfikacji::Dodano;
    return oferta;
}

// A deposit's row in the window's list: the heading of its group and its
// cells by column title; no row when the deposit is not listed.
struct WierszLokaty {
    QTreeView* lista = nullptr;
    QModelIndex wiersz;
    QString grupa;
    QMap<QString, QString> komorki;

    void Zaznacz() const { lista->setCurrentIndex(wiersz); }
};

WierszLokaty ZnajdzLokate(QWidget& okno, const QString& nazwa) {
    WierszLokaty wynik;
    wynik.lista = okno.findChild<QTreeView*>(QStringLiteral("lv_Lokaty"));
    if (!wynik.lista)
        return wynik;
    const QStringList tytuly = ListInTest::ColumnTitles(*wynik.lista);
    for (const QModelIndex& wiersz : ListInTest::Rows(*wynik.lista)) {
        const QStringList komorki = ListInTest::Cells(*wynik.lista, wiersz);
        if (komorki.value(0).trimmed() != nazwa)
            continue;
        wynik.wiersz = wiersz;
        wynik.grupa = wiersz.parent().data().toString();
        for (int k = 0; k < tytuly.size(); ++k)
            wynik.komorki[tytuly[k]] = komorki[k];
    }
    return wynik;
}

void WybierzPozycje(QComboBox* lista, const QString& tekst) {
    const int indeks = lista->findText(tekst);
    EXPECT_GE(indeks, 0) << tekst.toStdString();
    lista->setCurrentIndex(indeks);
}

class PelnyScenariusz : public testing::Test {
protected:
    // What the host does with a data file that does not exist yet; the
    // offers come as if imported earlier.
    PelnyScenariusz() : projekt(std::make_unique<TProjektDB>(plik.path())) {
        AddHouseholdRecords(*projekt);
        TKolekcjeDanych& k = projekt->Kolekcje();
        k.HarmonogramyLokatBankowych().push_back(
            Oferta("Bank Łąkowy S.A.", "Lokata Złota", 3, 5.6, TKapitalizacja::PoOkresieUmowy));
        k.HarmonogramyLokatBankowych().push_back(Oferta(
            "Żółty Bank Spółdzielczy", "Lokata Kwartalna", 6, 5.4, TKapitalizacja::Kwartalna));
        k.SetZmienionoINiezapisanoLokaty(true);
        SaveNewRecords(*projekt, {TTabele::HarmonogramyLokatBankowych});
    }

    // The chosen offer as the editor lists it, its id, and the estimate of a
    // deposit equal to the one the user will add. Taken before the module
    // shows: it loads the offers anew.
    void ZapamietajOferte(const QString& nazwaOferty) {
        for (const auto& oferta : projekt->Kolekcje().HarmonogramyLokatBankowych())
            if (oferta->fNazwaHarmonogramu == nazwaOferty) {
                opisOferty = oferta->BankNazwaOprocentowanie();
                idOferty = oferta->Id();
                const TLokata rowna(-1, kNazwa, kKwota, kTeraz, 6, TJednostkaOkresu::Miesiac,
                                    idOferty, true, TTypModyfikacji::Dodano);
                zysk = rowna.ObliczSzacowanyZyskZLokaty(oferta.get());
            }
        ASSERT_GT(idOferty, 0) << nazwaOferty.toStdString();
    }

    // As the host shows the module; the scripts queued in `okna` drive it.
    void PokazModul() {
        ModulLokat().SetApplicationVariables(nullptr, projekt.get());
        ModulLokat().ShowFormVQ();
        EXPECT_EQ(ModulLokat().LastError(), "");
    }

    const TOszczednosc& Konto(TProjektDB& p) { return *p.Kolekcje().Oszczednosci().at(0); }

    ScopedClock zegar{kTeraz};
    ScriptedMessageBoxes komunikaty;
    ScriptedModalRunner okna;
    TempDatabaseFile plik;
    std::unique_ptr<TProjektDB> projekt;
    QString opisOferty;
    int32_t idOferty = -1;
    double zysk = 0;
};

TEST_F(PelnyScenariusz, AddEndAndBookTheProfitThenFindItAllAgain) {
    ZapamietajOferte(QStringLiteral("Lokata Kwartalna"));
    ASSERT_GT(zysk, 0);
    const double zyskWGroszach = ZaokraglijDo(zysk, -2);
    const double naKonciePrzed = Konto(*projekt).Ile();
    komunikaty.answers = {TMessageResult::Yes};

    // The deposits window: "Dodaj", then end the new deposit, then "Zapisz i zamknij".
    okna.expect([&](QDialog& okno) {
        ClickButton(okno, QStringLiteral("sbtn_DodajLokate"));
        const WierszLokaty dodana = ZnajdzLokate(okno, kNazwa);
        ASSERT_TRUE(dodana.wiersz.isValid()) << "the new deposit is not listed";
        EXPECT_EQ(dodana.grupa, "Lokaty aktywne");
        EXPECT_EQ(dodana.komorki.value("Kwota"), FormatMoney(kKwota));
        EXPECT_EQ(dodana.komorki.value("Lokata bankowa"), opisOferty);
        EXPECT_EQ(dodana.komorki.value("Szacowana data zakończenia"), "2024-12-10");
        EXPECT_EQ(dodana.komorki.value("Szacowany zysk"), FormatMoney(zysk));

        dodana.Zaznacz();
        ClickButton(okno, QStringLiteral("sbtn_ZakonczLokate"));
        ClickButton(okno, QStringLiteral("btn_OK"));
    });
    // The deposit editor, typed into as a user would.
    okna.expect([&](QDialog& edytor) {
        auto* nazwa = edytor.findChild<QLineEdit*>(QStringLiteral("e_AddL_Nazwa"));
        auto* kwota = edytor.findChild<QLineEdit*>(QStringLiteral("e_AddL_Ile"));
        auto* okres = edytor.findChild<QSpinBox*>(QStringLiteral("se_AddL_OkresLokaty"));
        auto* jednostka = edytor.findChild<QComboBox*>(QStringLiteral("cb_AddL_JednostkaLokaty"));
        auto* oferta =
            edytor.findChild<QComboBox*>(QStringLiteral("cb_AddL_HarmonogramLokatyBankowej"));
        ASSERT_TRUE(nazwa && kwota && okres && jednostka && oferta);
        // The amount and the period have values; typing replaces them whole.
        QTest::keyClicks(nazwa, kNazwa);
        kwota->selectAll();
        QTest::keyClicks(kwota, QStringLiteral("25000,50"));
        okres->selectAll();
        QTest::keyClicks(okres, QStringLiteral("6"));
        WybierzPozycje(jednostka, QStringLiteral("Miesiąc"));
        WybierzPozycje(oferta, opisOferty);
        ClickButton(edytor, QStringLiteral("btn_OK"));
    });
    // The profit dialog: broken early, the deposit earns what the bank's terms
    // leave, so the user types what the bank paid; the host's savings are offered.
    okna.expect([&](QDialog& dialog) {
        auto* informacja = dialog.findChild<QLabel*>(QStringLiteral("lbl_Info"));
        auto* kwota = dialog.findChild<QLineEdit*>(QStringLiteral("e_AddZysk_Ile"));
        auto* oszczednosc = dialog.findChild<QComboBox*>(QStringLiteral("cbb_AddZysk_Oszczednosc"));
        auto* stan = dialog.findChild<QLabel*>(QStringLiteral("lbl_PrzelejL_Kwota"));
        ASSERT_TRUE(informacja && kwota && oszczednosc && stan);
        EXPECT_EQ(informacja->text(),
                  "Lokata \"Lokata na remont\" została zakończona przed terminem.\nWarunki "
                  "wcześniejszego zerwania lokaty: oferta ich nie podaje.\nO wypłaconych "
                  "odsetkach decydują warunki banku: wpisz kwotę, którą bank wypłacił.\n\nCzy "
                  "chcesz dodać zysk z lokaty do oszczędności ?");
        EXPECT_EQ(kwota->text(), "0,00");
        kwota->selectAll();
        QTest::keyClicks(kwota, FormatFixed(zyskWGroszach, 2));
        EXPECT_EQ(oszczednosc->currentText(), kKonto);
        EXPECT_EQ(stan->text(), "Aktualna kwota powyższej oszczędności: " + FormatMoney(0));
        ClickButton(dialog, QStringLiteral("btn_OK"));
    });
    PokazModul();

    ASSERT_EQ(komunikaty.messages.size(), 1) << komunikaty.texts().join('\n').toStdString();
    EXPECT_EQ(komunikaty.messages[0].caption, "UWAGA !!!");
    EXPECT_EQ(komunikaty.messages[0].text, "Czy jesteś pewien że chcesz przerwać wybraną lokatę "
                                           "????.\rIlość dni do końca lokaty: 184");
    TKolekcjeDanych& k = projekt->Kolekcje();
    const int32_t kategoriaKonta =
        k.PobierzIDKategoriiPoOpisie(kKonto, TTabele::Kategorie_Oszczednosci);
    EXPECT_DOUBLE_EQ(k.ZyskiZLokatDoDodaniaJakoPrzychod()[kategoriaKonta], zyskWGroszach);

    // The host writes the savings the module changed, as after every showing.
    EXPECT_EQ(SaveChangedSavings(*projekt), "");
    EXPECT_FALSE(k.ZmienionoINiezapisanoOszczednosci());
    EXPECT_EQ(Konto(*projekt).Zmiany(), TTypModyfikacji::BezZmian);

    // Next time: the module works on the deposits the host holds, so the host
    // reads them (and whatever else it holds unchanged) from the file first.
    projekt->WczytajDaneZTabelDoKolekcji(TTabele::Lokaty);
    okna.expect([&](QDialog& okno) {
        const WierszLokaty zakonczona = ZnajdzLokate(okno, kNazwa);
        ASSERT_TRUE(zakonczona.wiersz.isValid()) << "the ended deposit is not listed";
        EXPECT_EQ(zakonczona.grupa, "Lokaty nieaktywne, zakończone");
        EXPECT_EQ(zakonczona.komorki.value("Ilość dni do zakończenia"), "Lokata nie jest aktywna");
        EXPECT_EQ(zakonczona.komorki.value("Szacowany zysk"), FormatMoney(zysk));
        EXPECT_DOUBLE_EQ(Konto(*projekt).Ile(), naKonciePrzed + zyskWGroszach);
        ClickButton(okno, QStringLiteral("btn_OK"));
    });
    PokazModul();
    EXPECT_EQ(okna.shownNames(),
              (QStringList{"LokatyFormGlowny", "FormDodajEdytujLokate",
                           "FormDodajZyskZLokatyDoOszczednosci", "LokatyFormGlowny"}));

    // The file holds the ended deposit and the grown savings.
    TProjektDB zPliku(plik.path());
    ASSERT_EQ(zPliku.Kolekcje().Lokaty().size(), 1u);
    const TLokata& lokata = *zPliku.Kolekcje().Lokaty()[0];
    EXPECT_EQ(lokata.Nazwa(), kNazwa);
    EXPECT_DOUBLE_EQ(lokata.Kwota(), kKwota);
    EXPECT_EQ(CompareDateTime(lokata.DataRozpoczecia(), EncodeDate(2024, 6, 10)), 0)
        << "a deposit is stored with its start day";
    EXPECT_EQ(lokata.OkresLokaty(), 6);
    EXPECT_EQ(lokata.fJednostkaLokaty, TJednostkaOkresu::Miesiac);
    EXPECT_EQ(lokata.IdHarmonogramLokaty(), idOferty);
    EXPECT_FALSE(lokata.Aktywna());
    ASSERT_EQ(zPliku.Kolekcje().Oszczednosci().size(), 1u);
    EXPECT_DOUBLE_EQ(Konto(zPliku).Ile(), naKonciePrzed + zyskWGroszach);
    EXPECT_EQ(CompareDateTime(Konto(zPliku).Data(), kTeraz), 0);
}

// Every text of the offer list, group headings included, one row a line.
QString TekstyOfert(QWidget& okno) {
    QStringList wiersze;
    auto* lista = okno.findChild<QTreeView*>(QStringLiteral("lv_HarmonogramyLokatBankowych"));
    if (!lista)
        return {};
    ListInTest::ShowTab(*lista);
    wiersze << ListInTest::Groups(*lista);
    for (const QModelIndex& wiersz : ListInTest::Rows(*lista))
        wiersze << ListInTest::Cells(*lista, wiersz).join('|');
    return wiersze.join('\n');
}

// A new deposit can follow only an offer that is stored, so the user adds
// the offer, saves, and adds the deposit in the next showing; the catalogue
// is exported on the way. Both are there when the module opens again.
TEST_F(PelnyScenariusz, TypedOfferCarriesANewDepositAndIsExported) {
    const QString opisNowej = QStringLiteral("Bank Nowy - Lokata Testowa 6M (4,75%)");
    const QString plikOfert = QDir(plik.folder()).filePath(QStringLiteral("Lokaty bankowe.vq_lb"));
    ScriptedFileChooser pliki;
    pliki.answers = {plikOfert};

    okna.expect([&](QDialog& okno) {
        okno.findChild<QTabWidget*>(QStringLiteral("pgc_Zakladki"))->setCurrentIndex(1);
        ClickButton(okno, QStringLiteral("sbtn_DodajLokateBankowa"));
        ClickButton(okno, QStringLiteral("btn_OK"));
    });
    okna.expect([&](QDialog& edytor) {
        auto* bank = edytor.findChild<QComboBox*>(QStringLiteral("cb_AddLB_Bank"));
        auto* nazwa = edytor.findChild<QLineEdit*>(QStringLiteral("e_AddLB_Nazwa"));
        auto* okres = edytor.findChild<QSpinBox*>(QStringLiteral("se_AddLB_OkresDepozytu"));
        auto* oprocentowanie =
            edytor.findChild<QDoubleSpinBox*>(QStringLiteral("se_OprocentowanieWSkaliRoku"));
        ASSERT_TRUE(bank && nazwa && okres && oprocentowanie);
        QTest::keyClicks(bank->lineEdit(), QStringLiteral("Bank Nowy"));
        QTest::keyClicks(nazwa, QStringLiteral("Lokata Testowa"));
        okres->selectAll();
        QTest::keyClicks(okres, QStringLiteral("6"));
        oprocentowanie->selectAll();
        QTest::keyClicks(oprocentowanie, QStringLiteral("4,75"));
        ClickButton(edytor, QStringLiteral("btn_OK"));
    });
    PokazModul();
    EXPECT_TRUE(komunikaty.messages.isEmpty()) << komunikaty.texts().join('\n').toStdString();

    okna.expect([&](QDialog& okno) {
        ClickButton(okno, QStringLiteral("sbtn_DodajLokate"));
        EXPECT_EQ(ZnajdzLokate(okno, kNazwa).komorki.value("Lokata bankowa"), opisNowej);
        ClickButton(okno, QStringLiteral("sbtn_EksportujDopliku"));
        ClickButton(okno, QStringLiteral("btn_OK"));
    });
    okna.expect([&](QDialog& edytor) {
        QTest::keyClicks(edytor.findChild<QLineEdit*>(QStringLiteral("e_AddL_Nazwa")), kNazwa);
        auto* kwota = edytor.findChild<QLineEdit*>(QStringLiteral("e_AddL_Ile"));
        kwota->selectAll();
        QTest::keyClicks(kwota, QStringLiteral("25000,50"));
        WybierzPozycje(
            edytor.findChild<QComboBox*>(QStringLiteral("cb_AddL_HarmonogramLokatyBankowej")),
            opisNowej);
        ClickButton(edytor, QStringLiteral("btn_OK"));
    });
    PokazModul();
    ASSERT_EQ(komunikaty.messages.size(), 1) << komunikaty.texts().join('\n').toStdString();
    EXPECT_EQ(komunikaty.messages[0].text,
              "Lokaty zostały pomyślnie zapisane do pliku \"" + plikOfert + "\".");
    const TListaOfert wyeksportowane = OdczytajOfertyZPliku(plikOfert);
    ASSERT_EQ(wyeksportowane.size(), 3u);
    const auto nowa = std::find_if(wyeksportowane.begin(), wyeksportowane.end(), [&](auto& h) {
        return h->BankNazwaOprocentowanie() == opisNowej;
    });
    ASSERT_NE(nowa, wyeksportowane.end());
    EXPECT_EQ((*nowa)->fKapitalizacja, TKapitalizacja::PoOkresieUmowy);

    projekt->WczytajDaneZTabelDoKolekcji(TTabele::Lokaty);
    okna.expect([&](QDialog& okno) {
        EXPECT_EQ(ZnajdzLokate(okno, kNazwa).komorki.value("Lokata bankowa"), opisNowej);
        EXPECT_TRUE(TekstyOfert(okno).contains("Lokata Testowa"))
            << TekstyOfert(okno).toStdString();
        ClickButton(okno, QStringLiteral("btn_OK"));
    });
    PokazModul();
    EXPECT_EQ(okna.shownNames(),
              (QStringList{"LokatyFormGlowny", "FormDodajEdytujLokateBankowa", "LokatyFormGlowny",
                           "FormDodajEdytujLokate", "LokatyFormGlowny"}));
}

// On a new file the user adds an offer and wants a deposit of it at once: the
// refusal offers to save, "Zapisz" keeps the window open, and the offer can be
// chosen right away. After the in-place save the window works on the stored
// rows: saving again writes nothing twice.
TEST_F(PelnyScenariusz, ANewOfferIsUsableAfterZapiszWithoutClosing) {
    const QString opis = QStringLiteral("Bank Nowy - Lokata Nowa 3M (4,20%)");
    komunikaty.answers = {TMessageResult::Yes}; // save now?
    int zapisaneOferty = 0;
    okna.expect([&](QDialog& okno) {
        auto* zapisz = okno.findChild<QPushButton*>(QStringLiteral("btn_Zapisz"));
        ASSERT_TRUE(zapisz && zapisz->isVisible());
        EXPECT_FALSE(zapisz->isEnabled()) << "nothing to save yet";
        okno.findChild<QTabWidget*>(QStringLiteral("pgc_Zakladki"))->setCurrentIndex(1);
        ClickButton(okno, QStringLiteral("sbtn_DodajLokateBankowa"));
        EXPECT_TRUE(zapisz->isEnabled());
        okno.findChild<QTabWidget*>(QStringLiteral("pgc_Zakladki"))->setCurrentIndex(0);
        ClickButton(okno, QStringLiteral("sbtn_DodajLokate"));
        const WierszLokaty dodana = ZnajdzLokate(okno, kNazwa);
        ASSERT_TRUE(dodana.wiersz.isValid()) << "the new deposit is not listed";
        EXPECT_EQ(dodana.komorki.value("Lokata bankowa"), opis);
        EXPECT_EQ(dodana.lista->currentIndex(), dodana.wiersz) << "the new deposit is selected";
        EXPECT_TRUE(zapisz->isEnabled());
        QApplication::setActiveWindow(&okno);
        QTest::keyClick(dodana.lista, Qt::Key_S, Qt::ControlModifier);
        EXPECT_FALSE(zapisz->isEnabled());
        zapisaneOferty = static_cast<int>(projekt->Baza().GetTableValue(
            QStringLiteral("SELECT count(*) FROM HarmonogramyLokat")));
        ClickButton(okno, QStringLiteral("btn_OK"));
    });
    okna.expect([&](QDialog& edytor) { // the offer editor
        edytor.findChild<QComboBox*>(QStringLiteral("cb_AddLB_Bank"))->setEditText("Bank Nowy");
        edytor.findChild<QLineEdit*>(QStringLiteral("e_AddLB_Nazwa"))->setText("Lokata Nowa");
        edytor.findChild<QSpinBox*>(QStringLiteral("se_AddLB_OkresDepozytu"))->setValue(3);
        edytor.findChild<QDoubleSpinBox*>(QStringLiteral("se_OprocentowanieWSkaliRoku"))
            ->setValue(4.2);
        edytor.findChild<QComboBox*>(QStringLiteral("cb_AddLB_Kapitalizacja"))->setCurrentIndex(1);
        ClickButton(edytor, QStringLiteral("btn_OK"));
    });
    okna.expect([&](QDialog& edytor) { // the deposit editor, after the save
        edytor.findChild<QLineEdit*>(QStringLiteral("e_AddL_Nazwa"))->setText(kNazwa);
        edytor.findChild<QLineEdit*>(QStringLiteral("e_AddL_Ile"))->setText("1000");
        WybierzPozycje(
            edytor.findChild<QComboBox*>(QStringLiteral("cb_AddL_HarmonogramLokatyBankowej")),
            opis);
        ClickButton(edytor, QStringLiteral("btn_OK"));
    });
    PokazModul();

    EXPECT_EQ(komunikaty.texts().size(), 1) << komunikaty.texts().join('\n').toStdString();
    EXPECT_EQ(zapisaneOferty, 3);
    TProjektDB zPliku(plik.path());
    ASSERT_EQ(zPliku.Kolekcje().Lokaty().size(), 1u);
    const auto& oferty = zPliku.Kolekcje().HarmonogramyLokatBankowych();
    ASSERT_EQ(oferty.size(), 3u);
    const auto nowa = std::find_if(oferty.begin(), oferty.end(), [&](const auto& o) {
        return o->BankNazwaOprocentowanie() == opis;
    });
    ASSERT_NE(nowa, oferty.end());
    EXPECT_EQ(zPliku.Kolekcje().Lokaty()[0]->IdHarmonogramLokaty(), (*nowa)->Id());
}

// A deposit added, ended with its profit booked, saved with "Zapisz" (it gets
// its stored id) and started again: the profit is still known and taken back.
TEST_F(PelnyScenariusz, StartingAgainAfterZapiszTakesTheProfitBack) {
    const double naKonciePrzed = Konto(*projekt).Ile();
    TKolekcjeDanych& k = projekt->Kolekcje();
    const int32_t kategoriaKonta =
        k.PobierzIDKategoriiPoOpisie(kKonto, TTabele::Kategorie_Oszczednosci);
    komunikaty.answers = {TMessageResult::Yes, TMessageResult::Yes}; // end early; start again
    okna.expect([&](QDialog& okno) {
        ClickButton(okno, QStringLiteral("sbtn_DodajLokate"));
        ClickButton(okno, QStringLiteral("sbtn_ZakonczLokate"));
        ClickButton(okno, QStringLiteral("btn_Zapisz"));
        EXPECT_DOUBLE_EQ(k.ZyskiZLokatDoDodaniaJakoPrzychod()[kategoriaKonta], 10.0);
        ZnajdzLokate(okno, kNazwa).Zaznacz();
        ClickButton(okno, QStringLiteral("sbtn_RozpocznijLokate"));
        ClickButton(okno, QStringLiteral("btn_OK"));
    });
    okna.expect([&](QDialog& edytor) {
        edytor.findChild<QLineEdit*>(QStringLiteral("e_AddL_Nazwa"))->setText(kNazwa);
        edytor.findChild<QLineEdit*>(QStringLiteral("e_AddL_Ile"))->setText("1000");
        ClickButton(edytor, QStringLiteral("btn_OK"));
    });
    okna.expect([&](QDialog& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("e_AddZysk_Ile"))->setText("10");
        ClickButton(dialog, QStringLiteral("btn_OK"));
    });
    PokazModul();

    ASSERT_EQ(komunikaty.messages.size(), 2) << komunikaty.texts().join('\n').toStdString();
    EXPECT_TRUE(komunikaty.messages[1].text.contains(
        "Zysk 10,00 zł dodany przy jej zakończeniu do oszczędności \"" + kKonto + "\""));
    EXPECT_DOUBLE_EQ(k.ZyskiZLokatDoDodaniaJakoPrzychod()[kategoriaKonta], 0.0);
    TProjektDB zPliku(plik.path());
    ASSERT_EQ(zPliku.Kolekcje().Lokaty().size(), 1u);
    EXPECT_TRUE(zPliku.Kolekcje().Lokaty()[0]->Aktywna());
    EXPECT_DOUBLE_EQ(Konto(zPliku).Ile(), naKonciePrzed);
}

// Ending a deposit and adding its profit, then closing the window without
// saving: the deposit stays active in the file, and the profit is dropped as
// well (balances as before the showing, no profit waiting to be booked), so
// the host has nothing to write.
TEST_F(PelnyScenariusz, ClosingWithoutSavingDropsTheProfitAddedToSavings) {
    ZapamietajOferte(QStringLiteral("Lokata Kwartalna"));
    TKolekcjeDanych& k = projekt->Kolekcje();
    k.Lokaty().push_back(std::make_unique<TLokata>(-1, kNazwa, kKwota, kTeraz - 30, 6,
                                                   TJednostkaOkresu::Miesiac, idOferty, true,
                                                   TTypModyfikacji::Dodano));
    k.SetZmienionoINiezapisanoLokaty(true);
    SaveNewRecords(*projekt, {TTabele::Lokaty});
    const double naKonciePrzed = Konto(*projekt).Ile();
    const auto stany = [this] {
        return projekt->Baza().GetTableValue(
            QStringLiteral("SELECT count(*) FROM StanOszczednosci"));
    };
    const qint64 stanyPrzed = stany();

    komunikaty.answers = {TMessageResult::Yes, TMessageResult::Yes};
    okna.expect([&](QDialog& okno) {
        const WierszLokaty lokata = ZnajdzLokate(okno, kNazwa);
        ASSERT_TRUE(lokata.wiersz.isValid());
        lokata.Zaznacz();
        ClickButton(okno, QStringLiteral("sbtn_ZakonczLokate"));
        okno.close();
    });
    okna.expect([&](QDialog& dialog) {
        ASSERT_EQ(dialog.objectName(), "FormDodajZyskZLokatyDoOszczednosci");
        dialog.findChild<QLineEdit*>(QStringLiteral("e_AddZysk_Ile"))->setText("10");
        ClickButton(dialog, QStringLiteral("btn_OK"));
    });
    PokazModul();

    ASSERT_EQ(komunikaty.messages.size(), 2) << komunikaty.texts().join('\n').toStdString();
    EXPECT_TRUE(komunikaty.messages[1].text.startsWith("Lista lokat bankowych i(lub)"));
    EXPECT_DOUBLE_EQ(Konto(*projekt).Ile(), naKonciePrzed);
    EXPECT_FALSE(k.ZmienionoINiezapisanoOszczednosci());
    EXPECT_FALSE(k.JestZyskZLokat());
    EXPECT_EQ(SaveChangedSavings(*projekt), "");

    TProjektDB zPliku(plik.path());
    ASSERT_EQ(zPliku.Kolekcje().Lokaty().size(), 1u);
    EXPECT_TRUE(zPliku.Kolekcje().Lokaty()[0]->Aktywna());
    EXPECT_DOUBLE_EQ(Konto(zPliku).Ile(), naKonciePrzed);
    EXPECT_EQ(stany(), stanyPrzed);
}

} // namespace
