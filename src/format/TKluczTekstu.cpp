#include "format/TKluczTekstu.h"

TKluczTekstu::TKluczTekstu(const QString& tekst, TWielkoscLiter tryb)
    : TKluczTekstu(tekst, KolatorTekstow(tryb)) {}

TKluczTekstu::TKluczTekstu(const QString& tekst, const QCollator& kolator)
    : fPusty(tekst.isEmpty()), fKlucz(kolator.sortKey(tekst)) {}

int TKluczTekstu::Porownaj(const TKluczTekstu& inny) const {
    if (fPusty || inny.fPusty)
        return static_cast<int>(inny.fPusty) - static_cast<int>(fPusty);
    const int wynik = fKlucz.compare(inny.fKlucz);
    return (wynik > 0) - (wynik < 0);
}
