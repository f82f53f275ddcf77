#pragma once
#include <cstdint>

// The unit of a term (of a deposit or of an offer).
enum class TJednostkaOkresu : int8_t { Brak = -1, Dzien = 0, Tydzien = 1, Miesiac = 2, Rok = 3 };
