// The offer commands of the deposits window, driven through the real window
// and the real offer editor, on a fresh data file.
#include "ui/TListaRaportowa.h"
#include "ui/TLokatyFormGlowny.h"

#include "common/OfertaTestowa.h"
#include "common/ScopedClock.h"
#include "common/ScriptedFileChooser.h"
#include "common/ScriptedMessageBoxes.h"
#include "common/widgets/ListInTest.h"
#include "common/widgets/ModalActions.h"
#include "common/widgets/ScriptedModalRunner.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "domain/PlikOfert.h"
#include "format/TFormatSettings.h"
#include "ui/TFormDodajEdytujLokateBankowa.h"
#include "ui/TSpinLiczby.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace {

using TEdytor = TFormDodajEdytujLokateBankowa;
using TPolecenie = void (TLokatyFormGlowny::*)();
using TTyp = TTypModyfikacji;

const QString kBrakBazy = QStringLiteral(
    "Nie udało się nawiązać połączenia z bazą danych !!!\rUpewnij się że program znajduje się w "
    "lokalizacji, w której zapis jest możliwy lub że masz wystarczająco dużo miejsca na dysku "
    "do utworzenia bazy.");
const QString kWUzyciu = QStringLiteral(
    "Nie udało się usunąć lokaty bankowej !!!\rLokata bankowa używana jest w co najmniej jednej "
    "Twojej lokacie. Usuń najpierw lokaty, które powiązane są z tą lokatą bankową lub ustaw im "
    "pustą lokatę bankową.\rJeżeli nie ma żadnych lokat używających tej lokaty bankowej (były "
    "ale są usunięte) zamknij ten moduł klikając w przycisk ZAPISZ po czym uruchom go ponownie "
    "i spróbuj usunąć niniejszą lokatę bankową jeszcze raz.");
const QString kPytanieOImport = QStringLiteral(
    "Lokata bankowa, którą edytujesz została zaimportowana z pliku. Do tej pory nie była "
    "zmieniana. Czy na pewno chcesz edytować wybraną lokatę ???");

QString PytanieONadpisanie(const QString& nazwa, const QString& bank) {
    return "Wśród dostępnych lokat oferowanych przez banki znajduje się już lokata o nazwie \"" +
           nazwa + "\" oferowana przez bank \"" + bank +
           "\".\rCzy chcesz ją nadpisać dodawaną właśnie lokatą ???\r\rNadpisanie jest "
           "nieodwracalne, zastąpi wszystkie informacje o istniejącej lokacie bankowej danymi z "
           "aktualnie dodawanej.\rAby zachować istniejącą lokatę bankową należy kliknąć \"NIE\", "
           "przerwać import danych po czym zmienić nazwę istniejącej już lokacie bankowej. Nazwa "
           "powinna być unikalna.\rPo zmianie nazwy można wznowić import nie obawiając się "
           "nadpisania danych.\rJeżeli jednak importujesz lokaty bankowe oferowane przez banki z "
           "Internetu należy nadpisać istniejącą lokatę. Sprawi to, że informacje o lokacie będą "
           "aktualne.";
}

const TDateTime kTeraz = EncodeDateTime(2024, 6, 10, 12, 0);
const TDateTime kDawniej = EncodeDateTime(2023, 1, 2, 8, 0);

class TPoleceniaOfertTest : public testing::Test {
protected:
    void SetUp() override {
        UstawFormaty();
        projekt = std::make_unique<TProjektDB>(Sciezka("DataFile.dat"));
        Kolekcje().Lokaty().clear();
        Kolekcje().HarmonogramyLokatBankowych().clear();
        okno.MyDB = projekt.get();
    }

    void TearDown() override { okno.MyDB = nullptr; }

    QString Sciezka(const QString& nazwa) const { return QDir(katalog.path()).filePath(nazwa); }
    TKolekcjeDanych& Kolekcje() { return projekt->Kolekcje(); }
    TListaOfert& Oferty() { return Kolekcje().HarmonogramyLokatBankowych(); }

