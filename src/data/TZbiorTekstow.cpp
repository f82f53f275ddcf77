#include "data/TZbiorTekstow.h"

TZbiorTekstow::TZbiorTekstow(TWielkoscLiter tryb) : fKolator(KolatorTekstow(tryb)) {}

bool TZbiorTekstow::Dodaj(const QString& tekst) {
    if (fDokladne.contains(tekst))
        return false;
    fDokladne.insert(tekst);
    return fKlucze.insert(fKolator.sortKey(tekst)).second;
}
