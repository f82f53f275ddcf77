#pragma once
#include "data/TKategoria.h"

// A savings category: it may allow paying expenses from it (MoznaZaplacic)
// and may be a debt (CharakterDlugu), which turns the sign of some balances.
class TKategoriaOszczednosci : public TKategoria {
public:
    TKategoriaOszczednosci() = default;
    TKategoriaOszczednosci(int32_t id, const QString& opis, bool usuniety, bool moznaZaplacic,
                           bool charakterDlugu, TTypModyfikacji modyfikacja, uint32_t waga);

    void Clear();

    bool MoznaZaplacic() const { return fMoznaZaplacic; }
    bool CharakterDlugu() const { return fCharakterDlugu; }

    void SetMoznaZaplacic(bool value) { UstawGdyInna(fMoznaZaplacic, value); }
    void SetCharakterDlugu(bool value) { UstawGdyInna(fCharakterDlugu, value); }

private:
    bool fMoznaZaplacic = false;
    bool fCharakterDlugu = false;
};
