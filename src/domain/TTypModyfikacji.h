#pragma once
#include <cstdint>

// The change of a stored record still to be written to the database.
enum class TTypModyfikacji : int8_t { BezZmian, Zmieniono, Dodano, Usunieto };
