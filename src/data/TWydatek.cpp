#include "data/TWydatek.h"

#include "format/Pomocnicze.h"
#include "platform/Clock.h"

TWydatek::TWydatek() {
    Clear();
}

TWydatek::TWydatek(int32_t aId, int32_t aIdKategoriaWydatki, double aIle,
                   int32_t aIdKategoriaOszczednosci, TDateTime aData, int32_t aIdOsoba,
                   const QString& aOpis, TTypModyfikacji aModyfikacja, const QString& aZalacznik,
                   bool aZlecenieStale) {
    Clear();
    fId = aId;
    fIdKategoriaWydatki = aIdKategoriaWydatki;
    fIle_ = aIle;
    fIdKategoriaOszczednosci = aIdKategoriaOszczednosci;
    fData = aData;
    fIdOsoba = aIdOsoba;
    fKomentarz = aOpis;
    fZmiany = aModyfikacja;
    fZalacznik = aZalacznik;
    fZlecenieStale = aZlecenieStale;
}

void TWydatek::Clear() {
    fId = -1;
    fIdKategoriaWydatki = -1;
    fIle_ = 0;
    fIdKategoriaOszczednosci = -1;
    fData = Now();
    fIdOsoba = -1;
    fKomentarz.clear();
    fZlecenieStale = false;
    fZalacznik.clear();
    fZmiany = TTypModyfikacji::BezZmian;
}

QString TWydatek::Miesiac() const {
    return MiesiacRokTekst(fData);
}

uint16_t TWydatek::Rok() const {
    return static_cast<uint16_t>(YearOf(fData));
}

TDateTime TWydatek::Dzien() const {
    return DateOf(fData);
}
