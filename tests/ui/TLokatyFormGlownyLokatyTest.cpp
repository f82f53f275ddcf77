// The deposit commands of the deposits window, driven through the real window
// and the real deposit editor and profit dialog, on a fresh data file.
#include "ui/TLokatyFormGlowny.h"

#include "common/ScopedClock.h"
#include "common/ScriptedMessageBoxes.h"
#include "common/widgets/ListInTest.h"
#include "common/widgets/ModalActions.h"
#include "common/widgets/ScriptedModalRunner.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "data/TWartoscSQL.h"
#include "format/Formatowanie.h"
#include "format/TFormatSettings.h"
#include "ui/TFormDodajEdytujLokate.h"
#include "ui/TFormDodajZyskZLokatyDoOszczednosci.h"
#include "ui/TKwotaEdit.h"
#include "ui/TListaRaportowa.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

using TEdytor = TFormDodajEdytujLokate;
using TDialogZysku = TFormDodajZyskZLokatyDoOszczednosci;
using TPolecenie = void (TLokatyFormGlowny::*)();

const QString kBrakBazy = QStringLiteral(
    "Nie udało się nawiązać połączenia z bazą danych !!!\rUpewnij się że program znajduje się w "
    "lokalizacji, w której zapis jest możliwy lub że masz wystarczająco dużo miejsca na dysku "
    "do utworzenia bazy.");
const QString kNiezapisaneOferty = QStringLiteral(
    "Co najmniej jedna lokata bankowa została dodana lub zmieniona i nie jest zapisana. Zamknij "
    "najpierw ten moduł klikając w przycisk \"Zapisz i zamknij\" aby zapisać wprowadzone zmiany "
    "po czym uruchom go ponownie aby móc dodać nową lokatę.");
const QString kDodawanie = QStringLiteral("Nie można dodać nowej lokaty !!!\r");
const QString kEdycja = QStringLiteral("Nie można edytować wybranej lokaty !!!\r");
const QString kNaPodstawie =
    QStringLiteral("Nie można dodać nowej lokaty na podstawie lokaty wybranej!!!\r");
const QString kZlaKwota = QStringLiteral("Upewnij się, że kwota lokaty została wpisana poprawnie.");
const QString kZlyOkres =
    QStringLiteral("Upewnij się, że ilość miesięcy została wpisana poprawnie.");
const QString kZlaNazwa = QStringLiteral("Upewnij się, że nazwa lokaty została wpisana poprawnie.");

// Monday 2024-06-10, noon.
const TDateTime kTeraz = EncodeDateTime(2024, 6, 10, 12, 0);

const QString kOferta3M = QStringLiteral("Bank A");

class TPoleceniaLokatTest : public testing::Test {
protected:
    void SetUp() override {
        UstawFormaty();
        projekt = std::make_unique<TProjektDB>(QDir(katalog.path()).filePath("DataFile.dat"));
        Kolekcje().Lokaty().clear();
        Kolekcje().HarmonogramyLokatBankowych().clear();
        Kolekcje().Oszczednosci().clear();
        Kolekcje().KategorieOszczednosci().clear();
        Kolekcje().ZyskiZLokatDoDodaniaJakoPrzychod().clear();
        okno.MyDB = projekt.get();
    }

    void TearDown() override { okno.MyDB = nullptr; }

    TKolekcjeDanych& Kolekcje() { return projekt->Kolekcje(); }

    TLokata& DodajLokate(int32_t id, const QString& nazwa, TDateTime start, uint16_t okres,
                         TJednostkaOkresu jednostka, bool aktywna, int32_t idHarmonogramu = -1,
                         double kwota = 10000) {
        auto lokata = std::make_unique<TLokata>();
        lokata->SetId(id);
        lokata->SetNazwa(nazwa);
        lokata->SetKwota(kwota);
        lokata->SetDataRozpoczecia(start);
        lokata->SetOkresLokaty(okres);
        lokata->fJednostkaLokaty = jednostka;
        lokata->SetIdHarmonogramLokaty(idHarmonogramu);
        lokata->SetAktywna(aktywna);
        Kolekcje().Lokaty().push_back(std::move(lokata));
        return *Kolekcje().Lokaty().back();
    }

    // 4,50 % a year, capitalised monthly, 3 months.
    THarmonogramLokatyBankowej& DodajOferte(int32_t id, const QString& bank) {
        auto oferta = std::make_unique<THarmonogramLokatyBankowej>();
        oferta->fId = id;
        oferta->fBank = bank;
        oferta->fNazwaHarmonogramu = QStringLiteral("Lokata 3M");
        oferta->fOkresDepozytu = 3;
        oferta->fJednostkaDepozytu = TJednostkaOkresu::Miesiac;
        oferta->fOprocentowanieWSkaliRoku = 4.5;
        oferta->fKapitalizacja = TKapitalizacja::Miesieczna;
        Kolekcje().HarmonogramyLokatBankowych().push_back(std::move(oferta));
        return *Kolekcje().HarmonogramyLokatBankowych().back();
    }

    TOszczednosc& DodajOszczednosc(int32_t id, int32_t idKategorii, const QString& opisKategorii,
                                   double ile) {
        if (Kolekcje().PobierzIDKategoriiPoOpisie(opisKategorii, TTabele::Kategorie_Oszczednosci) <
            0)
            Kolekcje().KategorieOszczednosci().push_back(std::make_unique<TKategoriaOszczednosci>(
                idKategorii, opisKategorii, false, true, false, TTypModyfikacji::BezZmian, 1));
        auto oszczednosc = std::make_unique<TOszczednosc>();
        oszczednosc->SetId(id);
        oszczednosc->SetIdKategoriaOszczednosci(idKategorii);
        oszczednosc->SetIle(ile);
        Kolekcje().Oszczednosci().push_back(std::move(oszczednosc));
        return *Kolekcje().Oszczednosci().back();
    }

    // Lists the deposits and selects the row of this one (none for null).
    void Wybierz(const TLokata* lokata) {
        okno.WypelnijListy(true);
        auto* lista = okno.findChild<TListaRaportowa*>(QStringLiteral("lv_Lokaty"));
        ASSERT_NE(lista, nullptr);
        lista->ZaznaczRekord(lokata);
        ASSERT_EQ(okno.WybranaLokata(), lokata);
    }

    void Uruchom(TPolecenie polecenie) { (okno.*polecenie)(); }

    // The editor is filled by the script and closed with its real OK button.
    static std::function<void(TEdytor&)> Wypelnij(const QString& nazwa, const QString& kwota,
                                                  std::function<void(TEdytor&)> reszta = {}) {
        return [=](TEdytor& d) {
            d.e_AddL_Nazwa->setText(nazwa);
            d.e_AddL_Ile->setText(kwota);
            if (reszta)
                reszta(d);
            ClickButton(d, QStringLiteral("btn_OK"));
        };
    }

