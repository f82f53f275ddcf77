#pragma once
// A small offer for tests that need a catalogue: 3 months, capitalised
// monthly, with the bank, rate and day of its data a test chooses.
#include "domain/THarmonogramLokatyBankowej.h"
#include "domain/TJednostkaOkresu.h"
#include "domain/TKapitalizacja.h"

#include <QString>
#include <cstdint>
#include <memory>

inline std::unique_ptr<THarmonogramLokatyBankowej> OfertaTestowa(int32_t id, const QString& bank,
                                                                 bool uzytkownika,
                                                                 double oprocentowanie,
                                                                 TDateTime dataDodania) {
    auto oferta = std::make_unique<THarmonogramLokatyBankowej>();
    oferta->fId = id;
    oferta->fBank = bank;
    oferta->fNazwaHarmonogramu = QStringLiteral("Lokata");
    oferta->fOkresDepozytu = 3;
    oferta->fJednostkaDepozytu = TJednostkaOkresu::Miesiac;
    oferta->fOprocentowanieWSkaliRoku = oprocentowanie;
    oferta->fKapitalizacja = TKapitalizacja::Miesieczna;
    oferta->fHarmonogramDodanyPrzezUzytkownika = uzytkownika;
    oferta->fDataDodaniaModyfikacji = dataDodania;
    return oferta;
}