    // 3 months at 4,50 %, capitalised monthly, dated long ago; not in the catalogue.
    static std::unique_ptr<THarmonogramLokatyBankowej>
    NowaOferta(int32_t id, const QString& bank, bool uzytkownika, double oprocentowanie = 4.5) {
        return OfertaTestowa(id, bank, uzytkownika, oprocentowanie, kDawniej);
    }

    THarmonogramLokatyBankowej& DodajOferte(int32_t id, const QString& bank, bool uzytkownika,
                                            double oprocentowanie = 4.5) {
        Oferty().push_back(NowaOferta(id, bank, uzytkownika, oprocentowanie));
        return *Oferty().back();
    }

    TLokata& DodajLokate(int32_t id, int32_t idHarmonogramu) {
        auto lokata = std::make_unique<TLokata>();
        lokata->SetId(id);
        lokata->SetNazwa(QStringLiteral("Moja"));
        lokata->SetKwota(1000);
        lokata->SetDataRozpoczecia(kTeraz);
        lokata->SetOkresLokaty(3);
        lokata->fJednostkaLokaty = TJednostkaOkresu::Miesiac;
        lokata->SetIdHarmonogramLokaty(idHarmonogramu);
        lokata->SetAktywna(true);
        Kolekcje().Lokaty().push_back(std::move(lokata));
        return *Kolekcje().Lokaty().back();
    }

    // Lists the offers and selects the row of this one (none for null).
    void WybierzOferte(const THarmonogramLokatyBankowej* oferta) {
        auto* lista =
            okno.findChild<TListaRaportowa*>(QStringLiteral("lv_HarmonogramyLokatBankowych"));
        ASSERT_NE(lista, nullptr);
        ListInTest::ShowTab(*lista);
        okno.WypelnijListy(true);
        lista->ZaznaczRekord(oferta);
        ASSERT_EQ(okno.WybranyHarmonogram(), oferta);
    }

    // The editor gets the offer's values with these changes and is closed with OK.
    static std::function<void(TEdytor&)> Wypelnij(const QString& bank, const QString& nazwa,
                                                  double oprocentowanie) {
        return [=](TEdytor& d) {
            d.cb_AddLB_Bank->setEditText(bank);
            d.e_AddLB_Nazwa->setText(nazwa);
            d.se_AddLB_OkresDepozytu->setValue(3);
            d.se_OprocentowanieWSkaliRoku->setValue(oprocentowanie);
            d.cb_AddLB_Kapitalizacja->setCurrentIndex(1);
            ClickButton(d, QStringLiteral("btn_OK"));
        };
    }
    static void ZatwierdzBezZmian(TEdytor& d) { ClickButton(d, QStringLiteral("btn_OK")); }

    void Dodaj(const QString& bank, const QString& nazwa, double oprocentowanie) {
        okna.expect<TEdytor>(Wypelnij(bank, nazwa, oprocentowanie));
        okno.sbtn_DodajLokateBankowaClick();
    }

    ScopedClock zegar{kTeraz};
    ScriptedMessageBoxes komunikaty;
    ScriptedModalRunner okna;
    QTemporaryDir katalog;
    std::unique_ptr<TProjektDB> projekt;
    TLokatyFormGlowny okno;
};