    TLokata* OstatniaLokata() { return Kolekcje().Lokaty().back().get(); }

    ScopedClock zegar{kTeraz};
    ScriptedMessageBoxes komunikaty;
    ScriptedModalRunner okna;
    QTemporaryDir katalog;
    std::unique_ptr<TProjektDB> projekt;
    TLokatyFormGlowny okno;
};

// --- Refusals before the editor opens ------------------------------------

struct TPrzypadekPolecenia {
    const char* nazwa;
    TPolecenie polecenie;
    QString komunikat;
};

TEST_F(TPoleceniaLokatTest, NowaOfertaBlokujeDodawanieEdycjeINowaJakTa) {
    TLokata& lokata =
        DodajLokate(1, QStringLiteral("Roczna"), kTeraz, 12, TJednostkaOkresu::Miesiac, true);
    const TPrzypadekPolecenia przypadki[] = {
        {"add", &TLokatyFormGlowny::sbtn_DodajLokateClick, kDodawanie + kNiezapisaneOferty},
        {"edit", &TLokatyFormGlowny::sbtn_EdytujLokateClick, kEdycja + kNiezapisaneOferty},
        {"new like this", &TLokatyFormGlowny::sbtn_RozpocznijJakoNowaLokateClick,
         kNaPodstawie + kNiezapisaneOferty},
    };
    // An offer added in this run: either it has no id yet or it is marked added.
    for (const bool bezId : {true, false}) {
        Kolekcje().HarmonogramyLokatBankowych().clear();
        THarmonogramLokatyBankowej& oferta = DodajOferte(bezId ? -1 : 8, QStringLiteral("Bank"));
        oferta.fZmiany = bezId ? TTypModyfikacji::BezZmian : TTypModyfikacji::Dodano;
        for (const auto& p : przypadki) {
            Wybierz(&lokata);
            komunikaty.messages.clear();
            Uruchom(p.polecenie);
            EXPECT_EQ(komunikaty.texts(), QStringList{p.komunikat}) << p.nazwa;
            EXPECT_EQ(komunikaty.messages.value(0).icon, TMessageIcon::Error) << p.nazwa;
        }
    }
    EXPECT_TRUE(okna.shown.isEmpty());
    EXPECT_EQ(Kolekcje().Lokaty().size(), 1u);
    EXPECT_FALSE(Kolekcje().ZmienionoINiezapisanoLokaty());
}

TEST_F(TPoleceniaLokatTest, ZapisanaOfertaZmienionaLubUsunietaNieBlokuje) {
    DodajOferte(5, QStringLiteral("Bank")).fZmiany = TTypModyfikacji::Zmieniono;
    DodajOferte(6, QStringLiteral("Bank B")).fZmiany = TTypModyfikacji::Usunieto;
    okna.expect<TEdytor>(Wypelnij(QStringLiteral("Lokata"), QStringLiteral("100")));
    Uruchom(&TLokatyFormGlowny::sbtn_DodajLokateClick);
    EXPECT_TRUE(komunikaty.messages.isEmpty());
    EXPECT_EQ(Kolekcje().Lokaty().size(), 1u);
}

TEST_F(TPoleceniaLokatTest, BrakBazyLubWybranegoWiersza) {
    const TPrzypadekPolecenia wszystkie[] = {
        {"add", &TLokatyFormGlowny::sbtn_DodajLokateClick, kBrakBazy},
        {"edit", &TLokatyFormGlowny::sbtn_EdytujLokateClick, kBrakBazy},
        {"new like this", &TLokatyFormGlowny::sbtn_RozpocznijJakoNowaLokateClick, kBrakBazy},
        {"start", &TLokatyFormGlowny::sbtn_RozpocznijLokateClick, kBrakBazy},
        {"end", &TLokatyFormGlowny::sbtn_ZakonczLokateClick, kBrakBazy},
        {"delete", &TLokatyFormGlowny::sbtn_UsunLokateClick, kBrakBazy},
    };
    okno.MyDB = nullptr;
    for (const auto& p : wszystkie) {
        komunikaty.messages.clear();
        Uruchom(p.polecenie);
        EXPECT_EQ(komunikaty.texts(), QStringList{p.komunikat}) << "no database: " << p.nazwa;
    }

    // With the database but no row selected: editing does nothing, the
    // commands on the selected deposit show the connection message.
    okno.MyDB = projekt.get();
    DodajLokate(1, QStringLiteral("Roczna"), kTeraz, 12, TJednostkaOkresu::Miesiac, true);
    Wybierz(nullptr);
    for (const auto& p : wszystkie) {
        if (p.polecenie == &TLokatyFormGlowny::sbtn_DodajLokateClick)
            continue;
        komunikaty.messages.clear();
        Uruchom(p.polecenie);
        const QStringList oczekiwane = p.polecenie == &TLokatyFormGlowny::sbtn_EdytujLokateClick
                                           ? QStringList{}
                                           : QStringList{kBrakBazy};
        EXPECT_EQ(komunikaty.texts(), oczekiwane) << "no row: " << p.nazwa;
    }
    EXPECT_TRUE(okna.shown.isEmpty());
}

TEST_F(TPoleceniaLokatTest, NieaktywnejLokatyNieMoznaEdytowac) {
    TLokata& lokata =
        DodajLokate(1, QStringLiteral("Stara"), kTeraz - 200, 3, TJednostkaOkresu::Miesiac, false);
    Wybierz(&lokata);
    Uruchom(&TLokatyFormGlowny::sbtn_EdytujLokateClick);
    EXPECT_EQ(komunikaty.texts(), QStringList{"Nie można edytować nieaktywnych lokat !!!"});
    EXPECT_TRUE(okna.shown.isEmpty());
}

// --- Checks after OK ------------------------------------------------------

struct TPrzypadekSprawdzenia {
    const char* opis;
    const char* nazwa;
    const char* kwota;
    int okres; // 0 cannot be confirmed with the button: the dialog is accepted directly
    const QString* komunikat;
};

