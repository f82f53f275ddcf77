#include "data/TZbiorTekstow.h"

TZbiorTekstow::TZbiorTekstow(TWielkoscLiter tryb)
    : fKolator(KolatorTekstow(tryb)), fTeksty(Mniejszy{&fKolator}) {}

bool TZbiorTekstow::Dodaj(const QString& tekst) {
    return fTeksty.insert(tekst).second;
}