TEST_F(TPoleceniaOfertTest, AddingPutsANewUsersOfferIntoTheCatalogue) {
    // The editor lists the banks stored in the database.
    DodajOferte(-1, "Bank Zeta", true).fZmiany = TTyp::Dodano;
    DodajOferte(-1, "bank beta", true).fZmiany = TTyp::Dodano;
    ASSERT_TRUE(
        projekt->ZapiszZawartoscKolekcjiDoBazy(TTabele::HarmonogramyLokatBankowych).Zapisano());
    projekt->OdswiezZawartoscKolekcji(TTabele::HarmonogramyLokatBankowych);
    okna.expect<TEdytor>([](TEdytor& d) {
        EXPECT_EQ(d.windowTitle(), "Dodaj lokatę bankową");
        EXPECT_EQ(d.Naglowek(), " Dodaj lokatę bankową");
        EXPECT_EQ(d.cb_AddLB_JednostkaDepozytu->currentText(), "Miesiąc");
        ASSERT_EQ(d.cb_AddLB_Bank->count(), 2);
        EXPECT_EQ(d.cb_AddLB_Bank->itemText(0), "bank beta");
        EXPECT_EQ(d.cb_AddLB_Bank->currentText(), "");
        Wypelnij("Bank  Alfa", "Lokata", 4.5)(d);
    });
    okno.sbtn_DodajLokateBankowaClick();
    ASSERT_EQ(Oferty().size(), 3u);
    const auto nowa =
        std::find_if(Oferty().begin(), Oferty().end(), [](const auto& o) { return o->fId == -1; });
    ASSERT_NE(nowa, Oferty().end());
    const THarmonogramLokatyBankowej& h = **nowa;
    EXPECT_EQ(h.fBank, "Bank Alfa");
    EXPECT_EQ(h.fId, -1);
    EXPECT_EQ(h.fZmiany, TTyp::Dodano);
    EXPECT_EQ(h.fDataDodaniaModyfikacji, kTeraz);
    EXPECT_TRUE(h.fHarmonogramDodanyPrzezUzytkownika);
    EXPECT_TRUE(Kolekcje().ZmienionoINiezapisanoLokaty());
    EXPECT_EQ(okno.findChild<QTabWidget*>("pgc_Zakladki")->tabText(1),
              "Lokaty &oferowane przez banki (3)");
    EXPECT_TRUE(komunikaty.messages.isEmpty());
}

TEST_F(TPoleceniaOfertTest, DuplicateOfTheUsersOwnOfferAsksAndNoChangesNothing) {
    Dodaj("Bank Alfa", "Lokata", 4.5);
    Dodaj("BANK ALFA", "lokata", 4.501); // the same key: rates print alike
    EXPECT_EQ(komunikaty.texts(), QStringList{PytanieONadpisanie("lokata 3M", "BANK ALFA")});
    EXPECT_EQ(komunikaty.messages.value(0).caption, "UWAGA !!!");
    ASSERT_EQ(Oferty().size(), 1u);
    EXPECT_EQ(Oferty()[0]->fBank, "Bank Alfa");

    komunikaty.answers.push_back(TMessageResult::Yes);
    Dodaj("BANK ALFA", "lokata", 4.501);
    ASSERT_EQ(Oferty().size(), 1u);
    EXPECT_EQ(Oferty()[0]->fBank, "BANK ALFA");
    EXPECT_EQ(Oferty()[0]->fZmiany, TTyp::Dodano);

    // Another rate is another offer.
    Dodaj("Bank Alfa", "Lokata", 4.55);
    EXPECT_EQ(Oferty().size(), 2u);
    EXPECT_EQ(komunikaty.messages.size(), 2);
}

TEST_F(TPoleceniaOfertTest, ImportedOfferIsOverwrittenSilentlyAndBecomesTheUsers) {
    DodajOferte(7, "Bank Alfa", false);
    Dodaj("bank alfa", "LOKATA", 4.5);
    EXPECT_TRUE(komunikaty.messages.isEmpty());
    ASSERT_EQ(Oferty().size(), 1u);
    const THarmonogramLokatyBankowej& h = *Oferty()[0];
    EXPECT_EQ(h.fBank, "bank alfa");
    EXPECT_EQ(h.fId, 7);
    EXPECT_EQ(h.fZmiany, TTyp::Zmieniono);
    EXPECT_EQ(h.fDataDodaniaModyfikacji, kDawniej);
    EXPECT_TRUE(h.fHarmonogramDodanyPrzezUzytkownika);
    EXPECT_TRUE(Kolekcje().ZmienionoINiezapisanoLokaty());
}