TEST_F(TPoleceniaLokatTest, SprawdzeniaPoOKOdrzucajaCalaLokate) {
    TLokata& wzor =
        DodajLokate(1, QStringLiteral("Roczna"), kTeraz, 12, TJednostkaOkresu::Miesiac, true);
    const TPrzypadekSprawdzenia sprawdzenia[] = {
        {"amount rounding to 0", "Lokata", "0,004", 12, &kZlaKwota},
        {"period 0", "Lokata", "100", 0, &kZlyOkres},
        {"name of blanks", "   ", "100", 12, &kZlaNazwa},
        {"name of removed characters", "\"';/:", "100", 12, &kZlaNazwa},
    };
    const TPrzypadekPolecenia polecenia[] = {
        {"add", &TLokatyFormGlowny::sbtn_DodajLokateClick, kDodawanie},
        {"edit", &TLokatyFormGlowny::sbtn_EdytujLokateClick, kEdycja},
        {"new like this", &TLokatyFormGlowny::sbtn_RozpocznijJakoNowaLokateClick, kDodawanie},
    };
    for (const auto& polecenie : polecenia)
        for (const auto& s : sprawdzenia) {
            Wybierz(&wzor);
            komunikaty.messages.clear();
            okna.expect<TEdytor>([&](TEdytor& d) {
                d.e_AddL_Nazwa->setText(QString::fromUtf8(s.nazwa));
                d.e_AddL_Ile->setText(QString::fromUtf8(s.kwota));
                d.se_AddL_OkresLokaty->setValue(s.okres);
                if (s.okres > 0)
                    ClickButton(d, QStringLiteral("btn_OK"));
                else
                    d.accept();
            });
            Uruchom(polecenie.polecenie);
            EXPECT_EQ(komunikaty.texts(), QStringList{polecenie.komunikat + *s.komunikat})
                << polecenie.nazwa << ": " << s.opis;
        }
    ASSERT_EQ(Kolekcje().Lokaty().size(), 1u);
    EXPECT_EQ(wzor.Nazwa(), QStringLiteral("Roczna"));
    EXPECT_DOUBLE_EQ(wzor.Kwota(), 10000.0);
    EXPECT_EQ(wzor.Zmiany(), TTypModyfikacji::BezZmian);
    EXPECT_FALSE(Kolekcje().ZmienionoINiezapisanoLokaty());
}

// --- Adding, editing, new like this ---------------------------------------

TEST_F(TPoleceniaLokatTest, DodanieZapisujeOczyszczonaNazweIWartosciEdytora) {
    DodajOferte(5, kOferta3M);
    const QString opisOferty =
        Kolekcje().HarmonogramyLokatBankowych().back()->BankNazwaOprocentowanie();
    okna.expect<TEdytor>([&](TEdytor& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Dodaj nową lokatę"));
        EXPECT_EQ(d.Naglowek(), QStringLiteral(" Dodaj nową lokatę"));
        EXPECT_EQ(d.e_AddL_Nazwa->text(), QString());
        EXPECT_EQ(d.e_AddL_Ile->value(), 0.0);
        EXPECT_EQ(d.e_AddL_Ile->maxLength(), 15);
        EXPECT_EQ(d.e_AddL_Ile->maximum(), 1e15);
        EXPECT_DOUBLE_EQ(d.DataRozpoczecia(), kTeraz);
        EXPECT_EQ(d.se_AddL_OkresLokaty->value(), 12);
        EXPECT_EQ(d.cb_AddL_JednostkaLokaty->currentText(), QStringLiteral("Miesiąc"));
        EXPECT_EQ(d.cb_AddL_HarmonogramLokatyBankowej->currentIndex(), -1);
        EXPECT_EQ(d.cb_AddL_HarmonogramLokatyBankowej->count(), 1);
        EXPECT_FALSE(d.btn_OK->isEnabled());

        d.e_AddL_Nazwa->setText(QStringLiteral("  Lokata  3/12:"));
        d.e_AddL_Ile->setText(QStringLiteral("1234,5"));
        d.se_AddL_OkresLokaty->setValue(6);
        d.cb_AddL_JednostkaLokaty->setCurrentText(QStringLiteral("Tydzeń"));
        d.cb_AddL_HarmonogramLokatyBankowej->setCurrentText(opisOferty);
        ClickButton(d, QStringLiteral("btn_OK"));
    });
    Uruchom(&TLokatyFormGlowny::sbtn_DodajLokateClick);

    ASSERT_EQ(Kolekcje().Lokaty().size(), 1u);
    const TLokata& nowa = *OstatniaLokata();
    EXPECT_EQ(nowa.Id(), 1);
    EXPECT_EQ(nowa.Nazwa(), QStringLiteral("Lokata 312"));
    EXPECT_DOUBLE_EQ(nowa.Kwota(), 1234.5);
    EXPECT_EQ(nowa.OkresLokaty(), 6);
    EXPECT_EQ(nowa.fJednostkaLokaty, TJednostkaOkresu::Tydzien);
    EXPECT_DOUBLE_EQ(nowa.DataRozpoczecia(), kTeraz);
    EXPECT_EQ(nowa.IdHarmonogramLokaty(), 5);
    EXPECT_TRUE(nowa.Aktywna());
    EXPECT_EQ(nowa.Zmiany(), TTypModyfikacji::Dodano);
    EXPECT_TRUE(Kolekcje().ZmienionoINiezapisanoLokaty());
    EXPECT_TRUE(komunikaty.messages.isEmpty());
    Wybierz(&nowa); // listed
}

// What the amount field shows once the user leaves it is exactly what the
// deposit holds and what the database is given.
TEST_F(TPoleceniaLokatTest, KwotaPokazanaToKwotaZapisana) {
    const struct {
        const char* wpisano;
        const char* pokazano;
        const char* doBazy;
    } przypadki[] = {
        {"1000,505", "1 000,51 zł", "1000.51"}, {"1000,504", "1 000,50 zł", "1000.5"},
        {"0,005", "0,01 zł", "0.01"},           {"2,675", "2,68 zł", "2.68"},
        {"1,115", "1,12 zł", "1.12"},           {"99999,995", "100 000,00 zł", "100000"},
    };
    for (const auto& p : przypadki) {
        QString pokazane;
        okna.expect<TEdytor>(Wypelnij(QStringLiteral("Lokata"), QString::fromUtf8(p.wpisano),
                                      [&pokazane](TEdytor& d) {
                                          d.e_AddL_Nazwa->setFocus();
                                          pokazane = d.e_AddL_Ile->formattedText();
                                      }));
        Uruchom(&TLokatyFormGlowny::sbtn_DodajLokateClick);
        EXPECT_EQ(pokazane, QString::fromUtf8(p.pokazano)) << p.wpisano;
        EXPECT_EQ(FormatMoney(OstatniaLokata()->Kwota()), pokazane) << p.wpisano;
        EXPECT_EQ(TWartoscSQL::Kwota(OstatniaLokata()->Kwota()), QString::fromUtf8(p.doBazy))
            << p.wpisano;
    }
}

