#include "data/TKategoriaOszczednosci.h"

TKategoriaOszczednosci::TKategoriaOszczednosci(int32_t id, const QString& opis, bool usuniety,
                                               bool moznaZaplacic, bool charakterDlugu,
                                               TTypModyfikacji modyfikacja, uint32_t waga)
    : TKategoria(id, opis, usuniety, modyfikacja, waga), fMoznaZaplacic(moznaZaplacic),
      fCharakterDlugu(charakterDlugu) {}

void TKategoriaOszczednosci::Clear() {
    TKategoria::Clear();
    fMoznaZaplacic = false;
    fCharakterDlugu = false;
}