TEST_F(TPoleceniaOfertTest, CloneWithoutChangeNeverAddsASecondOffer) {
    THarmonogramLokatyBankowej& wlasna = DodajOferte(7, "Bank Alfa", true);
    THarmonogramLokatyBankowej& importowana = DodajOferte(8, "Bank Beta", false);
    komunikaty.defaultAnswer = TMessageResult::Yes;
    for (THarmonogramLokatyBankowej* wzor : {&wlasna, &importowana}) {
        WybierzOferte(wzor);
        okna.expect<TEdytor>([](TEdytor& d) {
            EXPECT_EQ(d.windowTitle(), "Klonuj lokatę bankową");
            ZatwierdzBezZmian(d);
        });
        okno.Klonuj1Click();
    }
    EXPECT_EQ(Oferty().size(), 2u);
    // Only the user's own offer asks before it is overwritten by its clone.
    EXPECT_EQ(komunikaty.texts(), QStringList{PytanieONadpisanie("Lokata 3M", "Bank Alfa")});
    EXPECT_EQ(wlasna.fZmiany, TTyp::Zmieniono);
    EXPECT_TRUE(importowana.fHarmonogramDodanyPrzezUzytkownika);

    // A changed clone is a new offer.
    WybierzOferte(&wlasna);
    okna.expect<TEdytor>([](TEdytor& d) {
        d.se_AddLB_OkresDepozytu->setValue(6);
        ZatwierdzBezZmian(d);
    });
    okno.Klonuj1Click();
    EXPECT_EQ(Oferty().size(), 3u);
}

// Every question whose "Tak" loses an offer is answered by Enter here: the
// catalogue must stay as it was.
TEST_F(TPoleceniaOfertTest, EnterNeverDestroysAnOffer) {
    THarmonogramLokatyBankowej& alfa = DodajOferte(7, "Bank Alfa", true);
    THarmonogramLokatyBankowej& beta = DodajOferte(8, "Bank Beta", true);
    komunikaty.answerByEnter = true;

    Dodaj("Bank Alfa", "Lokata", 4.5); // the editor into the name of an own offer
    WybierzOferte(&beta);
    okna.expect<TEdytor>(Wypelnij("Bank Alfa", "Lokata", 4.5)); // a clone into it
    okno.Klonuj1Click();
    auto importowana = NowaOferta(alfa.fId, alfa.fBank, false);
    importowana->fPozostaleInformacje = QStringLiteral("z importu");
    okno.DodajLubNadpiszHarmonogram(importowana);
    for (const TPolecenie polecenie : {&TLokatyFormGlowny::sbtn_UsunLokateBankowaClick,
                                       &TLokatyFormGlowny::Usuwszystkieztegobanku1Click,
                                       &TLokatyFormGlowny::Usuwszystkie1Click}) {
        WybierzOferte(&alfa);
        (okno.*polecenie)();
    }

    EXPECT_EQ(komunikaty.messages.size(), 6);
    for (const TMessage& pytanie : komunikaty.messages)
        EXPECT_TRUE(pytanie.defaultNo) << pytanie.text.toStdString();
    ASSERT_EQ(Oferty().size(), 2u);
    for (const THarmonogramLokatyBankowej* h : {&alfa, &beta}) {
        EXPECT_EQ(h->fZmiany, TTyp::BezZmian);
        EXPECT_TRUE(h->fHarmonogramDodanyPrzezUzytkownika);
    }
    EXPECT_EQ(alfa.fPozostaleInformacje, "");
    EXPECT_FALSE(Kolekcje().ZmienionoINiezapisanoLokaty());
}

// An offer the user deleted is not shown any more: an equal imported one takes
// its row without a question and is an imported offer again.
TEST_F(TPoleceniaOfertTest, ImportReplacesADeletedOfferWithoutAsking) {
    THarmonogramLokatyBankowej& wlasna = DodajOferte(7, "Bank Alfa", true);
    komunikaty.answers.push_back(TMessageResult::Yes);
    WybierzOferte(&wlasna);
    okno.sbtn_UsunLokateBankowaClick();
    ASSERT_EQ(wlasna.fZmiany, TTyp::Usunieto);
    komunikaty.messages.clear();

    // 4,504 % prints as 4,50 %: the same key.
    auto importowana = NowaOferta(wlasna.fId, wlasna.fBank, false, 4.504);
    okno.DodajLubNadpiszHarmonogram(importowana);

    EXPECT_TRUE(komunikaty.messages.isEmpty());
    ASSERT_EQ(Oferty().size(), 1u);
    EXPECT_EQ(wlasna.fZmiany, TTyp::Zmieniono);
    EXPECT_FALSE(wlasna.fHarmonogramDodanyPrzezUzytkownika);
    EXPECT_DOUBLE_EQ(wlasna.fOprocentowanieWSkaliRoku, 4.504);
    okno.WypelnijListy(true);
    EXPECT_EQ(okno.findChild<QTabWidget*>("pgc_Zakladki")->tabText(1),
              "Lokaty &oferowane przez banki (1)");
}