TEST_F(TPoleceniaLokatTest, BezOfertWKataloguLokataNieMaOferty) {
    okna.expect<TEdytor>(Wypelnij(QStringLiteral("Lokata"), QStringLiteral("100"), [](TEdytor& d) {
        EXPECT_EQ(d.cb_AddL_HarmonogramLokatyBankowej->count(), 0);
    }));
    Uruchom(&TLokatyFormGlowny::sbtn_DodajLokateClick);
    ASSERT_EQ(Kolekcje().Lokaty().size(), 1u);
    EXPECT_EQ(OstatniaLokata()->IdHarmonogramLokaty(), -1);
}

TEST_F(TPoleceniaLokatTest, NowaLokataDostajeNajwyzszeIdPlus1000) {
    DodajLokate(1, QStringLiteral("A"), kTeraz, 1, TJednostkaOkresu::Rok, true);
    DodajLokate(7, QStringLiteral("B"), kTeraz, 1, TJednostkaOkresu::Rok, true)
        .SetZmiany(TTypModyfikacji::Usunieto);
    okna.expect<TEdytor>(Wypelnij(QStringLiteral("C"), QStringLiteral("100")));
    Uruchom(&TLokatyFormGlowny::sbtn_DodajLokateClick);
    ASSERT_EQ(Kolekcje().Lokaty().size(), 3u);
    EXPECT_EQ(OstatniaLokata()->Id(), 1007);
    EXPECT_EQ(okno.NoweIdLokaty(), 2007);
}

TEST_F(TPoleceniaLokatTest, PrzyszlyStartDajeNieaktywnaPrzyDodaniuAAktywnaPrzyNowejJakTa) {
    TLokata& wzor =
        DodajLokate(1, QStringLiteral("Wzór"), kTeraz - 10, 3, TJednostkaOkresu::Miesiac, true);
    const auto jutro = [](TEdytor& d) { d.cb_AddL_Data->setDate(QDate(2024, 6, 11)); };

    okna.expect<TEdytor>(Wypelnij(QStringLiteral("Dodana"), QStringLiteral("100"), jutro));
    Uruchom(&TLokatyFormGlowny::sbtn_DodajLokateClick);
    EXPECT_FALSE(OstatniaLokata()->Aktywna());
    EXPECT_DOUBLE_EQ(OstatniaLokata()->DataRozpoczecia(), kTeraz + 1);

    Wybierz(&wzor);
    okna.expect<TEdytor>(Wypelnij(QStringLiteral("Jak ta"), QStringLiteral("100"), jutro));
    Uruchom(&TLokatyFormGlowny::sbtn_RozpocznijJakoNowaLokateClick);
    EXPECT_EQ(OstatniaLokata()->Nazwa(), QStringLiteral("Jak ta"));
    EXPECT_TRUE(OstatniaLokata()->Aktywna());
    EXPECT_EQ(OstatniaLokata()->Zmiany(), TTypModyfikacji::Dodano);
    EXPECT_EQ(wzor.Zmiany(), TTypModyfikacji::BezZmian);
}

TEST_F(TPoleceniaLokatTest, NowaJakTaBierzeWartosciWybranejIDzisiejszaDate) {
    DodajOferte(5, kOferta3M);
    const QString opisOferty =
        Kolekcje().HarmonogramyLokatBankowych().back()->BankNazwaOprocentowanie();
    TLokata& wzor = DodajLokate(4, QStringLiteral("Wzór"), EncodeDate(2024, 1, 2), 3,
                                TJednostkaOkresu::Tydzien, true, 5, 2500);
    Wybierz(&wzor);
    okna.expect<TEdytor>([&](TEdytor& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Dodaj lokatę"));
        EXPECT_EQ(d.Naglowek(), QStringLiteral(" Dodaj lokatę"));
        EXPECT_EQ(d.e_AddL_Nazwa->text(), QStringLiteral("Wzór"));
        EXPECT_DOUBLE_EQ(d.e_AddL_Ile->value(), 2500.0);
        EXPECT_DOUBLE_EQ(d.DataRozpoczecia(), kTeraz);
        EXPECT_EQ(d.se_AddL_OkresLokaty->value(), 3);
        EXPECT_EQ(d.cb_AddL_JednostkaLokaty->currentText(), QStringLiteral("Tydzeń"));
        EXPECT_EQ(d.WybranyHarmonogram(), opisOferty);
        ClickButton(d, QStringLiteral("btn_OK"));
    });
    Uruchom(&TLokatyFormGlowny::sbtn_RozpocznijJakoNowaLokateClick);
    ASSERT_EQ(Kolekcje().Lokaty().size(), 2u);
    EXPECT_EQ(OstatniaLokata()->Id(), 1004);
    EXPECT_EQ(OstatniaLokata()->IdHarmonogramLokaty(), 5);
    EXPECT_EQ(OstatniaLokata()->fJednostkaLokaty, TJednostkaOkresu::Tydzien);
}

TEST_F(TPoleceniaLokatTest, EdycjaZmieniaTeSamaLokateIOznaczaJaZmieniona) {
    DodajOferte(5, kOferta3M);
    DodajOferte(6, QStringLiteral("Bank B"));
    const QString opisB = Kolekcje().HarmonogramyLokatBankowych().back()->BankNazwaOprocentowanie();
    TLokata& lokata =
        DodajLokate(3, QStringLiteral("Tygodniowa"), EncodeDateTime(2024, 6, 1, 8, 15), 2,
                    TJednostkaOkresu::Tydzien, true, 5, 800);
    Wybierz(&lokata);
    okna.expect<TEdytor>([&](TEdytor& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Edytuj lokatę"));
        EXPECT_EQ(d.Naglowek(), QStringLiteral(" Edytuj lokatę"));
        EXPECT_EQ(d.cb_AddL_JednostkaLokaty->currentText(), QStringLiteral("Tydzeń"));
        EXPECT_DOUBLE_EQ(d.DataRozpoczecia(), EncodeDateTime(2024, 6, 1, 8, 15));
        EXPECT_DOUBLE_EQ(d.e_AddL_Ile->value(), 800.0);
        d.e_AddL_Nazwa->setText(QStringLiteral("Miesięczna"));
        d.cb_AddL_JednostkaLokaty->setCurrentText(QStringLiteral("Miesiąc"));
        d.cb_AddL_Data->setDate(QDate(2024, 6, 3));
        d.cb_AddL_HarmonogramLokatyBankowej->setCurrentText(opisB);
        ClickButton(d, QStringLiteral("btn_OK"));
    });
    Uruchom(&TLokatyFormGlowny::sbtn_EdytujLokateClick);

    ASSERT_EQ(Kolekcje().Lokaty().size(), 1u);
    EXPECT_EQ(lokata.Id(), 3);
    EXPECT_EQ(lokata.Nazwa(), QStringLiteral("Miesięczna"));
    EXPECT_EQ(lokata.fJednostkaLokaty, TJednostkaOkresu::Miesiac);
    EXPECT_DOUBLE_EQ(lokata.DataRozpoczecia(), EncodeDateTime(2024, 6, 3, 8, 15));
    EXPECT_EQ(lokata.IdHarmonogramLokaty(), 6);
    EXPECT_EQ(lokata.Zmiany(), TTypModyfikacji::Zmieniono);
    EXPECT_TRUE(Kolekcje().ZmienionoINiezapisanoLokaty());

    // A deposit added in this run stays added when edited.
    lokata.SetZmiany(TTypModyfikacji::Dodano);
    Wybierz(&lokata);
    okna.expect<TEdytor>(Wypelnij(QStringLiteral("Nowa"), QStringLiteral("900")));
    Uruchom(&TLokatyFormGlowny::sbtn_EdytujLokateClick);
    EXPECT_EQ(lokata.Zmiany(), TTypModyfikacji::Dodano);
    EXPECT_DOUBLE_EQ(lokata.Kwota(), 900.0);
}

