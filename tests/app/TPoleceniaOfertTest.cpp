// The offer commands without a window, on a fresh data file: the editor is
// a script, questions and file choices too.
#include "app/TPoleceniaOfert.h"

#include "app/IEdytorOferty.h"
#include "common/OfertaTestowa.h"
#include "common/ScopedClock.h"
#include "common/ScriptedFileChooser.h"
#include "common/ScriptedMessageBoxes.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "domain/THarmonogramLokatyBankowej.h"
#include "domain/TLokata.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <deque>
#include <functional>
#include <gtest/gtest.h>

namespace {

using TTyp = TTypModyfikacji;
using TZmiana = TPoleceniaOfert::TZmiana;
using TOferta = TPoleceniaOfert::TOferta;
using TZmianaWEdytorze = std::function<void(THarmonogramLokatyBankowej&)>;

const TDateTime kTeraz = EncodeDateTime(2024, 6, 10, 12, 0);
const TDateTime kDawniej = EncodeDateTime(2023, 1, 2, 8, 0);

const QString kNieodwracalna = QStringLiteral("\rOperacja jest nieodwracalna !!!");
const QString kUsunJedna =
    "Czy jesteś pewien że chcesz usunąć wybraną lokatę bankową ????." + kNieodwracalna;
const QString kUsunWszystkie =
    "Czy jesteś pewien że chcesz usunąć wszystkie lokaty bankowe ????." + kNieodwracalna;
const QString kWUzyciu = QStringLiteral(
    "Nie udało się usunąć lokaty bankowej !!!\rLokata bankowa używana jest w co najmniej jednej "
    "Twojej lokacie. Usuń najpierw lokaty, które powiązane są z tą lokatą bankową lub ustaw im "
    "pustą lokatę bankową.\rJeżeli nie ma żadnych lokat używających tej lokaty bankowej (były "
    "ale są usunięte) zamknij ten moduł klikając w przycisk ZAPISZ po czym uruchom go ponownie "
    "i spróbuj usunąć niniejszą lokatę bankową jeszcze raz.");
const QString kPytanieOImport = QStringLiteral(
    "Lokata bankowa, którą edytujesz została zaimportowana z pliku. Do tej pory nie była "
    "zmieniana. Czy na pewno chcesz edytować wybraną lokatę ???");

QString UsunZBanku(const QString& bank) {
    return "Czy jesteś pewien że chcesz usunąć wszystkie lokaty z banku \"" + bank + "\" ????." +
           kNieodwracalna;
}

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

// The editor as the user works it: it starts from the model's values (or
// empty ones), takes the user's change and, after OK, writes every field as
// the user's own offer. A missing change is a cancel.
class TSkryptowanyEdytor : public IEdytorOferty {
public:
    struct TWywolanie {
        QString tytul;
        QStringList banki;
        const THarmonogramLokatyBankowej* wzor;
        const THarmonogramLokatyBankowej* cel;
    };

    bool Edytuj(const QString& tytul, const QStringList& banki,
                const THarmonogramLokatyBankowej* wzor, THarmonogramLokatyBankowej& cel) override {
        wywolania.push_back({tytul, banki, wzor, &cel});
        if (odpowiedzi.empty())
            return false;
        const TZmianaWEdytorze zmiana = odpowiedzi.front();
        odpowiedzi.pop_front();
        if (!zmiana)
            return false;
        if (wzor && wzor != &cel) {
            cel.fBank = wzor->fBank;
            cel.fNazwaHarmonogramu = wzor->fNazwaHarmonogramu;
            cel.fOkresDepozytu = wzor->fOkresDepozytu;
            cel.fJednostkaDepozytu = wzor->fJednostkaDepozytu;
            cel.fOprocentowanieWSkaliRoku = wzor->fOprocentowanieWSkaliRoku;
            cel.fKapitalizacja = wzor->fKapitalizacja;
            cel.fPozostaleInformacje = wzor->fPozostaleInformacje;
        }
        zmiana(cel);
        cel.fHarmonogramDodanyPrzezUzytkownika = true;
        return true;
    }

    std::deque<TZmianaWEdytorze> odpowiedzi;
    std::vector<TWywolanie> wywolania;
};

TZmianaWEdytorze BezZmian() {
    return [](THarmonogramLokatyBankowej&) {};
}

class TPoleceniaOfertTest : public testing::Test {
protected:
    void SetUp() override { NowyProjekt(); }

    // A fresh data file; the collections start empty.
    void NowyProjekt() {
        projekt.reset();
        QFile::remove(Sciezka("DataFile.dat"));
        projekt = std::make_unique<TProjektDB>(Sciezka("DataFile.dat"));
        Kolekcje().Lokaty().clear();
        Oferty().clear();
    }

    QString Sciezka(const QString& nazwa) const { return QDir(katalog.path()).filePath(nazwa); }
    TKolekcjeDanych& Kolekcje() { return projekt->Kolekcje(); }
    TListaObiektow<THarmonogramLokatyBankowej>& Oferty() {
        return Kolekcje().HarmonogramyLokatBankowych();
    }

    // 3 months, capitalised monthly, dated long ago; not in the catalogue.
    static TOferta NowaOferta(int32_t id, const QString& bank, bool uzytkownika,
                              double oprocentowanie = 4.5) {
        return OfertaTestowa(id, bank, uzytkownika, oprocentowanie, kDawniej);
    }

