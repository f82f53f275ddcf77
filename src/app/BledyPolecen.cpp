#include "app/BledyPolecen.h"

#include "app/Komunikaty.h"
#include "data/EDataError.h"
#include "data/TProjektDB.h"

void PokazBledyPolecen(const TWynikPolecenSQL& wynik) {
    if (wynik.Stan == TWynikPolecenSQL::TStan::Blad)
        PokazBlad(wynik.Blad);
}

void PokazBledyPolecen(const QList<TWynikPolecenSQL>& bledy) {
    for (const TWynikPolecenSQL& wynik : bledy)
        PokazBledyPolecen(wynik);
}

std::unique_ptr<TProjektDB> OtworzProjektDB(const QString& plik) {
    std::unique_ptr<TProjektDB> projekt;
    try {
        projekt = std::make_unique<TProjektDB>(plik);
    } catch (const EDataError& blad) {
        PokazBledyPolecen(blad.BledyPolecen());
        throw;
    }
    PokazBledyPolecen(projekt->WezBledyPolecen());
    return projekt;
}