TEST_F(TPoleceniaLokatTest, AnulowanyEdytorNiczegoNieZmienia) {
    okna.expect<TEdytor>([](TEdytor& d) {
        d.e_AddL_Nazwa->setText(QStringLiteral("Lokata"));
        ClickButton(d, QStringLiteral("btn_Cancel"));
    });
    Uruchom(&TLokatyFormGlowny::sbtn_DodajLokateClick);
    EXPECT_TRUE(Kolekcje().Lokaty().empty());
    EXPECT_FALSE(Kolekcje().ZmienionoINiezapisanoLokaty());
}

// --- Start, end, delete -----------------------------------------------------

TEST_F(TPoleceniaLokatTest, RozpoczecieOdmowionePoTerminieAPrzedStartemPytaOLiczbeDni) {
    // 30 days from 40 days ago: its end has passed.
    TLokata& po = DodajLokate(1, QStringLiteral("Po terminie"), kTeraz - 40, 30,
                              TJednostkaOkresu::Dzien, false);
    Wybierz(&po);
    Uruchom(&TLokatyFormGlowny::sbtn_RozpocznijLokateClick);
    EXPECT_EQ(
        komunikaty.texts(),
        QStringList{"Czas zakończenia lokaty już minął, nie można jej ponownie aktywować !!!"});
    EXPECT_FALSE(po.Aktywna());

    // Starts in 3.2 days.
    TLokata& przyszla = DodajLokate(2, QStringLiteral("Przyszła"), kTeraz + 3.2, 30,
                                    TJednostkaOkresu::Dzien, false);
    const QString pytanie = QStringLiteral("Czy jesteś pewien że chcesz rozpocząć wybraną lokatę "
                                           "????.\rData rozpoczęcia lokaty jeszcze "
                                           "nie minęła. Ilość dni do daty rozpoczęcia lokaty: 3");
    Wybierz(&przyszla);
    komunikaty.messages.clear();
    komunikaty.answers = {TMessageResult::No};
    Uruchom(&TLokatyFormGlowny::sbtn_RozpocznijLokateClick);
    EXPECT_EQ(komunikaty.texts(), QStringList{pytanie});
    EXPECT_EQ(komunikaty.messages.value(0).caption, QStringLiteral("UWAGA !!!"));
    EXPECT_FALSE(komunikaty.messages.value(0).defaultNo) << "starting destroys nothing";
    EXPECT_FALSE(przyszla.Aktywna());

    komunikaty.answers = {TMessageResult::Yes};
    Uruchom(&TLokatyFormGlowny::sbtn_RozpocznijLokateClick);
    EXPECT_TRUE(przyszla.Aktywna());
    EXPECT_EQ(przyszla.Zmiany(), TTypModyfikacji::Zmieniono);
    EXPECT_TRUE(Kolekcje().ZmienionoINiezapisanoLokaty());
    EXPECT_TRUE(okna.shown.isEmpty()); // starting shows no profit dialog

    // Started already and ended in an earlier showing: its profit, if one was
    // added then, stays where it went.
    TLokata& biezaca =
        DodajLokate(3, QStringLiteral("Bieżąca"), kTeraz - 1, 30, TJednostkaOkresu::Dzien, false);
    Wybierz(&biezaca);
    komunikaty.messages.clear();
    komunikaty.answers = {TMessageResult::Yes};
    Uruchom(&TLokatyFormGlowny::sbtn_RozpocznijLokateClick);
    EXPECT_EQ(komunikaty.texts(),
              QStringList{"Czy jesteś pewien że chcesz ponownie rozpocząć lokatę \"Bieżąca\" "
                          "????.\rLokata została zakończona wcześniej. Zysk dodany wtedy do "
                          "oszczędności nie zostanie cofnięty: jeżeli go dodano, popraw kwotę "
                          "oszczędności ręcznie."});
    EXPECT_TRUE(biezaca.Aktywna());

    // Added in this showing: nothing was ever booked, nothing is asked.
    TLokata& nowa =
        DodajLokate(4, QStringLiteral("Nowa"), kTeraz - 1, 30, TJednostkaOkresu::Dzien, false);
    nowa.SetZmiany(TTypModyfikacji::Dodano);
    Wybierz(&nowa);
    komunikaty.messages.clear();
    Uruchom(&TLokatyFormGlowny::sbtn_RozpocznijLokateClick);
    EXPECT_TRUE(komunikaty.messages.isEmpty());
    EXPECT_TRUE(nowa.Aktywna());
}

