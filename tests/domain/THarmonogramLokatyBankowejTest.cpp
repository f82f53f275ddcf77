#include "domain/THarmonogramLokatyBankowej.h"
#include "format/Formatowanie.h"

#include "common/ScopedClock.h"

#include <gtest/gtest.h>

namespace {

using J = TJednostkaOkresu;
using K = TKapitalizacja;

class THarmonogramLokatyBankowejTest : public testing::Test {
protected:
    void SetUp() override { UstawFormaty(); }
};

TEST_F(THarmonogramLokatyBankowejTest, NewOfferShowsEmptyTexts) {
    const TDateTime teraz = EncodeDateTime(2014, 6, 1, 8, 0);
    ScopedClock clock(teraz);
    THarmonogramLokatyBankowej oferta;
    EXPECT_EQ(oferta.Id(), -1);
    EXPECT_EQ(oferta.DataDodaniaModyfikacji(), teraz);
    EXPECT_EQ(oferta.NazwaWyswietlana(), " ");
    EXPECT_EQ(oferta.BankNazwaOprocentowanie(), " -   (0,00%)");
    EXPECT_EQ(oferta.KapitalizacjaNazwa(), "(brak danych)");
    EXPECT_EQ(oferta.KapitalizacjaCoIleDni(), 0u);
    EXPECT_EQ(oferta.KwotaMinimalnaString(), "(brak)");
    EXPECT_EQ(oferta.KwotaMaksymalnaString(), "(brak górnego ograniczenia)");
    EXPECT_EQ(oferta.OprocentowanieStaleWCalymOkresieLokatyNazwa(), "Zmienne");
    EXPECT_EQ(oferta.WymaganeKontoOsobisteWTymBankuNazwa(), "Niewymagane");
}

TEST_F(THarmonogramLokatyBankowejTest, LabelJoinsBankNameTermAndRate) {
    THarmonogramLokatyBankowej oferta;
    oferta.fBank = "Alfa";
    oferta.fNazwaHarmonogramu = "Lokata";
    oferta.fOkresDepozytu = 3;
    oferta.fJednostkaDepozytu = J::Miesiac;
    oferta.fOprocentowanieWSkaliRoku = 4.5;
    EXPECT_EQ(oferta.NazwaWyswietlana(), "Lokata 3M");
    EXPECT_EQ(oferta.BankNazwaOprocentowanie(), "Alfa - Lokata 3M (4,50%)");
    oferta.fOprocentowanieWSkaliRoku = 1234.567;
    EXPECT_EQ(oferta.BankNazwaOprocentowanie(), "Alfa - Lokata 3M (1234,57%)");
}

TEST_F(THarmonogramLokatyBankowejTest, TermCodeTextAndDays) {
    struct Case {
        uint32_t okres;
        TJednostkaOkresu jednostka;
        QString kod, tekst;
        uint32_t dni;
    } cases[] = {
        {14, J::Dzien, "14D", "14 dni", 14},
        {10, J::Dzien, "10D", "10 dni", 10},
        {2, J::Tydzien, "14D", "2 tygodnie", 14},
        {1, J::Tydzien, "7D", "1 tydzień", 7},
        {3, J::Miesiac, "3M", "3 miesiące", 90},
        {6, J::Miesiac, "6M", "6 miesięcy", 180},
        {1, J::Rok, "1R", "1 rok", 365},
        {2, J::Rok, "2R", "2 lata", 730},
        {5, J::Brak, "", "5", 5},
        {0, J::Dzien, "0D", "0", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tekst.toStdString());
        THarmonogramLokatyBankowej oferta;
        oferta.fOkresDepozytu = c.okres;
        oferta.fJednostkaDepozytu = c.jednostka;
        EXPECT_EQ(oferta.NazwaDepozytu(), c.kod);
        EXPECT_EQ(oferta.OkresLokaty(), c.tekst);
        EXPECT_EQ(oferta.OkresLokatyIloscDni(), c.dni);
    }
}

TEST_F(THarmonogramLokatyBankowejTest, CapitalisationNameAndPeriod) {
    struct Case {
        TKapitalizacja kapitalizacja;
        QString nazwa;
        uint32_t dni;
    } cases[] = {
        {K::Brak, "(brak danych)", 0},     {K::Dzienna, "Dzienna", 1},
        {K::Miesieczna, "Miesięczna", 30}, {K::Roczna, "Roczna", 360},
        {K::Kwartalna, "Kwartalna", 90},   {K::PoOkresieUmowy, "Po okresie umowy", 180},
        {K::Polroczna, "Półroczna", 180},  {static_cast<K>(6), "(brak danych)", 0},
    };
    for (const auto& c : cases) {
        THarmonogramLokatyBankowej oferta;
        oferta.fOkresDepozytu = 6;
        oferta.fJednostkaDepozytu = J::Miesiac;
        oferta.fKapitalizacja = c.kapitalizacja;
        EXPECT_EQ(oferta.KapitalizacjaNazwa(), c.nazwa);
        EXPECT_EQ(oferta.KapitalizacjaCoIleDni(), c.dni) << c.nazwa.toStdString();
    }
}

TEST_F(THarmonogramLokatyBankowejTest, AmountLimitsAndConditionTexts) {
    THarmonogramLokatyBankowej oferta;
    oferta.fKwotaMinimalna = 1234.5;
    oferta.fKwotaMaksymalna = 1000000;
    EXPECT_EQ(oferta.KwotaMinimalnaString(), "1 234,50 zł");
    EXPECT_EQ(oferta.KwotaMaksymalnaString(), "1 000 000,00 zł");
    oferta.fKwotaMinimalna = -5;
    oferta.fKwotaMaksymalna = -0.01;
    EXPECT_EQ(oferta.KwotaMinimalnaString(), "(brak)");
    EXPECT_EQ(oferta.KwotaMaksymalnaString(), "(brak górnego ograniczenia)");
    oferta.fOprocentowanieStaleWCalymOkresieLokaty = true;
    oferta.fWymaganeKontoOsobisteWTymBanku = true;
    EXPECT_EQ(oferta.OprocentowanieStaleWCalymOkresieLokatyNazwa(), "Stałe");
    EXPECT_EQ(oferta.WymaganeKontoOsobisteWTymBankuNazwa(), "Wymagane");
}

TEST_F(THarmonogramLokatyBankowejTest, ClearKeepsTheCountedPeriods) {
    THarmonogramLokatyBankowej oferta;
    EXPECT_EQ(oferta.IloscOkresowKapitalizacji(), 0);
    oferta.fIloscOkresowKapitalizacji = 3;
    oferta.fBank = "Alfa";
    oferta.fId = 5;
    oferta.Clear();
    EXPECT_EQ(oferta.IloscOkresowKapitalizacji(), 3);
    EXPECT_EQ(oferta.Bank(), "");
    EXPECT_EQ(oferta.Id(), -1);
}

} // namespace
