#pragma once
#include "platform/DateTimeUtils.h"

#include <QString>
#include <cstdint>

// The unit of a term (of a deposit or of an offer).
enum class TJednostkaOkresu : int8_t { Brak = -1, Dzien = 0, Tydzien = 1, Miesiac = 2, Rok = 3 };

// The term as Polish text: the number followed by the unit's word in the form
// that the number takes ("1 tydzień", "3 miesiące", "22 tygodni"); a unit of
// Brak, or an unknown one, gives the number alone, and 0 days give just "0".
QString OkresTekst(uint32_t ilosc, TJednostkaOkresu jednostka);

// The end of a term of `ilosc` units from `start`: days and weeks on the
// calendar; months (a year is 12 months) on the same day of the month, or
// its last day when the month is shorter; the time of day stays. A unit of
// Brak, or an unknown one, gives the zero date.
TDateTime KoniecOkresu(TDateTime start, uint16_t ilosc, TJednostkaOkresu jednostka);

// Days of one unit as the estimates count them: a month is 30 days and a
// year 360; 0 for Brak or an unknown unit.
uint32_t DniJednostkiSzacunku(TJednostkaOkresu jednostka);
