#include "data/TPrzychod.h"

#include "format/Pomocnicze.h"
#include "platform/Clock.h"

TPrzychod::TPrzychod() {
    Clear();
}

TPrzychod::TPrzychod(int32_t aId, int32_t aIdKategoriaPrzychody, double aIle,
                     int32_t aIdKategoriaOszczednosci, TDateTime aData, int32_t aIdOsoba,
                     const QString& aOpis, TTypModyfikacji aModyfikacja, bool aZlecenieStale) {
    Clear();
    fId = aId;
    fIdKategoriaPrzychody = aIdKategoriaPrzychody;
    fIle_ = aIle;
    fIdKategoriaOszczednosci = aIdKategoriaOszczednosci;
    fData = aData;
    fIdOsoba = aIdOsoba;
    fKomentarz = aOpis;
    fZmiany = aModyfikacja;
    fZlecenieStale = aZlecenieStale;
}

void TPrzychod::Clear() {
    fId = -1;
    fIdKategoriaPrzychody = -1;
    fIle_ = 0;
    fIdKategoriaOszczednosci = -1;
    fData = Now();
    fIdOsoba = -1;
    fKomentarz.clear();
    fZlecenieStale = false;
    fZmiany = TTypModyfikacji::BezZmian;
}

QString TPrzychod::Miesiac() const {
    return MiesiacRokTekst(fData);
}

uint16_t TPrzychod::Rok() const {
    return static_cast<uint16_t>(YearOf(fData));
}