// Ending, adding the profit, starting again and ending again must not put the
// profit into savings twice.
TEST_F(TPoleceniaLokatTest, PonowneRozpoczecieCofaZyskDodanyWTymPokazaniu) {
    TOszczednosc& konto = DodajOszczednosc(3, 1, QStringLiteral("Konto"), 100);
    TLokata& lokata =
        DodajLokate(1, QStringLiteral("Lokata"), kTeraz - 10, 30, TJednostkaOkresu::Dzien, true);
    const auto zakoncz = [&](const QString& kwota) {
        komunikaty.answers = {TMessageResult::Yes}; // before its end: asked first
        okna.expect<TDialogZysku>([kwota](TDialogZysku& d) {
            d.e_AddZysk_Ile->setText(kwota);
            ClickButton(d, QStringLiteral("btn_OK"));
        });
        Uruchom(&TLokatyFormGlowny::sbtn_ZakonczLokateClick);
    };
    Wybierz(&lokata);
    zakoncz(QStringLiteral("12,34"));
    EXPECT_DOUBLE_EQ(konto.Ile(), 112.34);
    EXPECT_DOUBLE_EQ(Kolekcje().ZyskiZLokatDoDodaniaJakoPrzychod().at(1), 12.34);

    const QString pytanie = QStringLiteral(
        "Czy jesteś pewien że chcesz ponownie rozpocząć lokatę \"Lokata\" ????.\rZysk 12,34 zł "
        "dodany przy jej zakończeniu do oszczędności \"Konto\" zostanie z niej odjęty i nie "
        "zostanie zaksięgowany jako przychód.");
    komunikaty.messages.clear();
    komunikaty.answerByEnter = true; // Enter keeps everything as it is
    Uruchom(&TLokatyFormGlowny::sbtn_RozpocznijLokateClick);
    EXPECT_EQ(komunikaty.texts(), QStringList{pytanie});
    EXPECT_FALSE(lokata.Aktywna());
    EXPECT_DOUBLE_EQ(konto.Ile(), 112.34);

    komunikaty.answerByEnter = false;
    komunikaty.answers = {TMessageResult::Yes};
    Uruchom(&TLokatyFormGlowny::sbtn_RozpocznijLokateClick);
    EXPECT_TRUE(lokata.Aktywna());
    EXPECT_DOUBLE_EQ(konto.Ile(), 100.0);
    EXPECT_DOUBLE_EQ(Kolekcje().ZyskiZLokatDoDodaniaJakoPrzychod().at(1), 0.0);

    zakoncz(QStringLiteral("5"));
    EXPECT_DOUBLE_EQ(konto.Ile(), 105.0);
    EXPECT_DOUBLE_EQ(Kolekcje().ZyskiZLokatDoDodaniaJakoPrzychod().at(1), 5.0);
    EXPECT_EQ(okno.ZakonczoneWTymPokazaniu().at(1).kwota, 5.0);
}

// The profit proposed is what the bank pays: the exact schedule's net interest
// for a deposit that reached its end, nothing for one broken early (then the
// offer's early-break terms are shown).
TEST_F(TPoleceniaLokatTest, ProponowanyZyskToOdsetkiNettoBankuLubZeroPrzedTerminem) {
    THarmonogramLokatyBankowej& oferta = DodajOferte(5, kOferta3M);
    oferta.fOprocentowanieWSkaliRoku = 4.1;
    oferta.fKapitalizacja = TKapitalizacja::Dzienna;
    oferta.fWarunkiWczesniejszegoZerwaniaLokaty = QStringLiteral("Odsetki przepadają.");
    DodajOszczednosc(3, 1, QStringLiteral("Konto"), 0);
    // 15 000 zł for 30 days at 4,10 % capitalised daily: 50,69 zł gross,
    // 40,80 zł net when the tax is taken each day.
    TLokata& po = DodajLokate(1, QStringLiteral("Po"), kTeraz - 31, 30, TJednostkaOkresu::Dzien,
                              true, 5, 15000);
    TLokata& przed = DodajLokate(2, QStringLiteral("Przed"), kTeraz - 10, 30,
                                 TJednostkaOkresu::Dzien, true, 5, 15000);
    const struct {
        TLokata* lokata;
        double kwota;
        const char* fragment;
    } przypadki[] = {
        {&po, 40.80, "Zysk wypłacany przez bank (odsetki po potrąceniu 19 % podatku): 40,80 zł"},
        {&przed, 0.0, "Warunki wcześniejszego zerwania lokaty: Odsetki przepadają."},
    };
    for (const auto& p : przypadki) {
        Wybierz(p.lokata);
        komunikaty.answers = {TMessageResult::Yes};
        okna.expect<TDialogZysku>([&p](TDialogZysku& d) {
            EXPECT_DOUBLE_EQ(d.e_AddZysk_Ile->value(), p.kwota);
            EXPECT_TRUE(d.Informacja().contains(QString::fromUtf8(p.fragment)))
                << d.Informacja().toStdString();
            ClickButton(d, QStringLiteral("btn_Cancel"));
        });
        Uruchom(&TLokatyFormGlowny::sbtn_ZakonczLokateClick);
    }
    EXPECT_EQ(okna.pending(), 0u);
}

TEST_F(TPoleceniaLokatTest, ZakonczeniePrzedTerminemPytaOLiczbeDni) {
    // 30 days that end in 10.6 days: the eleventh day, as the list counts.
    TLokata& lokata = DodajLokate(1, QStringLiteral("Trwająca"), kTeraz - 19.4, 30,
                                  TJednostkaOkresu::Dzien, true);
    Wybierz(&lokata);
    komunikaty.answers = {TMessageResult::No};
    Uruchom(&TLokatyFormGlowny::sbtn_ZakonczLokateClick);
    EXPECT_EQ(komunikaty.texts(),
              QStringList{"Czy jesteś pewien że chcesz przerwać wybraną lokatę ????.\rIlość dni do "
                          "końca lokaty: 11"});
    EXPECT_TRUE(komunikaty.messages[0].defaultNo) << "a stray Enter keeps the deposit running";
    EXPECT_TRUE(lokata.Aktywna());
    EXPECT_TRUE(okna.shown.isEmpty());

    komunikaty.answers = {TMessageResult::Yes};
    okna.expect<TDialogZysku>(
        [](TDialogZysku& d) { ClickButton(d, QStringLiteral("btn_Cancel")); });
    Uruchom(&TLokatyFormGlowny::sbtn_ZakonczLokateClick);
    EXPECT_FALSE(lokata.Aktywna());
    EXPECT_EQ(lokata.Zmiany(), TTypModyfikacji::Zmieniono);
    EXPECT_TRUE(Kolekcje().ZmienionoINiezapisanoLokaty());
}

TEST_F(TPoleceniaLokatTest, ZakonczenieBezOfertyProponujeZeroIOdmawiaDodania) {
    // Ended yesterday: no question, straight to the profit dialog.
    TLokata& lokata = DodajLokate(1, QStringLiteral("Bez oferty"), kTeraz - 31, 30,
                                  TJednostkaOkresu::Dzien, true);
    lokata.SetZmiany(TTypModyfikacji::Dodano);
    DodajOszczednosc(3, 1, QStringLiteral("Konto"), 100);
    Wybierz(&lokata);
    okna.expect<TDialogZysku>([](TDialogZysku& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Dodaj zysk z lokaty do oszczędności"));
        EXPECT_EQ(d.lbl_AddZysk_Head->text(), QStringLiteral("Zysk z lokaty"));
        EXPECT_EQ(d.Informacja(),
                  QStringLiteral("Lokata \"Bez oferty\" została zakończona.\rSzacowany zysk z "
                                 "lokaty nie został policzony, nie wybrano lokaty bankowej.\r\rCzy "
                                 "chcesz dodać zysk z lokaty do oszczędności ?"));
        EXPECT_EQ(d.e_AddZysk_Ile->value(), 0.0);
        EXPECT_TRUE(d.btn_OK->isEnabled());
        ClickButton(d, QStringLiteral("btn_OK"));
        EXPECT_TRUE(d.isVisible());
        ClickButton(d, QStringLiteral("btn_Cancel"));
    });
    Uruchom(&TLokatyFormGlowny::sbtn_ZakonczLokateClick);

    EXPECT_EQ(komunikaty.texts(), QStringList{"Podano nieprawidłową kwotę !!!"});
    EXPECT_FALSE(lokata.Aktywna());
    EXPECT_EQ(lokata.Zmiany(), TTypModyfikacji::Dodano);
    EXPECT_DOUBLE_EQ(Kolekcje().Oszczednosci().back()->Ile(), 100.0);
    EXPECT_FALSE(Kolekcje().ZmienionoINiezapisanoOszczednosci());
    EXPECT_TRUE(Kolekcje().ZyskiZLokatDoDodaniaJakoPrzychod().empty());
}

