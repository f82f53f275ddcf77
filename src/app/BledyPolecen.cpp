#include "app/BledyPolecen.h"

#include "app/Komunikaty.h"
#include "data/EDataError.h"

void PokazBledyPolecen(const TWynikPolecenSQL& wynik) {
    if (wynik.Stan == TWynikPolecenSQL::TStan::Blad)
        PokazBlad(wynik.Blad);
}

void PokazBledyPolecen(const QList<TWynikPolecenSQL>& bledy) {
    for (const TWynikPolecenSQL& wynik : bledy)
        PokazBledyPolecen(wynik);
}

void PokazBledyPolecen(const std::exception& blad) {
    if (const auto* bladDanych = dynamic_cast<const EDataError*>(&blad))
        PokazBledyPolecen(bladDanych->BledyPolecen());
}