TEST_F(TPoleceniaOfertTest, EditingAnImportedOfferAsksOnce) {
    THarmonogramLokatyBankowej& h = DodajOferte(7, "Bank Alfa", false);
    WybierzOferte(&h);
    okno.sbtn_EdytujLokateBankowaClick(); // "No"
    EXPECT_EQ(komunikaty.texts(), QStringList{kPytanieOImport});
    EXPECT_TRUE(okna.shown.isEmpty());

    komunikaty.answers.push_back(TMessageResult::Yes);
    okna.expect<TEdytor>([](TEdytor& d) {
        EXPECT_EQ(d.Naglowek(), " Edytuj lokatę bankową");
        EXPECT_EQ(d.e_AddLB_Nazwa->text(), "Lokata");
        d.e_AddLB_Nazwa->setText("Lokata nowa");
        ZatwierdzBezZmian(d);
    });
    okno.sbtn_EdytujLokateBankowaClick();
    EXPECT_EQ(h.fNazwaHarmonogramu, "Lokata nowa");
    EXPECT_EQ(h.fZmiany, TTyp::Zmieniono);
    EXPECT_EQ(h.fId, 7);
    EXPECT_EQ(h.fDataDodaniaModyfikacji, kDawniej);

    komunikaty.messages.clear();
    WybierzOferte(&h);
    okna.expect<TEdytor>(ZatwierdzBezZmian);
    okno.sbtn_EdytujLokateBankowaClick();
    EXPECT_TRUE(komunikaty.messages.isEmpty());
    EXPECT_EQ(okna.shown.size(), 2);
}

TEST_F(TPoleceniaOfertTest, RefusedValuesChangeNothing) {
    THarmonogramLokatyBankowej& h = DodajOferte(7, "Bank Alfa", true);
    WybierzOferte(&h);
    okna.expect<TEdytor>([](TEdytor& d) {
        d.e_AddLB_Nazwa->setText("|||");
        ZatwierdzBezZmian(d);
    });
    okno.sbtn_EdytujLokateBankowaClick();
    okna.expect<TEdytor>(Wypelnij(" ", "Nowa", 3));
    okno.sbtn_DodajLokateBankowaClick();
    EXPECT_EQ(komunikaty.texts(),
              (QStringList{"Nie można edytować lokaty bankowej !!!\rUpewnij się, że nazwa lokaty "
                           "bankowej została wpisana poprawnie.",
                           "Nie można edytować lokaty bankowej !!!\rUpewnij się, że nazwa banku "
                           "została wpisana poprawnie."}));
    EXPECT_EQ(Oferty().size(), 1u);
    EXPECT_EQ(h.fNazwaHarmonogramu, "Lokata");
    EXPECT_EQ(h.fZmiany, TTyp::BezZmian);
    EXPECT_FALSE(Kolekcje().ZmienionoINiezapisanoLokaty());
}

TEST_F(TPoleceniaOfertTest, AnOfferInUseIsNotDeleted) {
    THarmonogramLokatyBankowej& h = DodajOferte(7, "Bank Alfa", true);
    TLokata& lokata = DodajLokate(1, 7);
    for (const TTyp stan : {TTyp::BezZmian, TTyp::Usunieto}) {
        lokata.SetZmiany(stan); // a deposit deleted but not saved still holds it
        komunikaty.messages.clear();
        komunikaty.answers.push_back(TMessageResult::Yes);
        WybierzOferte(&h);
        okno.sbtn_UsunLokateBankowaClick();
        EXPECT_EQ(komunikaty.texts(),
                  (QStringList{"Czy jesteś pewien że chcesz usunąć wybraną lokatę bankową "
                               "????.\rOperacja jest nieodwracalna !!!",
                               kWUzyciu}));
        EXPECT_EQ(h.fZmiany, TTyp::BezZmian);
        EXPECT_TRUE(komunikaty.messages.value(0).defaultNo) << "a stray Enter keeps the offer";
    }
    EXPECT_FALSE(Kolekcje().ZmienionoINiezapisanoLokaty());
}