TEST_F(TPoleceniaLokatTest, ZyskiDodaneDoOszczednosciTejSamejKategoriiSumujaSie) {
    DodajOferte(5, kOferta3M);
    TOszczednosc& konto = DodajOszczednosc(3, 1, QStringLiteral("Konto"), 100);
    DodajOszczednosc(4, 2, QStringLiteral("Skarbonka"), 5);
    // Two deposits of 10 000 for 3 months at 4,50 % monthly, from 1 March: the
    // bank pays 92,14 zł net each.
    TLokata& pierwsza = DodajLokate(1, QStringLiteral("Pierwsza"), EncodeDate(2024, 3, 1), 3,
                                    TJednostkaOkresu::Miesiac, true, 5);
    TLokata& druga = DodajLokate(2, QStringLiteral("Druga"), EncodeDate(2024, 3, 1), 3,
                                 TJednostkaOkresu::Miesiac, true, 5);

    Wybierz(&pierwsza);
    okna.expect<TDialogZysku>([](TDialogZysku& d) {
        EXPECT_EQ(d.Informacja(),
                  QStringLiteral("Lokata \"Pierwsza\" została zakończona.\rZysk wypłacany "
                                 "przez bank (odsetki po potrąceniu 19 % podatku): 92,14 "
                                 "zł\r\rCzy chcesz dodać zysk z lokaty do "
                                 "oszczędności ?"));
        EXPECT_DOUBLE_EQ(d.e_AddZysk_Ile->value(), 92.14);
        EXPECT_EQ(d.cbb_AddZysk_Oszczednosc->count(), 2);
        d.cbb_AddZysk_Oszczednosc->setCurrentText(QStringLiteral("Konto"));
        EXPECT_EQ(d.lbl_PrzelejL_Kwota->text(),
                  QStringLiteral("Aktualna kwota powyższej oszczędności: 100,00 zł"));
        ClickButton(d, QStringLiteral("btn_OK"));
    });
    Uruchom(&TLokatyFormGlowny::sbtn_ZakonczLokateClick);

    Wybierz(&druga);
    okna.expect<TDialogZysku>([](TDialogZysku& d) {
        d.cbb_AddZysk_Oszczednosc->setCurrentText(QStringLiteral("Konto"));
        d.e_AddZysk_Ile->setText(QStringLiteral("7,86")); // the user books less
        ClickButton(d, QStringLiteral("btn_OK"));
    });
    Uruchom(&TLokatyFormGlowny::sbtn_ZakonczLokateClick);

    EXPECT_TRUE(komunikaty.messages.isEmpty());
    EXPECT_DOUBLE_EQ(konto.Ile(), 200.0);
    EXPECT_EQ(konto.Zmiany(), TTypModyfikacji::Zmieniono);
    EXPECT_DOUBLE_EQ(konto.Data(), kTeraz);
    EXPECT_TRUE(Kolekcje().ZmienionoINiezapisanoOszczednosci());
    const auto& zyski = Kolekcje().ZyskiZLokatDoDodaniaJakoPrzychod();
    ASSERT_EQ(zyski.size(), 1u);
    EXPECT_DOUBLE_EQ(zyski.at(1), 100.0);
    EXPECT_FALSE(pierwsza.Aktywna());
    EXPECT_FALSE(druga.Aktywna());
}

TEST_F(TPoleceniaLokatTest, ZyskTrafiaDoWybranejOszczednosciNawetPrzyTymSamymOpisie) {
    // Two balances of one category are listed under the same description (the
    // newer first); the profit goes to the one the user chose, not to the
    // first balance of that description.
    TOszczednosc& starsze = DodajOszczednosc(3, 1, QStringLiteral("Konto"), 100);
    TOszczednosc& nowsze = DodajOszczednosc(8, 1, QStringLiteral("Konto"), 50);
    TLokata& lokata =
        DodajLokate(1, QStringLiteral("Lokata"), kTeraz - 31, 30, TJednostkaOkresu::Dzien, true);
    Wybierz(&lokata);
    okna.expect<TDialogZysku>([&](TDialogZysku& d) {
        ASSERT_EQ(d.cbb_AddZysk_Oszczednosc->count(), 2);
        EXPECT_EQ(d.IdWybranejOszczednosci(), nowsze.Id());
        d.cbb_AddZysk_Oszczednosc->setCurrentIndex(1);
        EXPECT_EQ(d.IdWybranejOszczednosci(), starsze.Id());
        EXPECT_EQ(d.lbl_PrzelejL_Kwota->text(),
                  QStringLiteral("Aktualna kwota powyższej oszczędności: 100,00 zł"));
        d.e_AddZysk_Ile->setText(QStringLiteral("10"));
        ClickButton(d, QStringLiteral("btn_OK"));
    });
    Uruchom(&TLokatyFormGlowny::sbtn_ZakonczLokateClick);
    EXPECT_DOUBLE_EQ(starsze.Ile(), 110.0);
    EXPECT_DOUBLE_EQ(nowsze.Ile(), 50.0);
    EXPECT_DOUBLE_EQ(Kolekcje().ZyskiZLokatDoDodaniaJakoPrzychod().at(1), 10.0);
}

