// The money rules of the deposit commands, without a window: ending a deposit
// (the profit proposed and what is booked into savings and income), starting
// it again (what is taken back) and the checks of typed values. The deposit
// editor and the profit dialog are scripted through their seams; the data
// file is a real one.
#include "app/TPoleceniaLokat.h"

#include "app/IEdytorLokaty.h"
#include "app/TDecyzjeZapisu.h"
#include "common/ScopedClock.h"
#include "common/ScriptedMessageBoxes.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "format/TFormatSettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>

namespace {

// Monday 2024-06-10, noon.
const TDateTime kTeraz = EncodeDateTime(2024, 6, 10, 12, 0);

// The editor as a test fills it: every showing is kept, the answers come
// from a queue (nothing: the editor was cancelled).
class TEdytorWTescie : public IEdytorLokaty {
public:
    std::optional<TDaneLokaty> Pokaz(const TWypelnienieEdytoraLokaty& wypelnienie) override {
        pokazane.push_back(wypelnienie);
        if (odpowiedzi.empty()) {
            ADD_FAILURE() << "the editor was not expected";
            return std::nullopt;
        }
        const std::optional<TDaneLokaty> odpowiedz = odpowiedzi.front();
        odpowiedzi.pop_front();
        return odpowiedz;
    }

    std::vector<TWypelnienieEdytoraLokaty> pokazane;
    std::deque<std::optional<TDaneLokaty>> odpowiedzi;
};

// The profit dialog as a test answers it.
class TDialogZyskuWTescie : public IDialogZyskuZLokaty {
public:
    struct TPokazanie {
        QString nazwaLokaty;
        TPropozycjaZysku propozycja;
        TTabDwuwymiarowa oszczednosci;
    };

    std::optional<TZyskZakonczonej> Pokaz(const QString& nazwaLokaty,
                                          const TPropozycjaZysku& propozycja,
                                          const TTabDwuwymiarowa& oszczednosci) override {
        pokazane.push_back({nazwaLokaty, propozycja, oszczednosci});
        if (odpowiedzi.empty()) {
            ADD_FAILURE() << "the profit dialog was not expected";
            return std::nullopt;
        }
        const std::optional<TZyskZakonczonej> odpowiedz = odpowiedzi.front();
        odpowiedzi.pop_front();
        return odpowiedz;
    }

    std::vector<TPokazanie> pokazane;
    std::deque<std::optional<TZyskZakonczonej>> odpowiedzi;
};

class TPoleceniaLokatTest : public testing::Test {
protected:
    void SetUp() override {
        UstawFormaty();
        plik = std::make_unique<TProjektDB>(QDir(katalog.path()).filePath("DataFile.dat"));
        projekt = plik.get();
        Kolekcje().Lokaty().clear();
        Kolekcje().HarmonogramyLokatBankowych().clear();
        Kolekcje().Oszczednosci().clear();
        Kolekcje().KategorieOszczednosci().clear();
        Kolekcje().ZyskiZLokatDoDodaniaJakoPrzychod().clear();
    }

    TKolekcjeDanych& Kolekcje() { return plik->Kolekcje(); }

    // A deposit of `dni` days from `start`, selected.
    TLokata& Lokata(int32_t id, TDateTime start, uint16_t dni, double kwota = 10000,
                    int32_t idOferty = -1, bool aktywna = true) {
        Kolekcje().Lokaty().push_back(std::make_unique<TLokata>(
            id, QStringLiteral("Lokata %1").arg(id), kwota, start, dni, TJednostkaOkresu::Dzien,
            idOferty, aktywna, TTypModyfikacji::BezZmian));
        TLokata& lokata = *Kolekcje().Lokaty().back();
        wybor = {true, &lokata};
        return lokata;
    }

    // 5 % a year, interest paid with the capital at the end of the term.
    THarmonogramLokatyBankowej& Oferta(int32_t id) {
        auto oferta = std::make_unique<THarmonogramLokatyBankowej>();
        oferta->fId = id;
        oferta->fBank = QStringLiteral("Bank A");
        oferta->fNazwaHarmonogramu = QStringLiteral("Lokata 73 dni");
        oferta->fOkresDepozytu = 73;
        oferta->fJednostkaDepozytu = TJednostkaOkresu::Dzien;
        oferta->fOprocentowanieWSkaliRoku = 5;
        oferta->fKapitalizacja = TKapitalizacja::PoOkresieUmowy;
        oferta->fWarunkiWczesniejszegoZerwaniaLokaty = QStringLiteral("Odsetki przepadają.");
        Kolekcje().HarmonogramyLokatBankowych().push_back(std::move(oferta));
        return *Kolekcje().HarmonogramyLokatBankowych().back();
    }

