#pragma once
#include <cstdint>

// How often an offer capitalises interest. Any other stored value behaves as Brak.
enum class TKapitalizacja : int8_t {
    Brak = -1,
    Dzienna = 0,
    Miesieczna = 1,
    Roczna = 2,
    Kwartalna = 3,
    PoOkresieUmowy = 4,
    Polroczna = 5
};
