#pragma once
#include "JsonWriter.h"

#include "domain/THarmonogramLokatyBankowej.h"

// Writes one offer as a JSON object with the keys every tool that lists
// offers uses: Id, Bank, NazwaHarmonogramu, OkresDepozytu, JednostkaDepozytu
// and Kapitalizacja (the enumerations' signed values), the rate and amounts
// as numbers, the three flags as booleans, the two texts, and the display
// texts BankNazwaOprocentowanie, NazwaWyswietlana, OkresLokaty and
// KapitalizacjaNazwa.
void WriteOfferJson(JsonWriter& json, const THarmonogramLokatyBankowej& oferta);