    TOszczednosc& Oszczednosc(int32_t id, int32_t idKategorii, const QString& opis, double ile,
                              bool dlug = false, int8_t typ = 1) {
        if (Kolekcje().PobierzIDKategoriiPoOpisie(opis, TTabele::Kategorie_Oszczednosci) < 0)
            Kolekcje().KategorieOszczednosci().push_back(std::make_unique<TKategoriaOszczednosci>(
                idKategorii, opis, false, true, dlug, TTypModyfikacji::BezZmian, 1));
        auto oszczednosc = std::make_unique<TOszczednosc>();
        oszczednosc->SetId(id);
        oszczednosc->SetIdKategoriaOszczednosci(idKategorii);
        oszczednosc->SetIle(ile);
        oszczednosc->SetData(EncodeDate(2024, 1, 1));
        oszczednosc->fTypOszczednosci = typ;
        Kolekcje().Oszczednosci().push_back(std::move(oszczednosc));
        return *Kolekcje().Oszczednosci().back();
    }

    const std::map<int32_t, double>& Przychody() {
        return Kolekcje().ZyskiZLokatDoDodaniaJakoPrzychod();
    }

    // The in-place save of a window: here it only counts.
    bool ZapiszWOknie() {
        ++zapisy;
        return true;
    }

    ScopedClock zegar{kTeraz};
    ScriptedMessageBoxes komunikaty;
    QTemporaryDir katalog;
    std::unique_ptr<TProjektDB> plik;
    TProjektDB* projekt = nullptr;
    int zapisy = 0;
    TDecyzjeZapisu zapis{projekt, [this] { return ZapiszWOknie(); }};
    TEdytorWTescie edytor;
    TDialogZyskuWTescie dialogZysku;
    TPoleceniaLokat::TWybor wybor;
    TPoleceniaLokat polecenia{zapis, edytor, dialogZysku, [this] { return wybor; }};
};

// --- Ending: the profit proposed ---------------------------------------------

// 10 000 zł for 73 days at 5 % paid at the end: 10 000 × 5 % × 73/365 =
// 100,00 zł gross, 19,00 zł tax, 81,00 zł net. Broken early, the bank's terms
// decide and nothing is proposed; without an offer nothing is computed.
TEST_F(TPoleceniaLokatTest, ZakonczenieProponujeOdsetkiNettoBankuLubZero) {
    Oferta(5);
    const struct {
        const char* opis;
        TDateTime start;
        double kwota;
        int32_t idOferty;
        bool pytanie; // broken early: asked first
        TZrodloZysku zrodlo;
        double proponowany;
        const char* warunki;
    } przypadki[] = {
        {"on its end date", kTeraz - 73, 10000, 5, false, TZrodloZysku::Bank, 81.00, ""},
        {"a week after its end", kTeraz - 80, 10000, 5, false, TZrodloZysku::Bank, 81.00, ""},
        {"an hour before its end", kTeraz - 73 + 1.0 / 24, 10000, 5, true,
         TZrodloZysku::PrzedTerminem, 0, "Odsetki przepadają."},
        {"ten days into it", kTeraz - 10, 10000, 5, true, TZrodloZysku::PrzedTerminem, 0,
         "Odsetki przepadają."},
        {"without an offer", kTeraz - 73, 10000, -1, false, TZrodloZysku::BezOferty, 0, ""},
        {"an offer id matching none", kTeraz - 73, 10000, 9, false, TZrodloZysku::BezOferty, 0, ""},
        {"an amount beyond exact sums", kTeraz - 73, 1e300, 5, false, TZrodloZysku::PozaZakresem, 0,
         ""},
    };
    int32_t id = 0;
    for (const auto& p : przypadki) {
        TLokata& lokata = Lokata(++id, p.start, 73, p.kwota, p.idOferty);
        komunikaty.messages.clear();
        komunikaty.answers = {TMessageResult::Yes};
        dialogZysku.pokazane.clear();
        dialogZysku.odpowiedzi = {std::nullopt};
        const TPoleceniaLokat::TWynik wynik = polecenia.Zakoncz();

        EXPECT_EQ(komunikaty.messages.size(), p.pytanie ? 1 : 0) << p.opis;
        ASSERT_EQ(dialogZysku.pokazane.size(), 1u) << p.opis;
        const TPropozycjaZysku& propozycja = dialogZysku.pokazane[0].propozycja;
        EXPECT_EQ(dialogZysku.pokazane[0].nazwaLokaty, lokata.Nazwa()) << p.opis;
        EXPECT_EQ(propozycja.zrodlo, p.zrodlo) << p.opis;
        EXPECT_DOUBLE_EQ(propozycja.kwota, p.proponowany) << p.opis;
        EXPECT_EQ(propozycja.warunki, QString::fromUtf8(p.warunki)) << p.opis;
        EXPECT_FALSE(lokata.Aktywna()) << p.opis;
        EXPECT_EQ(lokata.Zmiany(), TTypModyfikacji::Zmieniono) << p.opis;
        EXPECT_TRUE(wynik.wypelnijListy) << p.opis;
        EXPECT_EQ(wynik.pokaz, nullptr) << p.opis;
    }
    EXPECT_TRUE(Przychody().empty());
}

TEST_F(TPoleceniaLokatTest, ZakonczeniePrzedTerminemPytaANieTraciLokatyPrzyOdmowie) {
    // 30 days that end in 10.6 days: the eleventh day, as the list counts.
    TLokata& lokata = Lokata(1, kTeraz - 19.4, 30);
    komunikaty.answers = {TMessageResult::No};
    const TPoleceniaLokat::TWynik wynik = polecenia.Zakoncz();
    EXPECT_EQ(komunikaty.texts(),
              QStringList{"Czy jesteś pewien że chcesz przerwać wybraną lokatę ????.\rIlość dni do "
                          "końca lokaty: 11"});
    EXPECT_TRUE(komunikaty.messages[0].defaultNo);
    EXPECT_TRUE(lokata.Aktywna());
    EXPECT_EQ(lokata.Zmiany(), TTypModyfikacji::BezZmian);
    EXPECT_FALSE(wynik.wypelnijListy);
    EXPECT_TRUE(dialogZysku.pokazane.empty());
    EXPECT_FALSE(Kolekcje().ZmienionoINiezapisanoLokaty());
}

// --- Ending: what is booked --------------------------------------------------

// The profit the user confirms goes into the chosen savings (its amount, its
// date now, marked changed) and waits to be booked as income under the
// savings' category; a debt of the second type is lowered by it. What went
// where is remembered for this showing.
TEST_F(TPoleceniaLokatTest, ZyskTrafiaDoOszczednosciIPrzychoduKategorii) {
    TOszczednosc& konto = Oszczednosc(3, 1, QStringLiteral("Konto"), 100);
    TOszczednosc& skarbonka = Oszczednosc(4, 2, QStringLiteral("Skarbonka"), 5);
    TOszczednosc& kredyt1 = Oszczednosc(6, 7, QStringLiteral("Kredyt"), 1000, true, 1);
    TOszczednosc& kredyt2 = Oszczednosc(8, 7, QStringLiteral("Kredyt"), 1000, true, 2);
    const struct {
        const char* opis;
        std::optional<TZyskZakonczonej> wybrano;
        TOszczednosc* oszczednosc;
        double ilePo;
        int32_t idKategorii;
        double przychodPo; // the income waiting under that category afterwards
    } przypadki[] = {
        {"savings", TZyskZakonczonej{3, 81.00}, &konto, 181.00, 1, 81.00},
        {"the same category again", TZyskZakonczonej{3, 7.86}, &konto, 188.86, 1, 88.86},
        {"another category", TZyskZakonczonej{4, 12.34}, &skarbonka, 17.34, 2, 12.34},
        {"a debt of the first type", TZyskZakonczonej{6, 50}, &kredyt1, 1050, 7, 50},
        {"a debt of the second type", TZyskZakonczonej{8, 50}, &kredyt2, 950, 7, 100},
    };
    int32_t id = 0;
    for (const auto& p : przypadki) {
        Lokata(++id, kTeraz - 73, 73);
        dialogZysku.odpowiedzi = {p.wybrano};
        polecenia.Zakoncz();
        EXPECT_DOUBLE_EQ(p.oszczednosc->Ile(), p.ilePo) << p.opis;
        EXPECT_DOUBLE_EQ(p.oszczednosc->Data(), kTeraz) << p.opis;
        EXPECT_EQ(p.oszczednosc->Zmiany(), TTypModyfikacji::Zmieniono) << p.opis;
        EXPECT_DOUBLE_EQ(Przychody().at(p.idKategorii), p.przychodPo) << p.opis;
        const TZyskZakonczonej zysk = polecenia.ZakonczoneWTymPokazaniu().at(id);
        EXPECT_EQ(zysk.idOszczednosci, p.wybrano->idOszczednosci) << p.opis;
        EXPECT_DOUBLE_EQ(zysk.kwota, p.wybrano->kwota) << p.opis;
    }
    EXPECT_EQ(Przychody().size(), 3u);
    EXPECT_TRUE(Kolekcje().ZmienionoINiezapisanoOszczednosci());
    EXPECT_TRUE(Kolekcje().ZmienionoINiezapisanoLokaty());
    // The dialog lists every savings with its amount.
    ASSERT_EQ(dialogZysku.pokazane.size(), 5u);
    EXPECT_EQ(dialogZysku.pokazane[0].oszczednosci.size(), 4);
}

// Without a profit to add the deposit is ended all the same and nothing is
// booked: the dialog cancelled, or the savings' arithmetic refusing (a debt
// of a type it does not know), which is told to the user.
TEST_F(TPoleceniaLokatTest, BezZyskuLokataZakonczonaINicNieZaksiegowane) {
    TOszczednosc& konto = Oszczednosc(3, 1, QStringLiteral("Konto"), 100);
    TOszczednosc& dlug = Oszczednosc(5, 2, QStringLiteral("Dług"), 300, true, 3);
    const struct {
        const char* opis;
        std::optional<TZyskZakonczonej> wybrano;
        QStringList komunikaty;
    } przypadki[] = {
        {"cancelled", std::nullopt, {}},
        {"unknown debt type", TZyskZakonczonej{5, 20}, {"Nieobsługiwany typ oszczędności !!!"}},
        {"a savings that is gone", TZyskZakonczonej{77, 20}, {}},
    };
    int32_t id = 0;
    for (const auto& p : przypadki) {
        TLokata& lokata = Lokata(++id, kTeraz - 73, 73);
        komunikaty.messages.clear();
        dialogZysku.odpowiedzi = {p.wybrano};
        polecenia.Zakoncz();
        EXPECT_EQ(komunikaty.texts(), p.komunikaty) << p.opis;
        EXPECT_FALSE(lokata.Aktywna()) << p.opis;
        const TZyskZakonczonej zysk = polecenia.ZakonczoneWTymPokazaniu().at(id);
        EXPECT_EQ(zysk.idOszczednosci, -1) << p.opis;
        EXPECT_EQ(zysk.kwota, 0.0) << p.opis;
    }
    EXPECT_DOUBLE_EQ(konto.Ile(), 100);
    EXPECT_DOUBLE_EQ(dlug.Ile(), 300);
    EXPECT_EQ(dlug.Zmiany(), TTypModyfikacji::BezZmian);
    EXPECT_TRUE(Przychody().empty());
    EXPECT_FALSE(Kolekcje().ZmienionoINiezapisanoOszczednosci());
    EXPECT_TRUE(Kolekcje().ZmienionoINiezapisanoLokaty());
}

// --- Starting again ----------------------------------------------------------

// Ending, adding the profit and starting again must not leave the profit in
// savings: it is taken back after a question whose default keeps everything.
TEST_F(TPoleceniaLokatTest, PonowneRozpoczecieCofaZyskDodanyWTymPokazaniu) {
    TOszczednosc& konto = Oszczednosc(3, 1, QStringLiteral("Konto"), 100);
    TLokata& lokata = Lokata(1, kTeraz - 10, 30);
    komunikaty.answers = {TMessageResult::Yes};
    dialogZysku.odpowiedzi = {TZyskZakonczonej{3, 12.34}};
    polecenia.Zakoncz();
    ASSERT_DOUBLE_EQ(konto.Ile(), 112.34);

    const QString pytanie = QStringLiteral(
        "Czy jesteś pewien że chcesz ponownie rozpocząć lokatę \"Lokata 1\" ????.\rZysk 12,34 zł "
        "dodany przy jej zakończeniu do oszczędności \"Konto\" zostanie z niej odjęty i nie "
        "zostanie zaksięgowany jako przychód.");
    komunikaty.messages.clear();
    komunikaty.answerByEnter = true;
    EXPECT_FALSE(polecenia.Rozpocznij().wypelnijListy);
    EXPECT_EQ(komunikaty.texts(), QStringList{pytanie});
    EXPECT_FALSE(lokata.Aktywna());
    EXPECT_DOUBLE_EQ(konto.Ile(), 112.34);
    EXPECT_DOUBLE_EQ(Przychody().at(1), 12.34);

    komunikaty.answerByEnter = false;
    komunikaty.answers = {TMessageResult::Yes};
    EXPECT_TRUE(polecenia.Rozpocznij().wypelnijListy);
    EXPECT_TRUE(lokata.Aktywna());
    EXPECT_DOUBLE_EQ(konto.Ile(), 100.0);
    EXPECT_DOUBLE_EQ(Przychody().at(1), 0.0);
    EXPECT_TRUE(polecenia.ZakonczoneWTymPokazaniu().empty());

    // Ended again: the new profit is booked once.
    komunikaty.answers = {TMessageResult::Yes};
    dialogZysku.odpowiedzi = {TZyskZakonczonej{3, 5}};
    polecenia.Zakoncz();
    EXPECT_DOUBLE_EQ(konto.Ile(), 105.0);
    EXPECT_DOUBLE_EQ(Przychody().at(1), 5.0);
}

// What starting an inactive deposit asks, by how it came to be inactive.
TEST_F(TPoleceniaLokatTest, PonowneRozpoczecieWedlugHistoriiLokaty) {
    const QString zakonczonaWczesniej = QStringLiteral(
        "Czy jesteś pewien że chcesz ponownie rozpocząć lokatę \"Lokata %1\" ????.\rLokata została "
        "zakończona wcześniej. Zysk dodany wtedy do oszczędności nie zostanie cofnięty: jeżeli go "
        "dodano, popraw kwotę oszczędności ręcznie.");
    const struct {
        const char* opis;
        TTypModyfikacji zmiany;
        bool zakonczonaTeraz; // ended in this showing without a profit
        bool pytanie;
    } przypadki[] = {
        {"ended in an earlier showing", TTypModyfikacji::BezZmian, false, true},
        {"changed in this showing", TTypModyfikacji::Zmieniono, false, true},
        {"added in this showing", TTypModyfikacji::Dodano, false, false},
        {"ended here without a profit", TTypModyfikacji::BezZmian, true, false},
    };
    int32_t id = 0;
    for (const auto& p : przypadki) {
        TLokata& lokata = Lokata(++id, kTeraz - 1, 30, 10000, -1, true);
        lokata.SetZmiany(p.zmiany);
        if (p.zakonczonaTeraz) {
            komunikaty.answers = {TMessageResult::Yes}; // before its end: asked first
            dialogZysku.odpowiedzi = {std::nullopt};
            polecenia.Zakoncz();
        }
        lokata.SetAktywna(false);
        komunikaty.messages.clear();
        komunikaty.answers = {TMessageResult::Yes};
        polecenia.Rozpocznij();
        EXPECT_EQ(komunikaty.texts(),
                  p.pytanie ? QStringList{zakonczonaWczesniej.arg(id)} : QStringList{})
            << p.opis;
        EXPECT_TRUE(lokata.Aktywna()) << p.opis;
    }
    EXPECT_TRUE(dialogZysku.odpowiedzi.empty());
}

// After the in-place save the deposits added before it carry the file's ids;
// a deposit ended before the save is still found when started again.
TEST_F(TPoleceniaLokatTest, ZakonczonaPrzedZapisemWMiejscuZnanaPodNowymId) {
    TOszczednosc& konto = Oszczednosc(3, 1, QStringLiteral("Konto"), 100);
    TLokata& lokata = Lokata(2001, kTeraz - 10, 30);
    komunikaty.answers = {TMessageResult::Yes};
    dialogZysku.odpowiedzi = {TZyskZakonczonej{3, 20}};
    polecenia.Zakoncz();
    polecenia.PoZapisie({{2001, 12}, {3001, 13}});
    lokata.SetId(12);
    ASSERT_EQ(polecenia.ZakonczoneWTymPokazaniu().count(12), 1u);
    komunikaty.answers = {TMessageResult::Yes};
    polecenia.Rozpocznij();
    EXPECT_TRUE(lokata.Aktywna());
    EXPECT_DOUBLE_EQ(konto.Ile(), 100.0);
}

TEST_F(TPoleceniaLokatTest, RozpoczecieOdmowionePoTerminieAPrzedStartemPytaOLiczbeDni) {
    TLokata& po = Lokata(1, kTeraz - 40, 30, 10000, -1, false);
    polecenia.Rozpocznij();
    EXPECT_EQ(
        komunikaty.texts(),
        QStringList{"Czas zakończenia lokaty już minął, nie można jej ponownie aktywować !!!"});
    EXPECT_FALSE(po.Aktywna());

    TLokata& przyszla = Lokata(2, kTeraz + 3.2, 30, 10000, -1, false);
    komunikaty.messages.clear();
    komunikaty.answers = {TMessageResult::Yes};
    EXPECT_TRUE(polecenia.Rozpocznij().wypelnijListy);
    EXPECT_EQ(komunikaty.texts(),
              QStringList{"Czy jesteś pewien że chcesz rozpocząć wybraną lokatę ????.\rData "
                          "rozpoczęcia lokaty jeszcze nie minęła. Ilość dni do daty rozpoczęcia "
                          "lokaty: 3"});
    EXPECT_TRUE(przyszla.Aktywna());
    EXPECT_TRUE(dialogZysku.pokazane.empty());
}

// --- Typed values ------------------------------------------------------------

// The amount is read from the text as typed and rounded to the grosz half up
// from its digits; the period must not be 0; the cleaned name must not be
// blank. A refused value shows the first failed check and adds nothing.
TEST_F(TPoleceniaLokatTest, WpisaneWartosciPrzyjeteLubKomunikat) {
    const QString kwota = QStringLiteral("Upewnij się, że kwota lokaty została wpisana poprawnie.");
    const QString okres =
        QStringLiteral("Upewnij się, że ilość miesięcy została wpisana poprawnie.");
    const QString nazwa = QStringLiteral("Upewnij się, że nazwa lokaty została wpisana poprawnie.");
    const struct {
        const char* nazwa;
        const char* kwota;
        int okres;
        double przyjetaKwota; // when accepted
        const char* przyjetaNazwa;
        const QString* komunikat; // when refused
    } przypadki[] = {
        {"Lokata", "1000,505", 12, 1000.51, "Lokata", nullptr},
        {"Lokata", "1000,504", 12, 1000.50, "Lokata", nullptr},
        {"Lokata", "2,675", 12, 2.68, "Lokata", nullptr},
        {"Lokata", "0,125", 12, 0.13, "Lokata", nullptr},
        {"Lokata", "0,005", 12, 0.01, "Lokata", nullptr},
        {"Lokata", "99999,995", 12, 100000, "Lokata", nullptr},
        {"Lokata", "1 234,56 zł", 12, 1234.56, "Lokata", nullptr},
        {"Lokata", "4.5", 12, 4.5, "Lokata", nullptr},
        {"  Lokata  3/12:", "100", 12, 100, "Lokata 312", nullptr},
        {"Lok\"a;t'a|", "100", 12, 100, "Lokata", nullptr},
        {"Lokata", "0,004", 12, 0, "", &kwota},
        {"Lokata", "", 12, 0, "", &kwota},
        {"Lokata", "abc", 12, 0, "", &kwota},
        {"Lokata", "-12", 12, 0, "", &kwota},
        {"Lokata", "1,2,3", 12, 0, "", &kwota},
        {"   ", "0", 0, 0, "", &kwota},
        {"Lokata", "100", 0, 0, "", &okres},
        {"   ", "100", 0, 0, "", &okres},
        {"   ", "100", 12, 0, "", &nazwa},
        {"\"';/:", "100", 12, 0, "", &nazwa},
    };
    for (const auto& p : przypadki) {
        const QString opis = QStringLiteral("[%1] [%2] %3")
                                 .arg(QString::fromUtf8(p.nazwa), QString::fromUtf8(p.kwota))
                                 .arg(p.okres);
        Kolekcje().Lokaty().clear();
        komunikaty.messages.clear();
        TDaneLokaty dane;
        dane.nazwa = QString::fromUtf8(p.nazwa);
        dane.tekstKwoty = QString::fromUtf8(p.kwota);
        dane.dataRozpoczecia = kTeraz;
        dane.okresLokaty = p.okres;
        dane.jednostka = TJednostkaOkresu::Miesiac;
        edytor.odpowiedzi = {dane};
        const TPoleceniaLokat::TWynik wynik = polecenia.Dodaj();
        if (p.komunikat) {
            EXPECT_EQ(
                komunikaty.texts(),
                QStringList{QStringLiteral("Nie można dodać nowej lokaty !!!\r") + *p.komunikat})
                << opis.toStdString();
            EXPECT_TRUE(Kolekcje().Lokaty().empty()) << opis.toStdString();
            EXPECT_FALSE(wynik.wypelnijListy) << opis.toStdString();
            continue;
        }
        EXPECT_TRUE(komunikaty.messages.isEmpty()) << opis.toStdString();
        ASSERT_EQ(Kolekcje().Lokaty().size(), 1u) << opis.toStdString();
        const TLokata& lokata = *Kolekcje().Lokaty().back();
        EXPECT_DOUBLE_EQ(lokata.Kwota(), p.przyjetaKwota) << opis.toStdString();
        EXPECT_EQ(lokata.Nazwa(), QString::fromUtf8(p.przyjetaNazwa)) << opis.toStdString();
        EXPECT_EQ(wynik.pokaz, &lokata) << opis.toStdString();
    }
}

// Editing checks the same values with its own first line and leaves the
// deposit as it was when a check fails.
TEST_F(TPoleceniaLokatTest, EdycjaOdrzucaCalaZmianeZKomunikatemEdycji) {
    TLokata& lokata = Lokata(1, kTeraz - 10, 30);
    TDaneLokaty dane;
    dane.nazwa = QStringLiteral("Nowa nazwa");
    dane.tekstKwoty = QStringLiteral("0,004");
    dane.okresLokaty = 6;
    dane.jednostka = TJednostkaOkresu::Miesiac;
    edytor.odpowiedzi = {dane};
    EXPECT_FALSE(polecenia.Edytuj().wypelnijListy);
    EXPECT_EQ(komunikaty.texts(),
              QStringList{"Nie można edytować wybranej lokaty !!!\rUpewnij się, że kwota lokaty "
                          "została wpisana poprawnie."});
    ASSERT_EQ(edytor.pokazane.size(), 1u);
    EXPECT_EQ(edytor.pokazane[0].tytul, QStringLiteral("Edytuj lokatę"));
    EXPECT_EQ(edytor.pokazane[0].nazwa, QStringLiteral("Lokata 1"));
    EXPECT_EQ(lokata.Nazwa(), QStringLiteral("Lokata 1"));
    EXPECT_DOUBLE_EQ(lokata.Kwota(), 10000);
    EXPECT_EQ(lokata.OkresLokaty(), 30);
    EXPECT_EQ(lokata.Zmiany(), TTypModyfikacji::BezZmian);
    EXPECT_FALSE(Kolekcje().ZmienionoINiezapisanoLokaty());
}

// --- The process -------------------------------------------------------------

// The decisions run without any window: this test binary must not even load
// the widget library.
TEST(TPoleceniaLokatBezOkien, ProcesNieLadujeQtWidgets) {
    QFile mapy(QStringLiteral("/proc/self/maps"));
    ASSERT_TRUE(mapy.open(QIODevice::ReadOnly | QIODevice::Text));
    const QByteArray tresc = mapy.readAll();
    ASSERT_TRUE(tresc.contains("libQt6Core")) << "the maps are read as expected";
    EXPECT_FALSE(tresc.contains("libQt6Widgets"));
    EXPECT_FALSE(tresc.contains("libQt6Gui"));
}

} // namespace
