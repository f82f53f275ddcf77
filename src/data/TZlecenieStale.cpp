#include "data/TZlecenieStale.h"

#include "format/Pomocnicze.h"
#include "platform/Clock.h"

#include <limits>

TZlecenieStale::TZlecenieStale() {
    Clear();
}

TZlecenieStale::TZlecenieStale(int32_t aId, int32_t aIdKategorii, int32_t aIdZleceniaStalego,
                               int32_t aIdOszczednosci, int32_t aIdOsoba, const QString& aNazwa,
                               double aKwota, TCzestotliwosc aCzestotliwosc,
                               int8_t aTypZleceniaStalego, TDateTime aData, bool aAktywne,
                               const QString& aKomentarz, TTypModyfikacji aModyfikacja)
    : fCzestotliwosc(aCzestotliwosc), fTypZleceniaStalego(aTypZleceniaStalego), fId(aId),
      fIdKategorii(aIdKategorii), fIdZleceniaStalego(aIdZleceniaStalego),
      fIdOszczednosci(aIdOszczednosci), fIdOsoba(aIdOsoba), fNazwa(aNazwa), fKwota(aKwota),
      fData(aData), fAktywne(aAktywne), fKomentarz(aKomentarz), fZmiany(aModyfikacja) {}

void TZlecenieStale::Clear() {
    fId = -1;
    fNazwa.clear();
    fKwota = 0;
    fCzestotliwosc = TCzestotliwosc(-1);
    fTypZleceniaStalego = -1;
    fData = Now();
    fAktywne = false;
    fKomentarz.clear();
    fZmiany = TTypModyfikacji::BezZmian;
}

QString TZlecenieStale::CzestotliwoscString() const {
    return NazwyCzestotliwosci().value(fCzestotliwosc);
}

int32_t TZlecenieStale::CzestotliwoscIloscDni() const {
    const auto dniDoMiesiecy = [this](int miesiace) {
        return static_cast<int32_t>(DaysBetween(fData, IncMonth(fData, miesiace)));
    };
    switch (static_cast<int>(fCzestotliwosc)) {
    case 0:
        return 1;
    case 1:
        return 7;
    case 2:
        return dniDoMiesiecy(1);
    case 3:
        return dniDoMiesiecy(2);
    case 4:
        return dniDoMiesiecy(3);
    case 5:
        return dniDoMiesiecy(6);
    case 6:
        return dniDoMiesiecy(12);
    case 7:
        return std::numeric_limits<int32_t>::max();
    default:
        return 0;
    }
}

QString TZlecenieStale::TypZleceniaStalegoStr() const {
    switch (fTypZleceniaStalego) {
    case 0:
        return QStringLiteral("Wydatki");
    case 1:
        return QStringLiteral("Przychody");
    default:
        return QString();
    }
}

TDateTime TZlecenieStale::PobierzDateDodaniaTegoZleceniaDoBazy() const {
    return DateOf(fData) + TimeOf(Now()) + CzestotliwoscIloscDni();
}

double TZlecenieStale::PobierzIloscDniDoWykonania(
    const TZlecenieStale* ostatnioWykonaneZlecenieTegoTypu) const {
    if (!ostatnioWykonaneZlecenieTegoTypu)
        return std::numeric_limits<double>::quiet_NaN();
    const auto czestotliwosc = static_cast<int8_t>(fCzestotliwosc);
    if (czestotliwosc == -1 || czestotliwosc == 7)
        return std::numeric_limits<double>::infinity();
    const TDateTime termin =
        ostatnioWykonaneZlecenieTegoTypu->PobierzDateDodaniaTegoZleceniaDoBazy();
    return ZaokraglijDo(termin - Now(), -2);
}
