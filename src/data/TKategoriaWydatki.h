#pragma once
#include "data/TKategoria.h"

// An expense category of the household.
class TKategoriaWydatki : public TKategoria {
public:
    TKategoriaWydatki() = default;
    TKategoriaWydatki(int32_t aId, const QString& aOpis, bool aUsuniety,
                      TTypModyfikacji aModyfikacja, uint32_t aWaga)
        : TKategoria(aId, aOpis, aUsuniety, aModyfikacja, aWaga) {}
};
