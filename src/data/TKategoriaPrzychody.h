#pragma once
#include "data/TKategoria.h"

// An income category of the household.
class TKategoriaPrzychody : public TKategoria {
public:
    TKategoriaPrzychody() = default;
    TKategoriaPrzychody(int32_t aId, const QString& aOpis, bool aUsuniety,
                        TTypModyfikacji aModyfikacja, uint32_t aWaga)
        : TKategoria(aId, aOpis, aUsuniety, aModyfikacja, aWaga) {}
};
