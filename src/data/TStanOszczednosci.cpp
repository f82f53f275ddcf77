#include "data/TStanOszczednosci.h"

#include "format/Pomocnicze.h"
#include "platform/Clock.h"

TStanOszczednosci::TStanOszczednosci(int32_t aId, double aStan, TDateTime aData,
                                     TTypModyfikacji aModyfikacja)
    : fId(aId), fStan(aStan), fData(aData), fZmiany(aModyfikacja) {}

void TStanOszczednosci::Clear() {
    fId = -1;
    fStan = 0;
    fData = Now();
    fZmiany = TTypModyfikacji::BezZmian;
}

QString TStanOszczednosci::Miesiac() const {
    return MiesiacRokTekst(fData);
}