TEST_F(TPoleceniaOfertTest, DeletingAllSkipsOffersInUseWithOneMessageEach) {
    THarmonogramLokatyBankowej& a = DodajOferte(7, "Bank Alfa", true);
    THarmonogramLokatyBankowej& b = DodajOferte(8, "BANK ALFA", true, 5);
    THarmonogramLokatyBankowej& c = DodajOferte(9, "Bank Beta", true);
    DodajLokate(1, 8);
    komunikaty.defaultAnswer = TMessageResult::Yes;

    WybierzOferte(&a);
    okno.Usuwszystkieztegobanku1Click();
    EXPECT_EQ(komunikaty.texts(), (QStringList{"Czy jesteś pewien że chcesz usunąć wszystkie "
                                               "lokaty z banku \"Bank Alfa\" ????.\rOperacja jest "
                                               "nieodwracalna !!!",
                                               kWUzyciu}));
    EXPECT_TRUE(komunikaty.messages.value(0).defaultNo);
    EXPECT_EQ(a.fZmiany, TTyp::Usunieto);
    EXPECT_EQ(b.fZmiany, TTyp::BezZmian);
    EXPECT_EQ(c.fZmiany, TTyp::BezZmian);

    komunikaty.messages.clear();
    WybierzOferte(&c);
    okno.Usuwszystkie1Click();
    EXPECT_EQ(komunikaty.texts(), (QStringList{"Czy jesteś pewien że chcesz usunąć wszystkie "
                                               "lokaty bankowe ????.\rOperacja jest "
                                               "nieodwracalna !!!",
                                               kWUzyciu}));
    EXPECT_TRUE(komunikaty.messages.value(0).defaultNo);
    EXPECT_EQ(b.fZmiany, TTyp::BezZmian);
    EXPECT_EQ(c.fZmiany, TTyp::Usunieto);
    EXPECT_TRUE(Kolekcje().ZmienionoINiezapisanoLokaty());
    EXPECT_EQ(okno.findChild<QTabWidget*>("pgc_Zakladki")->tabText(1),
              "Lokaty &oferowane przez banki (1)");
}

TEST_F(TPoleceniaOfertTest, WithoutDatabaseOrRowTheCommandsRefuse) {
    const struct {
        const char* nazwa;
        TPolecenie polecenie;
        bool bezWierszaKomunikat; // with the database but no row selected
    } przypadki[] = {
        {"add", &TLokatyFormGlowny::sbtn_DodajLokateBankowaClick, false},
        {"edit", &TLokatyFormGlowny::sbtn_EdytujLokateBankowaClick, false},
        {"clone", &TLokatyFormGlowny::Klonuj1Click, false},
        {"delete", &TLokatyFormGlowny::sbtn_UsunLokateBankowaClick, true},
        {"delete bank", &TLokatyFormGlowny::Usuwszystkieztegobanku1Click, true},
        {"delete all", &TLokatyFormGlowny::Usuwszystkie1Click, true},
    };
    DodajOferte(7, "Bank Alfa", true);
    WybierzOferte(nullptr);
    for (const auto& p : przypadki) {
        okno.MyDB = nullptr;
        komunikaty.messages.clear();
        (okno.*p.polecenie)();
        EXPECT_EQ(komunikaty.texts(), QStringList{kBrakBazy}) << p.nazwa;
        okno.MyDB = projekt.get();
        if (p.polecenie == &TLokatyFormGlowny::sbtn_DodajLokateBankowaClick)
            continue;
        komunikaty.messages.clear();
        (okno.*p.polecenie)();
        EXPECT_EQ(komunikaty.texts(),
                  p.bezWierszaKomunikat ? QStringList{kBrakBazy} : QStringList{})
            << p.nazwa;
    }
    EXPECT_TRUE(okna.shown.isEmpty());
}

