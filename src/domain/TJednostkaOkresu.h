#pragma once
#include <QString>
#include <cstdint>

// The unit of a term (of a deposit or of an offer).
enum class TJednostkaOkresu : int8_t { Brak = -1, Dzien = 0, Tydzien = 1, Miesiac = 2, Rok = 3 };

// The term as Polish text: the number followed by the unit's word in the form
// that the number takes ("1 tydzień", "3 miesiące", "22 tygodni"); a unit of
// Brak, or an unknown one, gives the number alone, and 0 days give just "0".
QString OkresTekst(uint32_t ilosc, TJednostkaOkresu jednostka);
