#include "data/TOgraniczenie.h"

#include "platform/Clock.h"

TOgraniczenie::TOgraniczenie() {
    Clear();
}

TOgraniczenie::TOgraniczenie(int32_t aIdKategoriiWydatku, double aMaxMiesiac, double aMaxRok,
                             uint16_t aRok, TTypModyfikacji aModyfikacja) {
    Clear();
    fIdKategoriiWydatku = aIdKategoriiWydatku;
    fMaxMiesiac = aMaxMiesiac;
    fMaxRok = aMaxRok;
    fRok = aRok;
    fZmiany = aModyfikacja;
}

void TOgraniczenie::Clear() {
    fId = -1;
    fIdKategoriiWydatku = -1;
    fMaxMiesiac = 0;
    fMaxRok = 0;
    fData = Now();
    fRok = static_cast<uint16_t>(YearOf(fData));
    fZmiany = TTypModyfikacji::BezZmian;
}
