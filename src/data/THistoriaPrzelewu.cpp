#include "data/THistoriaPrzelewu.h"

#include "format/Pomocnicze.h"
#include "platform/Clock.h"

THistoriaPrzelewu::THistoriaPrzelewu() {
    Clear();
}

THistoriaPrzelewu::THistoriaPrzelewu(int32_t id, double ile, int32_t idKategoriaOszczednosciFROM,
                                     int32_t idKategoriaOszczednosciTO, TDateTime data,
                                     const QString& komentarz, TTypModyfikacji modyfikacja)
    : fId(id), fKwota(ile), fIdKategoriaOszczednosciFROM(idKategoriaOszczednosciFROM),
      fIdKategoriaOszczednosciTO(idKategoriaOszczednosciTO), fData(data), fKomentarz(komentarz),
      fZmiany(modyfikacja) {}

void THistoriaPrzelewu::Clear() {
    fId = -1;
    fKwota = 0;
    fIdKategoriaOszczednosciFROM = -1;
    fIdKategoriaOszczednosciTO = -1;
    fData = Now();
    fKomentarz.clear();
    fZmiany = TTypModyfikacji::BezZmian;
}

QString THistoriaPrzelewu::Miesiac() const {
    return MiesiacRokTekst(fData);
}
