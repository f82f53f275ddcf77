#pragma once
// Offers of a few banks with varied terms, rates and texts, the same in every
// run, new (id -1 and below, Dodano), for the benchmarks that write or read a
// catalogue.
#include "domain/THarmonogramLokatyBankowej.h"

#include <iterator>
#include <memory>
#include <random>
#include <vector>

inline std::vector<std::unique_ptr<THarmonogramLokatyBankowej>> PrzykladoweOferty(int ile) {
    static const char* const kBanki[] = {
        "Alior Bank",      "Bank Millennium",          "Bank Pekao", "ING Bank Śląski",
        "mBank",           "PKO Bank Polski",          "Santander",  "VeloBank",
        "Credit Agricole", "Bank Spółdzielczy w Łodzi"};
    static const char* const kNazwy[] = {"Lokata na nowe środki", "Lokata internetowa",
                                         "Lokata roczna",         "Lokata z premią",
                                         "Lokata mobilna",        "Lokata progresywna"};
    std::mt19937 los(20130514);
    std::vector<std::unique_ptr<THarmonogramLokatyBankowej>> oferty;
    for (int i = 0; i < ile; ++i) {
        auto h = std::make_unique<THarmonogramLokatyBankowej>();
        h->fId = -1 - i;
        h->fBank = kBanki[los() % std::size(kBanki)];
        h->fNazwaHarmonogramu = kNazwy[los() % std::size(kNazwy)];
        h->fOkresDepozytu = 1 + los() % 24;
        h->fJednostkaDepozytu = TJednostkaOkresu::Miesiac;
        h->fOprocentowanieStaleWCalymOkresieLokaty = los() % 2;
        h->fOprocentowanieWSkaliRoku = 0.5 + (los() % 70000) / 10000.0;
        h->fKapitalizacja = TKapitalizacja::PoOkresieUmowy;
        h->fKwotaMinimalna = 1000;
        h->fKwotaMaksymalna = 100000 + (los() % 1000) * 0.5;
        h->fMozliwoscWczesniejszegoZerwaniaLokaty = true;
        h->fWarunkiWczesniejszegoZerwaniaLokaty = los() % 2 ? "utrata odsetek" : "";
        h->fPozostaleInformacje = los() % 3 ? "tylko dla nowych klientów banku" : "   ";
        h->fHarmonogramDodanyPrzezUzytkownika = true;
        h->fZmiany = TTypModyfikacji::Dodano;
        oferty.push_back(std::move(h));
    }
    return oferty;
}