    THarmonogramLokatyBankowej& DodajOferte(int32_t id, const QString& bank, bool uzytkownika,
                                            double oprocentowanie = 4.5) {
        Oferty().push_back(NowaOferta(id, bank, uzytkownika, oprocentowanie));
        return *Oferty().back();
    }

    void DodajLokate(int32_t idOferty, TTyp zmiany = TTyp::BezZmian) {
        Kolekcje().Lokaty().push_back(
            std::make_unique<TLokata>(1, QStringLiteral("Moja"), 1000, kTeraz, 3,
                                      TJednostkaOkresu::Miesiac, idOferty, true, zmiany));
    }

    // The catalogue goes to the file and is read back.
    void ZapiszIOdczytaj() {
        ASSERT_TRUE(
            projekt->ZapiszZawartoscKolekcjiDoBazy(TTabele::HarmonogramyLokatBankowych).Zapisano());
        projekt->OdswiezZawartoscKolekcji(TTabele::HarmonogramyLokatBankowych);
    }

    THarmonogramLokatyBankowej* Oferta(const QString& bank, double oprocentowanie) {
        for (const auto& h : Oferty())
            if (h->fBank == bank && h->fOprocentowanieWSkaliRoku == oprocentowanie)
                return h.get();
        return nullptr;
    }

