#include "data/TOszczednosc.h"

#include "format/Pomocnicze.h"
#include "platform/Clock.h"

TOszczednosc::TOszczednosc() {
    Clear();
}

TOszczednosc::TOszczednosc(int32_t aId, int32_t aIdKategoriaOszczednosci, double aIle,
                           TDateTime aData, const QString& aKomentarz, int8_t aTypOszczednosci,
                           TTypModyfikacji aModyfikacja) {
    Clear();
    fId = aId;
    fIdKategoriaOszczednosci = aIdKategoriaOszczednosci;
    fIle_ = aIle;
    fData = aData;
    fKomentarz = aKomentarz;
    fTypOszczednosci = aTypOszczednosci;
    fZmiany = aModyfikacja;
}

void TOszczednosc::Clear() {
    fId = -1;
    fIdKategoriaOszczednosci = -1;
    fIle_ = 0;
    fData = Now();
    fKomentarz.clear();
    fOszczednoscZTabeliLokaty = false;
    fTypOszczednosci = 1;
    fZmiany = TTypModyfikacji::BezZmian;
}

TTypModyfikacji TOszczednosc::Zmiany() const {
    return IsReadOnly() ? TTypModyfikacji::BezZmian : fZmiany;
}

QString TOszczednosc::Miesiac() const {
    return MiesiacRokTekst(fData);
}

uint16_t TOszczednosc::Rok() const {
    return static_cast<uint16_t>(YearOf(fData));
}
