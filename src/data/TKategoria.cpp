#include "data/TKategoria.h"

TKategoria::TKategoria(int32_t aId, const QString& aOpis, bool aUsuniety,
                       TTypModyfikacji aModyfikacja, uint32_t aWaga)
    : fId(aId), fOpis(aOpis), fUsuniety(aUsuniety), fWaga(aWaga), fZmiany(aModyfikacja) {}

void TKategoria::Clear() {
    fId = -1;
    fOpis.clear();
    fUsuniety = true;
    fWaga = kWagaDomyslna;
    fZmiany = TTypModyfikacji::BezZmian;
}