TEST_F(TPoleceniaOfertTest, InformationOnTheDepositsOfferFindsItsRow) {
    THarmonogramLokatyBankowej& h = DodajOferte(7, "Bank Alfa", true);
    DodajOferte(8, "Bank Beta", true);
    TLokata& bezOferty = DodajLokate(1, -1);
    TLokata& zUsunieta = DodajLokate(2, 99);
    TLokata& zOferta = DodajLokate(3, 7);
    auto* lokaty = okno.findChild<TListaRaportowa*>(QStringLiteral("lv_Lokaty"));
    const auto wybierz = [&](const TLokata* lokata) {
        okno.WypelnijListy(true);
        lokaty->ZaznaczRekord(lokata);
    };
    const struct {
        const TLokata* lokata;
        const char* komunikat;
    } odmowy[] = {
        {nullptr, "Nie wskazano lokaty !!!"},
        {&bezOferty, "Wybrana lokata nie ma ustawionej lokaty bankowej !!!"},
        {&zUsunieta, "Lokata bankowa została usunięta, nie ma jej na liście !!!"},
    };
    for (const auto& p : odmowy) {
        wybierz(p.lokata);
        komunikaty.messages.clear();
        okno.Informacjeolokaciebankowej1Click();
        EXPECT_EQ(komunikaty.texts(), QStringList{p.komunikat});
    }
    wybierz(&zOferta);
    komunikaty.messages.clear();
    okno.Informacjeolokaciebankowej1Click();
    EXPECT_TRUE(komunikaty.messages.isEmpty());
    EXPECT_EQ(okno.findChild<QTabWidget*>("pgc_Zakladki")->currentIndex(), 1);
    EXPECT_EQ(okno.WybranyHarmonogram(), &h);
}

// An offer added and deleted in this run, then added again, must reach the
// database as a new row.
TEST_F(TPoleceniaOfertTest, RevivedOfferIsInsertedOnSave) {
    Dodaj("Bank Alfa", "Lokata", 4.5);
    komunikaty.answers.push_back(TMessageResult::Yes);
    WybierzOferte(Oferty()[0].get());
    okno.sbtn_UsunLokateBankowaClick();
    ASSERT_EQ(Oferty()[0]->fZmiany, TTyp::Usunieto);
    Dodaj("Bank Alfa", "Lokata", 4.5);
    ASSERT_EQ(Oferty().size(), 1u);
    EXPECT_EQ(Oferty()[0]->fZmiany, TTyp::Dodano);

    ASSERT_TRUE(
        projekt->ZapiszZawartoscKolekcjiDoBazy(TTabele::HarmonogramyLokatBankowych).Zapisano());
    projekt->OdswiezZawartoscKolekcji(TTabele::HarmonogramyLokatBankowych);
    ASSERT_EQ(Oferty().size(), 1u);
    EXPECT_EQ(Oferty()[0]->fBank, "Bank Alfa");
    EXPECT_GT(Oferty()[0]->fId, 0);
}

// --- Export -----------------------------------------------------------------

