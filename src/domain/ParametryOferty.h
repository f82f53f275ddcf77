#pragma once
#include "domain/THarmonogramOdsetek.h"

#include <optional>

class THarmonogramLokatyBankowej;

// What the bank's exact schedule needs for `kwota` placed on `start` for the
// given term, at the offer's rate and capitalisation; nothing when the amount
// or the rate cannot be held exactly (negative, too large, not a number).
std::optional<TParametryHarmonogramu> ParametryOferty(const THarmonogramLokatyBankowej& oferta,
                                                      double kwota, TDateTime start, uint32_t okres,
                                                      TJednostkaOkresu jednostka);