    ScopedClock zegar{kTeraz};
    ScriptedMessageBoxes komunikaty;
    TSkryptowanyEdytor edytor;
    QTemporaryDir katalog;
    std::unique_ptr<TProjektDB> projekt;
    bool zProjektem = true;
    int brakPolaczenia = 0;
    TPoleceniaOfert polecenia{[this] { return zProjektem ? projekt.get() : nullptr; },
                              [this] { ++brakPolaczenia; }, edytor};
};

// "bank rate mark": "=" unchanged, "+" added, "*" changed, "-" deleted.
QString Opis(const THarmonogramLokatyBankowej& h) {
    const char* znaki = "=*+-";
    return h.fBank + " " + QString::number(h.fOprocentowanieWSkaliRoku) + " " +
           QChar::fromLatin1(znaki[static_cast<int>(h.fZmiany)]);
}

QStringList Opisy(const TListaObiektow<THarmonogramLokatyBankowej>& oferty, bool zeZnakiem) {
    QStringList opisy;
    for (const auto& h : oferty)
        opisy << (zeZnakiem ? Opis(*h) : Opis(*h).chopped(2));
    opisy.sort();
    return opisy;
}

// The catalogue: saved in the file "Bank Alfa" 4,5 % and "BANK ALFA" 5 %,
// which a deposit uses, and "Bank Beta" 4,5 %; added in this run and not
// saved yet "bank alfa" 6 %.
TEST_F(TPoleceniaOfertTest, DeletionsMarkTheOffersAndKeepThoseInUse) {
    using TPolecenie = std::function<TZmiana(TPoleceniaOfert&, THarmonogramLokatyBankowej*)>;
    const TPolecenie jedna = &TPoleceniaOfert::Usun;
    const TPolecenie bank = &TPoleceniaOfert::UsunZBanku;
    const TPolecenie wszystkie = &TPoleceniaOfert::UsunWszystkie;
    const struct {
        const char* nazwa;
        TPolecenie polecenie;
        const char* wybrana; // bank of the selected offer
        double oprocentowanie;
        TMessageResult odpowiedz;
        QStringList komunikaty;
        QStringList poPoleceniu;
        QStringList wPliku; // after the save
    } przypadki[] = {
        {"one",
         jedna,
         "Bank Alfa",
         4.5,
         TMessageResult::Yes,
         {kUsunJedna},
         {"BANK ALFA 5 =", "Bank Alfa 4.5 -", "Bank Beta 4.5 =", "bank alfa 6 +"},
         {"BANK ALFA 5", "Bank Beta 4.5", "bank alfa 6"}},
        {"one in use",
         jedna,
         "BANK ALFA",
         5,
         TMessageResult::Yes,
         {kUsunJedna, kWUzyciu},
         {"BANK ALFA 5 =", "Bank Alfa 4.5 =", "Bank Beta 4.5 =", "bank alfa 6 +"},
         {"BANK ALFA 5", "Bank Alfa 4.5", "Bank Beta 4.5", "bank alfa 6"}},
        {"one, no",
         jedna,
         "Bank Alfa",
         4.5,
         TMessageResult::No,
         {kUsunJedna},
         {"BANK ALFA 5 =", "Bank Alfa 4.5 =", "Bank Beta 4.5 =", "bank alfa 6 +"},
         {"BANK ALFA 5", "Bank Alfa 4.5", "Bank Beta 4.5", "bank alfa 6"}},
        // The unsaved offer is marked too, and never reaches the file.
        {"bank",
         bank,
         "Bank Alfa",
         4.5,
         TMessageResult::Yes,
         {UsunZBanku("Bank Alfa"), kWUzyciu},
         {"BANK ALFA 5 =", "Bank Alfa 4.5 -", "Bank Beta 4.5 =", "bank alfa 6 -"},
         {"BANK ALFA 5", "Bank Beta 4.5"}},
        {"bank by another spelling",
         bank,
         "bank alfa",
         6,
         TMessageResult::Yes,
         {UsunZBanku("bank alfa"), kWUzyciu},
         {"BANK ALFA 5 =", "Bank Alfa 4.5 -", "Bank Beta 4.5 =", "bank alfa 6 -"},
         {"BANK ALFA 5", "Bank Beta 4.5"}},
        {"bank, no",
         bank,
         "Bank Beta",
         4.5,
         TMessageResult::No,
         {UsunZBanku("Bank Beta")},
         {"BANK ALFA 5 =", "Bank Alfa 4.5 =", "Bank Beta 4.5 =", "bank alfa 6 +"},
         {"BANK ALFA 5", "Bank Alfa 4.5", "Bank Beta 4.5", "bank alfa 6"}},
        {"all",
         wszystkie,
         "Bank Beta",
         4.5,
         TMessageResult::Yes,
         {kUsunWszystkie, kWUzyciu},
         {"BANK ALFA 5 =", "Bank Alfa 4.5 -", "Bank Beta 4.5 -", "bank alfa 6 -"},
         {"BANK ALFA 5"}},
        {"all, no",
         wszystkie,
         "Bank Alfa",
         4.5,
         TMessageResult::No,
         {kUsunWszystkie},
         {"BANK ALFA 5 =", "Bank Alfa 4.5 =", "Bank Beta 4.5 =", "bank alfa 6 +"},
         {"BANK ALFA 5", "Bank Alfa 4.5", "Bank Beta 4.5", "bank alfa 6"}},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        NowyProjekt();
        DodajOferte(-1, "Bank Alfa", true).fZmiany = TTyp::Dodano;
        DodajOferte(-1, "BANK ALFA", true, 5).fZmiany = TTyp::Dodano;
        DodajOferte(-1, "Bank Beta", false).fZmiany = TTyp::Dodano;
        ZapiszIOdczytaj();
        DodajLokate(Oferta("BANK ALFA", 5)->fId);
        DodajOferte(-1, "bank alfa", true, 6).fZmiany = TTyp::Dodano;
        Kolekcje().SetZmienionoINiezapisanoLokaty(false);
        komunikaty.messages.clear();
        komunikaty.answers = {p.odpowiedz};

        const TZmiana zmiana =
            p.polecenie(polecenia, Oferta(QString::fromUtf8(p.wybrana), p.oprocentowanie));

        EXPECT_EQ(komunikaty.texts(), p.komunikaty);
        EXPECT_TRUE(komunikaty.messages.value(0).defaultNo) << "a stray Enter keeps the offers";
        EXPECT_EQ(Opisy(Oferty(), true), p.poPoleceniu);
        const bool usunieto = p.poPoleceniu.join(' ').contains('-');
        EXPECT_EQ(zmiana.odswiezListy, usunieto);
        EXPECT_EQ(Kolekcje().ZmienionoINiezapisanoLokaty(), usunieto);
        EXPECT_EQ(zmiana.doPokazania, nullptr);
        ZapiszIOdczytaj();
        EXPECT_EQ(Opisy(Oferty(), false), p.wPliku);
    }
}

// A deposit deleted in this run still holds its offer: its row is in the file.
TEST_F(TPoleceniaOfertTest, AnOfferOfADeletedButUnsavedDepositStays) {
    THarmonogramLokatyBankowej& oferta = DodajOferte(7, "Bank Alfa", true);
    DodajLokate(7, TTyp::Usunieto);
    EXPECT_FALSE(polecenia.UsunHarmonogram(&oferta));
    EXPECT_EQ(komunikaty.texts(), QStringList{kWUzyciu});
    EXPECT_EQ(oferta.fZmiany, TTyp::BezZmian);
    EXPECT_FALSE(Kolekcje().ZmienionoINiezapisanoLokaty());
}

TEST_F(TPoleceniaOfertTest, AddingAsksTheEditorForANewUsersOffer) {
    DodajOferte(-1, "Bank Zeta", true).fZmiany = TTyp::Dodano;
    DodajOferte(-1, "bank beta", true).fZmiany = TTyp::Dodano;
    ZapiszIOdczytaj();
    edytor.odpowiedzi = {{}, [](THarmonogramLokatyBankowej& h) {
                             h.fBank = QStringLiteral("Bank Alfa");
                             h.fNazwaHarmonogramu = QStringLiteral("Lokata");
                             h.fOkresDepozytu = 3;
                             h.fJednostkaDepozytu = TJednostkaOkresu::Miesiac;
                             h.fOprocentowanieWSkaliRoku = 4.5;
                         }};

    EXPECT_FALSE(polecenia.Dodaj().odswiezListy); // cancelled
    EXPECT_EQ(Oferty().size(), 2u);
    const TZmiana zmiana = polecenia.Dodaj();

    ASSERT_EQ(edytor.wywolania.size(), 2u);
    EXPECT_EQ(edytor.wywolania[1].tytul, "Dodaj lokatę bankową");
    EXPECT_EQ(edytor.wywolania[1].banki, (QStringList{"bank beta", "Bank Zeta"}));
    EXPECT_EQ(edytor.wywolania[1].wzor, nullptr);
    EXPECT_TRUE(zmiana.odswiezListy);
    ASSERT_EQ(Oferty().size(), 3u);
    const THarmonogramLokatyBankowej& nowa = *Oferty().back();
    EXPECT_EQ(&nowa, edytor.wywolania[1].cel);
    EXPECT_EQ(Opis(nowa), "Bank Alfa 4.5 +");
    EXPECT_EQ(nowa.fId, -1);
    EXPECT_EQ(nowa.fDataDodaniaModyfikacji, kTeraz);
    EXPECT_TRUE(nowa.fHarmonogramDodanyPrzezUzytkownika);
    EXPECT_TRUE(Kolekcje().ZmienionoINiezapisanoLokaty());
    EXPECT_TRUE(komunikaty.messages.isEmpty());
}

TEST_F(TPoleceniaOfertTest, EditingChangesTheOfferInPlace) {
    const struct {
        const char* nazwa;
        bool uzytkownika;
        int32_t id;
        TTyp zmiany;
        QStringList odpowiedzi; // to the question about an imported offer
        bool zmienione;         // OK in the editor
        QStringList komunikaty;
        bool edytor;
        TTyp zmianyPo;
    } przypadki[] = {
        {"imported, no",
         false,
         7,
         TTyp::BezZmian,
         {"No"},
         true,
         {kPytanieOImport},
         false,
         TTyp::BezZmian},
        {"imported, yes",
         false,
         7,
         TTyp::BezZmian,
         {"Yes"},
         true,
         {kPytanieOImport},
         true,
         TTyp::Zmieniono},
        {"own", true, 7, TTyp::BezZmian, {}, true, {}, true, TTyp::Zmieniono},
        {"own, cancelled", true, 7, TTyp::BezZmian, {}, false, {}, true, TTyp::BezZmian},
        {"added in this run", true, -1, TTyp::Dodano, {}, true, {}, true, TTyp::Dodano},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        NowyProjekt();
        komunikaty.messages.clear();
        komunikaty.answers.clear();
        edytor.wywolania.clear();
        THarmonogramLokatyBankowej& h = DodajOferte(p.id, "Bank Alfa", p.uzytkownika);
        h.fZmiany = p.zmiany;
        // Renamed into the key of another offer: editing runs no duplicate check.
        DodajOferte(8, "Bank Beta", true, 5);
        for (const QString& odpowiedz : p.odpowiedzi)
            komunikaty.answers.push_back(odpowiedz == "Yes" ? TMessageResult::Yes
                                                            : TMessageResult::No);
        edytor.odpowiedzi = {p.zmienione ? TZmianaWEdytorze([](THarmonogramLokatyBankowej& c) {
            c.fBank = QStringLiteral("Bank Beta");
            c.fOprocentowanieWSkaliRoku = 5;
        })
                                         : TZmianaWEdytorze()};

        const TZmiana zmiana = polecenia.Edytuj(&h);

        EXPECT_EQ(komunikaty.texts(), p.komunikaty);
        ASSERT_EQ(edytor.wywolania.size(), p.edytor ? 1u : 0u);
        if (p.edytor) {
            EXPECT_EQ(edytor.wywolania[0].tytul, "Edytuj lokatę bankową");
            EXPECT_EQ(edytor.wywolania[0].wzor, &h);
            EXPECT_EQ(edytor.wywolania[0].cel, &h);
        }
        const bool zmieniona = p.zmianyPo != p.zmiany || p.zmiany == TTyp::Dodano;
        EXPECT_EQ(zmiana.odswiezListy, zmieniona);
        EXPECT_EQ(Kolekcje().ZmienionoINiezapisanoLokaty(), zmieniona);
        EXPECT_EQ(h.fZmiany, p.zmianyPo);
        EXPECT_EQ(h.fBank, zmieniona ? "Bank Beta" : "Bank Alfa");
        EXPECT_EQ(h.fHarmonogramDodanyPrzezUzytkownika, zmieniona || p.uzytkownika);
        EXPECT_EQ(h.fId, p.id);
        EXPECT_EQ(h.fDataDodaniaModyfikacji, kDawniej);
        EXPECT_EQ(Oferty().size(), 2u);
    }
}

// The model: the user's own "Bank Alfa" 4,5 % (id 7) or the imported
// "Bank Beta" 5 % (id 8), both with a note and dated long ago.
TEST_F(TPoleceniaOfertTest, CloneIsANewOfferUnlessItKeepsItsModelsKey) {
    const struct {
        const char* nazwa;
        bool wlasnyWzor;
        TZmianaWEdytorze zmiana;
        TMessageResult odpowiedz;
        bool pytanie;
        QStringList poKlonowaniu;
    } przypadki[] = {
        {"own, unchanged, yes",
         true,
         BezZmian(),
         TMessageResult::Yes,
         true,
         {"Bank Alfa 4.5 *", "Bank Beta 5 ="}},
        {"own, unchanged, no",
         true,
         BezZmian(),
         TMessageResult::No,
         true,
         {"Bank Alfa 4.5 =", "Bank Beta 5 ="}},
        {"imported, unchanged",
         false,
         BezZmian(),
         TMessageResult::No,
         false,
         {"Bank Alfa 4.5 =", "Bank Beta 5 *"}},
        {"own, another term",
         true,
         [](THarmonogramLokatyBankowej& h) { h.fOkresDepozytu = 6; },
         TMessageResult::No,
         false,
         {"Bank Alfa 4.5 +", "Bank Alfa 4.5 =", "Bank Beta 5 ="}},
        {"imported, another rate",
         false,
         [](THarmonogramLokatyBankowej& h) { h.fOprocentowanieWSkaliRoku = 5.25; },
         TMessageResult::No,
         false,
         {"Bank Alfa 4.5 =", "Bank Beta 5 =", "Bank Beta 5.25 +"}},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        NowyProjekt();
        komunikaty.messages.clear();
        komunikaty.answers = {p.odpowiedz};
        edytor.wywolania.clear();
        THarmonogramLokatyBankowej& wlasny = DodajOferte(7, "Bank Alfa", true);
        THarmonogramLokatyBankowej& importowany = DodajOferte(8, "Bank Beta", false, 5);
        for (THarmonogramLokatyBankowej* h : {&wlasny, &importowany})
            h->fPozostaleInformacje = "o " + h->fBank;
        THarmonogramLokatyBankowej& wzor = p.wlasnyWzor ? wlasny : importowany;
        edytor.odpowiedzi = {p.zmiana};

        EXPECT_TRUE(polecenia.Klonuj(&wzor).odswiezListy);

        ASSERT_EQ(edytor.wywolania.size(), 1u);
        EXPECT_EQ(edytor.wywolania[0].tytul, "Klonuj lokatę bankową");
        EXPECT_EQ(edytor.wywolania[0].wzor, &wzor);
        EXPECT_NE(edytor.wywolania[0].cel, &wzor);
        EXPECT_EQ(komunikaty.texts(),
                  p.pytanie ? QStringList{PytanieONadpisanie("Lokata 3M", "Bank Alfa")}
                            : QStringList{});
        EXPECT_EQ(Opisy(Oferty(), true), p.poKlonowaniu);
        EXPECT_EQ(wzor.fId, p.wlasnyWzor ? 7 : 8);
        EXPECT_EQ(wzor.fDataDodaniaModyfikacji, kDawniej);
        if (Oferty().size() == 3) {
            // The new offer carries the model's values, the change, and is the user's.
            const THarmonogramLokatyBankowej& klon = *Oferty().back();
            EXPECT_EQ(klon.fId, -1);
            EXPECT_EQ(klon.fDataDodaniaModyfikacji, kTeraz);
            EXPECT_EQ(klon.fPozostaleInformacje, wzor.fPozostaleInformacje);
            EXPECT_EQ(klon.fNazwaHarmonogramu, "Lokata");
            EXPECT_TRUE(klon.fHarmonogramDodanyPrzezUzytkownika);
            EXPECT_EQ(wzor.fHarmonogramDodanyPrzezUzytkownika, p.wlasnyWzor);
        } else if (wzor.fZmiany == TTyp::Zmieniono) {
            EXPECT_TRUE(wzor.fHarmonogramDodanyPrzezUzytkownika);
        }
    }
}

// The incoming offer has the key of the catalogue's "Bank Alfa" "Lokata"
// 3 months 4,5 %, spelled in capitals.
TEST_F(TPoleceniaOfertTest, MergingAnEqualOfferAsksOnlyForTheUsersOwn) {
    const struct {
        const char* nazwa;
        bool wKatalogu;
        bool uzytkownika;
        int32_t id;
        TTyp zmiany;
        TMessageResult odpowiedz;
        bool pytanie;
        bool nadpisana;
        TTyp zmianyPo;
    } przypadki[] = {
        {"none equal", false, false, 7, TTyp::BezZmian, TMessageResult::No, false, false, {}},
        {"imported", true, false, 7, TTyp::BezZmian, TMessageResult::No, false, true,
         TTyp::Zmieniono},
        {"own, yes", true, true, 7, TTyp::BezZmian, TMessageResult::Yes, true, true,
         TTyp::Zmieniono},
        {"own, no", true, true, 7, TTyp::BezZmian, TMessageResult::No, true, false, TTyp::BezZmian},
        {"own, changed, yes", true, true, 7, TTyp::Zmieniono, TMessageResult::Yes, true, true,
         TTyp::Zmieniono},
        {"own, deleted", true, true, 7, TTyp::Usunieto, TMessageResult::No, false, true,
         TTyp::Zmieniono},
        {"own, added in this run, yes", true, true, -1, TTyp::Dodano, TMessageResult::Yes, true,
         true, TTyp::Dodano},
        // Added and deleted in this run: it has no row in the file to update.
        {"added and deleted in this run", true, true, -1, TTyp::Usunieto, TMessageResult::No, false,
         true, TTyp::Dodano},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        NowyProjekt();
        komunikaty.messages.clear();
        komunikaty.answers = {p.odpowiedz};
        DodajOferte(5, "Bank Beta", true);
        THarmonogramLokatyBankowej* istniejaca = nullptr;
        if (p.wKatalogu) {
            istniejaca = &DodajOferte(p.id, "Bank Alfa", p.uzytkownika);
            istniejaca->fZmiany = p.zmiany;
        }
        TOferta nowa = NowaOferta(-1, "BANK ALFA", false);
        nowa->fNazwaHarmonogramu = QStringLiteral("LOKATA");
        nowa->fDataDodaniaModyfikacji = kTeraz;
        nowa->fZmiany = TTyp::Dodano;
        const THarmonogramLokatyBankowej* przekazana = nowa.get();

        polecenia.DodajLubNadpiszHarmonogram(nowa);

        EXPECT_EQ(komunikaty.texts(),
                  p.pytanie ? QStringList{PytanieONadpisanie("LOKATA 3M", "BANK ALFA")}
                            : QStringList{});
        if (p.pytanie) {
            EXPECT_TRUE(komunikaty.messages.value(0).defaultNo);
        }
        const bool zmieniono = p.nadpisana || !p.wKatalogu;
        EXPECT_EQ(Kolekcje().ZmienionoINiezapisanoLokaty(), zmieniono);
        if (!p.wKatalogu) {
            EXPECT_EQ(nowa.get(), nullptr) << "the catalogue took it";
            ASSERT_EQ(Oferty().size(), 2u);
            EXPECT_EQ(Oferty().back().get(), przekazana);
            EXPECT_EQ(Opis(*przekazana), "BANK ALFA 4.5 +");
            continue;
        }
        EXPECT_EQ(nowa.get(), przekazana) << "it stays with the caller";
        ASSERT_EQ(Oferty().size(), 2u);
        EXPECT_EQ(istniejaca->fZmiany, p.zmianyPo);
        EXPECT_EQ(istniejaca->fBank, p.nadpisana ? "BANK ALFA" : "Bank Alfa");
        EXPECT_EQ(istniejaca->fHarmonogramDodanyPrzezUzytkownika,
                  p.nadpisana ? false : p.uzytkownika);
        EXPECT_EQ(istniejaca->fId, p.id);
        EXPECT_EQ(istniejaca->fDataDodaniaModyfikacji, kDawniej);
    }
}

TEST_F(TPoleceniaOfertTest, OverwritingTakesEveryEditableFieldButIdAndDate) {
    THarmonogramLokatyBankowej& cel = DodajOferte(7, "Bank Alfa", true);
    cel.fOprocentowanieStaleWCalymOkresieLokaty = true;
    TOferta zrodlo = std::make_unique<THarmonogramLokatyBankowej>(kTeraz);
    zrodlo->fId = 99;
    zrodlo->fBank = QStringLiteral("Bank Beta");
    zrodlo->fNazwaHarmonogramu = QStringLiteral("Promocja");
    zrodlo->fOkresDepozytu = 2;
    zrodlo->fJednostkaDepozytu = TJednostkaOkresu::Rok;
    zrodlo->fOprocentowanieStaleWCalymOkresieLokaty = false;
    zrodlo->fOprocentowanieWSkaliRoku = 6.25;
    zrodlo->fKapitalizacja = TKapitalizacja::Roczna;
    zrodlo->fKwotaMinimalna = 1000;
    zrodlo->fKwotaMaksymalna = 50000;
    zrodlo->fWymaganeKontoOsobisteWTymBanku = true;
    zrodlo->fMozliwoscWczesniejszegoZerwaniaLokaty = true;
    zrodlo->fWarunkiWczesniejszegoZerwaniaLokaty = QStringLiteral("bez odsetek");
    zrodlo->fPozostaleInformacje = QStringLiteral("tylko online");
    zrodlo->fHarmonogramDodanyPrzezUzytkownika = false;
    zrodlo->fZmiany = TTyp::Dodano;

    TPoleceniaOfert::NadpiszHarmonogram(*zrodlo, cel);

    EXPECT_EQ(cel.fBank, "Bank Beta");
    EXPECT_EQ(cel.fNazwaHarmonogramu, "Promocja");
    EXPECT_EQ(cel.fOkresDepozytu, 2u);
    EXPECT_EQ(cel.fJednostkaDepozytu, TJednostkaOkresu::Rok);
    EXPECT_FALSE(cel.fOprocentowanieStaleWCalymOkresieLokaty);
    EXPECT_EQ(cel.fOprocentowanieWSkaliRoku, 6.25);
    EXPECT_EQ(cel.fKapitalizacja, TKapitalizacja::Roczna);
    EXPECT_EQ(cel.fKwotaMinimalna, 1000.0);
    EXPECT_EQ(cel.fKwotaMaksymalna, 50000.0);
    EXPECT_TRUE(cel.fWymaganeKontoOsobisteWTymBanku);
    EXPECT_TRUE(cel.fMozliwoscWczesniejszegoZerwaniaLokaty);
    EXPECT_EQ(cel.fWarunkiWczesniejszegoZerwaniaLokaty, "bez odsetek");
    EXPECT_EQ(cel.fPozostaleInformacje, "tylko online");
    EXPECT_FALSE(cel.fHarmonogramDodanyPrzezUzytkownika);
    EXPECT_EQ(cel.fId, 7);
    EXPECT_EQ(cel.fDataDodaniaModyfikacji, kDawniej);
    EXPECT_EQ(cel.fZmiany, TTyp::Zmieniono);
}

// The import window's ticked rows, in row order: one of them was taken
// already, one equals the user's own offer and the user keeps it.
TEST_F(TPoleceniaOfertTest, AnImportTakesTheTickedOffersInRowOrder) {
    DodajOferte(7, "Bank Alfa", true);
    TOferta beta = NowaOferta(-1, "Bank Beta", false, 5);
    TOferta wzieta;
    TOferta alfa = NowaOferta(-1, "Bank Alfa", false);
    TOferta gamma = NowaOferta(-1, "Bank Gamma", false, 4);
    for (TOferta* oferta : {&beta, &alfa, &gamma})
        (*oferta)->fZmiany = TTyp::Dodano;
    komunikaty.answers = {TMessageResult::No};

    polecenia.PrzejmijZaznaczone({&beta, &wzieta, &alfa, &gamma});

    EXPECT_EQ(komunikaty.texts(), QStringList{PytanieONadpisanie("Lokata 3M", "Bank Alfa")});
    QStringList katalog;
    for (const auto& h : Oferty())
        katalog << Opis(*h);
    EXPECT_EQ(katalog, (QStringList{"Bank Alfa 4.5 =", "Bank Beta 5 +", "Bank Gamma 4 +"}));
    EXPECT_EQ(beta.get(), nullptr);
    EXPECT_EQ(gamma.get(), nullptr);
    EXPECT_NE(alfa.get(), nullptr);
    EXPECT_TRUE(Kolekcje().ZmienionoINiezapisanoLokaty());
}

TEST_F(TPoleceniaOfertTest, TheDepositsOfferIsFoundAmongTheListedOffers) {
    THarmonogramLokatyBankowej& oferta = DodajOferte(7, "Bank Alfa", true);
    DodajOferte(9, "Bank Beta", true).fZmiany = TTyp::Usunieto;
    const auto lokata = [](int32_t idOferty) {
        return std::make_unique<TLokata>(1, QStringLiteral("Moja"), 1000, kTeraz, 3,
                                         TJednostkaOkresu::Miesiac, idOferty, true, TTyp::BezZmian);
    };
    const QString kUsunieta = QStringLiteral("Lokata bankowa została usunięta, nie ma jej na "
                                             "liście !!!");
    const struct {
        const char* nazwa;
        bool wskazano;
        std::unique_ptr<TLokata> lokata;
        QString komunikat;
    } odmowy[] = {
        {"no row", false, nullptr, "Nie wskazano lokaty !!!"},
        {"a row without a deposit", true, nullptr, "Wskazano nieprawidłową lokatę !!!"},
        {"no offer", true, lokata(-1), "Wybrana lokata nie ma ustawionej lokaty bankowej !!!"},
        {"an offer not in the catalogue", true, lokata(99), kUsunieta},
        {"a deleted offer", true, lokata(9), kUsunieta},
    };
    for (const auto& p : odmowy) {
        SCOPED_TRACE(p.nazwa);
        komunikaty.messages.clear();
        const TZmiana zmiana = polecenia.OfertaLokaty(p.wskazano, p.lokata.get());
        EXPECT_EQ(komunikaty.texts(), QStringList{p.komunikat});
        EXPECT_EQ(zmiana.doPokazania, nullptr);
    }
    komunikaty.messages.clear();
    const TZmiana zmiana = polecenia.OfertaLokaty(true, lokata(7).get());
    EXPECT_TRUE(komunikaty.messages.isEmpty());
    EXPECT_EQ(zmiana.doPokazania, &oferta);
    EXPECT_FALSE(zmiana.odswiezListy);
}

TEST_F(TPoleceniaOfertTest, WithoutTheProjectOrARowTheCommandsRefuse) {
    using TPolecenie = std::function<TZmiana(THarmonogramLokatyBankowej*)>;
    THarmonogramLokatyBankowej& oferta = DodajOferte(7, "Bank Alfa", true);
    const struct {
        const char* nazwa;
        TPolecenie polecenie;
        bool bezWierszaKomunikat; // with the project but no row selected
    } przypadki[] = {
        {"add", [this](auto*) { return polecenia.Dodaj(); }, false},
        {"edit", [this](auto* h) { return polecenia.Edytuj(h); }, false},
        {"clone", [this](auto* h) { return polecenia.Klonuj(h); }, false},
        {"delete", [this](auto* h) { return polecenia.Usun(h); }, true},
        {"delete bank", [this](auto* h) { return polecenia.UsunZBanku(h); }, true},
        {"delete all", [this](auto* h) { return polecenia.UsunWszystkie(h); }, true},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        zProjektem = false;
        brakPolaczenia = 0;
        EXPECT_FALSE(p.polecenie(&oferta).odswiezListy);
        EXPECT_EQ(brakPolaczenia, 1);
        zProjektem = true;
        EXPECT_FALSE(p.polecenie(nullptr).odswiezListy);
        EXPECT_EQ(brakPolaczenia, p.bezWierszaKomunikat ? 2 : 1);
    }
    // Only adding, which needs no row, got as far as the editor (cancelled).
    ASSERT_EQ(edytor.wywolania.size(), 1u);
    EXPECT_EQ(edytor.wywolania[0].tytul, "Dodaj lokatę bankową");
    // The offer file commands say nothing without the project.
    zProjektem = false;
    brakPolaczenia = 0;
    ScriptedFileChooser pliki;
    pliki.answers = {Sciezka("oferty.vq_lb")};
    polecenia.EksportujDoPliku();
    EXPECT_FALSE(polecenia.MoznaImportowacZPliku(Sciezka("DataFile.dat")));
    EXPECT_TRUE(pliki.requests.isEmpty());
    EXPECT_EQ(brakPolaczenia, 0);
    EXPECT_TRUE(komunikaty.messages.isEmpty());
    EXPECT_EQ(oferta.fZmiany, TTyp::BezZmian);
}

// A file open in another window may be read and exported from, never changed.
TEST_F(TPoleceniaOfertTest, AReadOnlyDataFileRefusesChanges) {
    THarmonogramLokatyBankowej& importowana = DodajOferte(7, "Bank Alfa", false);
    const QString plikOfert = Sciezka("oferty.vq_lb");
    const QString brak = Sciezka("brak.vq_lb");
    const struct {
        bool tylkoDoOdczytu;
        QString plik;
        QString komunikat;
    } importy[] = {
        {true, plikOfert,
         "Nie można dodać lokat bankowych z pliku " + plikOfert +
             ": plik danych jest otwarty tylko do odczytu."},
        {true, brak,
         "Nie można dodać lokat bankowych z pliku " + brak +
             ": plik danych jest otwarty tylko do odczytu."},
        {false, brak,
         "Nie można odczytać danych o lokatach bankowych, wskazany plik " + brak +
             " nie istnieje !!!"},
        {false, plikOfert, {}},
    };
    projekt->SetOtwartyTylkoDoOdczytu(true);
    EXPECT_FALSE(polecenia.Edytuj(&importowana).odswiezListy);
    EXPECT_TRUE(komunikaty.messages.isEmpty()) << "not even the question";
    EXPECT_TRUE(edytor.wywolania.empty());

    ScriptedFileChooser pliki;
    pliki.answers = {plikOfert};
    polecenia.EksportujDoPliku();
    ASSERT_TRUE(QFile::exists(plikOfert));
    for (const auto& p : importy) {
        SCOPED_TRACE(p.komunikat.toStdString());
        projekt->SetOtwartyTylkoDoOdczytu(p.tylkoDoOdczytu);
        komunikaty.messages.clear();
        EXPECT_EQ(polecenia.MoznaImportowacZPliku(p.plik), p.komunikat.isEmpty());
        EXPECT_EQ(komunikaty.texts(),
                  p.komunikat.isEmpty() ? QStringList{} : QStringList{p.komunikat});
    }
    EXPECT_EQ(importowana.fZmiany, TTyp::BezZmian);
}

// The export is never written over the open data file nor over another
// database: the user is told why and chooses again.
TEST_F(TPoleceniaOfertTest, TheExportTargetIsNeverADataFile) {
    DodajOferte(7, "Bank Alfa", true);
    const QString dane = Sciezka("DataFile.dat");
    const QString link = Sciezka("link.vq_lb");
    ASSERT_TRUE(QFile::link(dane, link));
    const QString innaBaza = Sciezka("inna.dat");
    { TProjektDB inny(innaBaza); }
    const QString cel = Sciezka("oferty.vq_lb");
    const auto otwartyPlik = [](const QString& p) {
        return "Nie można zapisać eksportu do pliku \"" + p +
               "\": to jest otwarty plik danych programu, który zostałby zastąpiony. Wybierz "
               "inny plik.";
    };
    const struct {
        QString odmowa;
        QString komunikat;
    } przypadki[] = {
        {dane, otwartyPlik(dane)},
        {link, otwartyPlik(link)},
        {innaBaza, "Nie można zapisać eksportu do pliku \"" + innaBaza +
                       "\": ten plik jest bazą danych (być może plikiem danych programu) i "
                       "zostałby zastąpiony. Wybierz inny plik."},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.odmowa.toStdString());
        QFile plik(p.odmowa);
        ASSERT_TRUE(plik.open(QIODevice::ReadOnly));
        const QByteArray przed = plik.readAll();
        plik.close();
        QFile::remove(cel);
        komunikaty.messages.clear();
        ScriptedFileChooser pliki;
        pliki.answers = {p.odmowa, cel};

        polecenia.EksportujDoPliku();

        ASSERT_EQ(pliki.requests.size(), 2);
        for (const auto& prosba : pliki.requests) {
            EXPECT_TRUE(prosba.save);
            EXPECT_EQ(prosba.caption, "Wskaż plik zapisu lokat bankowych");
            EXPECT_EQ(prosba.filter, "Lokaty bankowe (*.vq_lb)");
        }
        EXPECT_EQ(pliki.requests[0].suggestedName, "Lokaty bankowe");
        EXPECT_EQ(pliki.requests[1].suggestedName, p.odmowa);
        ASSERT_EQ(komunikaty.messages.size(), 2);
        EXPECT_EQ(komunikaty.messages[0].caption, "BŁĄD !!!");
        EXPECT_EQ(komunikaty.messages[0].text, p.komunikat);
        EXPECT_EQ(komunikaty.messages[1].caption, "Informacja");
        EXPECT_EQ(komunikaty.messages[1].icon, TMessageIcon::Information);
        EXPECT_EQ(komunikaty.messages[1].text,
                  "Lokaty zostały pomyślnie zapisane do pliku \"" + cel + "\".");
        ASSERT_TRUE(plik.open(QIODevice::ReadOnly));
        EXPECT_EQ(plik.readAll(), przed);
        plik.close();
        QFile zapisany(cel);
        ASSERT_TRUE(zapisany.open(QIODevice::ReadOnly));
        EXPECT_TRUE(zapisany.readAll().startsWith("TPF0"));
    }
    // A cancel ends the command quietly.
    komunikaty.messages.clear();
    ScriptedFileChooser pliki;
    EXPECT_EQ(polecenia.saveDialog(), QString());
    EXPECT_EQ(pliki.requests.size(), 1);
    EXPECT_TRUE(komunikaty.messages.isEmpty());
}

} // namespace
