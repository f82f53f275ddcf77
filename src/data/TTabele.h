#pragma once
#include <cstdint>

// The household's tables, in their fixed order (ordinals 0 to 18). Pusta and
// PrzychodyIRozchody name no stored table.
enum class TTabele : int8_t {
    Wydatki,
    Przychody,
    Oszczednosci,
    Osoby,
    Kategorie_Wydatki,
    Kategorie_Przychody,
    Kategorie_Oszczednosci,
    Pusta,
    HistoriaPrzelewow,
    ZleceniaStaleWydatki,
    ZleceniaStalePrzychody,
    HistoriaZlecenStalychWydatki,
    HistoriaZlecenStalychPrzychody,
    StanyOszczednosci,
    PrzychodyIRozchody,
    Plany,
    Ograniczenia,
    Lokaty,
    HarmonogramyLokatBankowych
};
