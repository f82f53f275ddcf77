#pragma once
#include "tools/JsonWriter.h"

#include "domain/THarmonogramLokatyBankowej.h"

#include <optional>

// Writes one offer as a JSON object with the keys every tool that lists
// offers uses: Id, Bank, NazwaHarmonogramu, OkresDepozytu, JednostkaDepozytu
// and Kapitalizacja (the enumerations' signed values), the rate and amounts
// as numbers, the three flags as booleans, the two texts, and the display
// texts BankNazwaOprocentowanie, NazwaWyswietlana, OkresLokaty and
// KapitalizacjaNazwa. With `today` given, also the day the offer was typed or
// imported, DataDodaniaModyfikacji ("yyyy-MM-dd"), and its age in days on that
// day, DniOdAktualizacji.
void WriteOfferJson(JsonWriter& json, const THarmonogramLokatyBankowej& oferta,
                    std::optional<TDateTime> today = std::nullopt);