TEST_F(TPoleceniaLokatTest, BladArytmetykiOszczednosciJestPokazanyANieRzucony) {
    // A balance of a debt category with a type the arithmetic does not know.
    Kolekcje().KategorieOszczednosci().push_back(std::make_unique<TKategoriaOszczednosci>(
        1, QStringLiteral("Kredyt"), false, true, true, TTypModyfikacji::BezZmian, 1));
    TOszczednosc& dlug = DodajOszczednosc(3, 1, QStringLiteral("Kredyt"), 100);
    dlug.fTypOszczednosci = 3;
    TLokata& lokata =
        DodajLokate(1, QStringLiteral("Lokata"), kTeraz - 31, 30, TJednostkaOkresu::Dzien, true);
    Wybierz(&lokata);
    okna.expect<TDialogZysku>([](TDialogZysku& d) {
        d.e_AddZysk_Ile->setText(QStringLiteral("10"));
        ClickButton(d, QStringLiteral("btn_OK"));
    });
    Uruchom(&TLokatyFormGlowny::sbtn_ZakonczLokateClick);
    EXPECT_EQ(komunikaty.texts(), QStringList{"Nieobsługiwany typ oszczędności !!!"});
    EXPECT_DOUBLE_EQ(dlug.Ile(), 100.0);
    EXPECT_TRUE(Kolekcje().ZyskiZLokatDoDodaniaJakoPrzychod().empty());
    EXPECT_FALSE(lokata.Aktywna()); // ended all the same
    EXPECT_TRUE(Kolekcje().ZmienionoINiezapisanoLokaty());
}

// Every question whose "Tak" loses a deposit or the window's changes is
// answered by Enter here: nothing may change.
TEST_F(TPoleceniaLokatTest, EnterNigdyNieNiszczyLokatyAniZmian) {
    TLokata& lokata =
        DodajLokate(1, QStringLiteral("Trwająca"), kTeraz - 10, 30, TJednostkaOkresu::Dzien, true);
    Kolekcje().SetZmienionoINiezapisanoLokaty(true);
    komunikaty.answerByEnter = true;
    for (const TPolecenie polecenie :
         {&TLokatyFormGlowny::sbtn_ZakonczLokateClick, &TLokatyFormGlowny::sbtn_UsunLokateClick}) {
        Wybierz(&lokata);
        Uruchom(polecenie);
    }
    okno.show();
    okno.close();
    EXPECT_EQ(komunikaty.messages.size(), 3);
    for (const TMessage& pytanie : komunikaty.messages)
        EXPECT_TRUE(pytanie.defaultNo) << pytanie.text.toStdString();
    EXPECT_TRUE(lokata.Aktywna());
    EXPECT_EQ(lokata.Zmiany(), TTypModyfikacji::BezZmian);
    EXPECT_TRUE(okno.isVisible()) << "the window with unsaved changes stays open";
    EXPECT_TRUE(okna.shown.isEmpty());
    okno.MyDB = nullptr;
    okno.close();
}

TEST_F(TPoleceniaLokatTest, UsuniecieOznaczaLokateIJejNieWyswietla) {
    TLokata& lokata =
        DodajLokate(1, QStringLiteral("Do usunięcia"), kTeraz, 3, TJednostkaOkresu::Miesiac, true);
    lokata.SetZmiany(TTypModyfikacji::Dodano); // added in this run
    const QString pytanie = QStringLiteral(
        "Czy jesteś pewien że chcesz usunąć wybraną lokatę ????.\rOperacja jest nieodwracalna !!!");

    Wybierz(&lokata);
    komunikaty.answers = {TMessageResult::No};
    Uruchom(&TLokatyFormGlowny::sbtn_UsunLokateClick);
    EXPECT_EQ(komunikaty.texts(), QStringList{pytanie});
    EXPECT_TRUE(komunikaty.messages[0].defaultNo) << "a stray Enter keeps the deposit";
    EXPECT_EQ(lokata.Zmiany(), TTypModyfikacji::Dodano);

    komunikaty.answers = {TMessageResult::Yes};
    Uruchom(&TLokatyFormGlowny::sbtn_UsunLokateClick);
    EXPECT_EQ(lokata.Zmiany(), TTypModyfikacji::Usunieto);
    EXPECT_TRUE(Kolekcje().ZmienionoINiezapisanoLokaty());
    ASSERT_EQ(Kolekcje().Lokaty().size(), 1u); // kept until saved
    for (const TWierszRaportu* wiersz :
         okno.findChild<TListaRaportowa*>(QStringLiteral("lv_Lokaty"))->Wiersze())
        EXPECT_NE(wiersz->rekord, &lokata);
}

// --- Selection and keyboard -------------------------------------------------

TEST_F(TPoleceniaLokatTest, PoPoleceniuZaznaczonaZostajeTaSamaLokata) {
    DodajLokate(1, QStringLiteral("Pierwsza"), kTeraz - 10, 3, TJednostkaOkresu::Miesiac, true);
    TLokata& lokata =
        DodajLokate(2, QStringLiteral("Druga"), kTeraz - 10, 3, TJednostkaOkresu::Miesiac, true);
    DodajLokate(3, QStringLiteral("Trzecia"), kTeraz - 10, 3, TJednostkaOkresu::Miesiac, true);
    Wybierz(&lokata);

    okna.expect<TEdytor>(Wypelnij(QStringLiteral("Druga zmieniona"), QStringLiteral("500")));
    Uruchom(&TLokatyFormGlowny::sbtn_EdytujLokateClick);
    EXPECT_EQ(okno.WybranaLokata(), &lokata) << "after editing";

    komunikaty.answers = {TMessageResult::Yes};
    okna.expect<TDialogZysku>(
        [](TDialogZysku& d) { ClickButton(d, QStringLiteral("btn_Cancel")); });
    Uruchom(&TLokatyFormGlowny::sbtn_ZakonczLokateClick);
    ASSERT_FALSE(lokata.Aktywna());
    EXPECT_EQ(okno.WybranaLokata(), &lokata) << "after ending, in the other group";

    Uruchom(&TLokatyFormGlowny::sbtn_RozpocznijLokateClick);
    ASSERT_TRUE(lokata.Aktywna());
    EXPECT_EQ(okno.WybranaLokata(), &lokata) << "after starting";
}

// Enter on a selected row opens it for editing, as a double click does;
// without a selected row it stays the window's default button.
TEST_F(TPoleceniaLokatTest, EnterNaWierszuOtwieraEdycjeAPozaNimZapisujeIZamyka) {
    TLokata& lokata =
        DodajLokate(1, QStringLiteral("Lokata"), kTeraz - 10, 3, TJednostkaOkresu::Miesiac, true);
    okno.show();
    Wybierz(&lokata);
    QTreeView* lista = ListInTest::FindList(okno, "lv_Lokaty");
    okna.expect<TEdytor>([](TEdytor& d) { ClickButton(d, QStringLiteral("btn_Cancel")); });
    QTest::keyClick(lista, Qt::Key_Return);
    EXPECT_EQ(okna.shownNames(), QStringList{"FormDodajEdytujLokate"});
    EXPECT_TRUE(okno.isVisible());

    lista->clearSelection();
    QTest::keyClick(lista, Qt::Key_Return);
    EXPECT_FALSE(okno.isVisible());
    EXPECT_EQ(okno.result(), QDialog::Accepted);
}

} // namespace