TEST_F(TPoleceniaOfertTest, ExportWritesEveryOfferAndReportsWhereAfterwards) {
    DodajOferte(7, "Bank Alfa", true);
    DodajOferte(8, "Bank Beta", false).fZmiany = TTyp::Usunieto;
    ScriptedFileChooser pliki;
    const QString sciezka = Sciezka("oferty.vq_lb");
    pliki.answers = {QString(), sciezka};
    okno.sbtn_EksportujDoplikuClick(); // cancelled
    EXPECT_FALSE(QFile::exists(sciezka));
    EXPECT_TRUE(komunikaty.messages.isEmpty());

    okno.sbtn_EksportujDoplikuClick();
    ASSERT_EQ(pliki.requests.size(), 2);
    EXPECT_TRUE(pliki.requests[1].save);
    EXPECT_EQ(pliki.requests[1].caption, "Wskaż plik zapisu lokat bankowych");
    EXPECT_EQ(pliki.requests[1].filter, "Lokaty bankowe (*.vq_lb)");
    EXPECT_EQ(pliki.requests[1].suggestedName, "Lokaty bankowe");
    ASSERT_EQ(komunikaty.messages.size(), 1);
    EXPECT_EQ(komunikaty.messages[0].text,
              "Lokaty zostały pomyślnie zapisane do pliku \"" + sciezka + "\".");
    EXPECT_EQ(komunikaty.messages[0].icon, TMessageIcon::Information);
    EXPECT_NE(komunikaty.messages[0].caption, "BŁĄD !!!");
    const TListaOfert odczytane = OdczytajOfertyZPliku(sciezka);
    ASSERT_EQ(odczytane.size(), 2u);
    EXPECT_EQ(odczytane[1]->fBank, "Bank Beta");

    // Opening asks with its own title.
    pliki.answers = {sciezka};
    EXPECT_EQ(okno.openDialog(), sciezka);
    EXPECT_EQ(pliki.requests.last().caption, "Wskaż plik z zapisanymi lokatami bankowymi");
    EXPECT_FALSE(pliki.requests.last().save);
}

TEST_F(TPoleceniaOfertTest, FailedExportSaysWhyAndLeavesTheTargetAlone) {
    DodajOferte(7, "Bank Alfa", true);
    ScriptedFileChooser pliki;
    const QString folder = Sciezka("folder.vq_lb");
    ASSERT_TRUE(QDir().mkdir(folder));
    pliki.answers = {folder};
    okno.sbtn_EksportujDoplikuClick();
    ASSERT_EQ(komunikaty.messages.size(), 1);
    EXPECT_EQ(komunikaty.messages[0].caption, "BŁĄD !!!");
    EXPECT_EQ(komunikaty.messages[0].icon, TMessageIcon::Error);
    EXPECT_TRUE(komunikaty.messages[0].text.contains(folder));
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_TRUE(QDir(katalog.path()).entryList({"*.vq_lb*"}, QDir::Files).isEmpty());
}

// No export ever replaces the open data file or another database: the user
// is told why and chooses again; the target keeps every byte.
TEST_F(TPoleceniaOfertTest, ExportNeverWritesOverADataFile) {
    DodajOferte(7, "Bank Alfa", true);
    const QString dane = Sciezka("DataFile.dat");
    const QString link = Sciezka("link.vq_lb");
    ASSERT_TRUE(QFile::link(dane, link));
    const QString innaBaza = Sciezka("inna.dat");
    { TProjektDB inny(innaBaza); }
    struct Przypadek {
        QString cel;
        bool odmowa;
    };
    const Przypadek przypadki[] = {
        {dane, true}, {link, true}, {innaBaza, true}, {Sciezka("zwykly.vq_lb"), false}};
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE(p.cel.toStdString());
        if (!p.odmowa) {
            QFile zwykly(p.cel);
            ASSERT_TRUE(zwykly.open(QIODevice::WriteOnly));
            zwykly.write("stare");
        }
        QFile plik(p.cel);
        ASSERT_TRUE(plik.open(QIODevice::ReadOnly));
        const QByteArray przed = plik.readAll();
        plik.close();
        komunikaty.messages.clear();
        ScriptedFileChooser pliki;
        pliki.answers = {p.cel};
        okno.sbtn_EksportujDoplikuClick();

        ASSERT_EQ(komunikaty.messages.size(), 1);
        ASSERT_TRUE(plik.open(QIODevice::ReadOnly));
        if (p.odmowa) {
            EXPECT_EQ(komunikaty.messages[0].caption, "BŁĄD !!!");
            EXPECT_TRUE(komunikaty.messages[0].text.contains(p.cel));
            EXPECT_EQ(pliki.requests.size(), 2) << "the chooser opens again";
            EXPECT_EQ(pliki.requests[1].suggestedName, p.cel);
            EXPECT_EQ(plik.readAll(), przed);
        } else {
            EXPECT_EQ(pliki.requests.size(), 1);
            EXPECT_TRUE(plik.readAll().startsWith("TPF0"));
        }
        plik.close();
    }
}

} // namespace
