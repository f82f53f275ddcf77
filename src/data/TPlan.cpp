#include "data/TPlan.h"

#include "format/Pomocnicze.h"
#include "format/PorownanieTekstow.h"
#include "platform/Clock.h"

TPlan::TPlan() {
    Clear();
}

TPlan::TPlan(int32_t aId, const QString& aNazwa, double aKwota, int32_t aIdKategorii,
             bool aWykonany, bool aDodanyDoKolekcji, int8_t aTypPlanu, TDateTime aData,
             const QString& aKomentarz, TTypModyfikacji aModyfikacja)
    : fTypPlanu(aTypPlanu), fId(aId), fNazwa(aNazwa), fKwota(aKwota), fIdKategorii(aIdKategorii),
      fWykonany(aWykonany), fDodanyDoKolekcji(aDodanyDoKolekcji), fData(aData),
      fKomentarz(aKomentarz), fZmiany(aModyfikacja) {}

void TPlan::Clear() {
    fId = -1;
    fNazwa.clear();
    fKwota = 0;
    fIdKategorii = -1;
    fWykonany = false;
    fDodanyDoKolekcji = false;
    fTypPlanu = -1;
    fData = Now();
    fKomentarz.clear();
    fZmiany = TTypModyfikacji::BezZmian;
}

QString TPlan::TypPlanuStr() const {
    switch (fTypPlanu) {
    case 0:
        return QStringLiteral("Wydatki");
    case 1:
        return QStringLiteral("Przychody");
    default:
        return QString();
    }
}

QString TPlan::Miesiac() const {
    return MiesiacRokTekst(fData);
}

uint16_t TPlan::Rok() const {
    return static_cast<uint16_t>(YearOf(fData));
}

double TPlan::IloscDniDoWykonania() const {
    return ZaokraglijDo(fData - Now(), -2);
}

int32_t TPlan::IdGrupy() const {
    if (fWykonany)
        return -1;
    const TDateTime teraz = Now();
    if (!TekstyRowne(Miesiac(), MiesiacRokTekst(teraz), TWielkoscLiter::Ignoruj))
        return 2;
    return DayOf(fData) == DayOf(teraz) ? 0 : 1;
}
