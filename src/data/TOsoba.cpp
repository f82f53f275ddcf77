#include "data/TOsoba.h"

TOsoba::TOsoba() {
    Clear();
}

TOsoba::TOsoba(int32_t aId, const QString& aImie, const QString& aNazwisko,
               const QString& aPseudonim, const QString& aAdres, const QString& aTelefon,
               bool aUsuniety, TTypModyfikacji aModyfikacja, uint32_t aWaga)
    : fId(aId), fImie(aImie), fNazwisko(aNazwisko), fPseudonim(aPseudonim), fAdres(aAdres),
      fTelefon(aTelefon), fWaga(aWaga), fUsuniety(aUsuniety), fZmiany(aModyfikacja) {}

void TOsoba::Clear() {
    fId = -1;
    fImie.clear();
    fNazwisko.clear();
    fPseudonim.clear();
    fAdres.clear();
    fTelefon.clear();
    fWaga = kWagaDomyslna;
    fUsuniety = true;
    fZmiany = TTypModyfikacji::BezZmian;
}

QString TOsoba::ImieINazwisko() const {
    return fImie + QLatin1Char(' ') + fNazwisko;
}
