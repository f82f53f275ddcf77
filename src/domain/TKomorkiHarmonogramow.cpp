#include "domain/TKomorkiHarmonogramow.h"

#include "domain/Formatting.h"
#include "domain/THarmonogramLokatyBankowej.h"

#include <cmath>

template <class Formatowanie>
QString TKomorkiHarmonogramow::Tekst(QHash<double, QString>& teksty, double wartosc,
                                     Formatowanie formatuj) {
    if (!std::isfinite(wartosc))
        return formatuj();
    auto it = teksty.constFind(wartosc);
    if (it == teksty.constEnd())
        it = teksty.insert(wartosc, formatuj());
    return *it;
}

QStringList TKomorkiHarmonogramow::Komorki(const THarmonogramLokatyBankowej& h) {
    const quint64 okres =
        (quint64{h.fOkresDepozytu} << 8) | static_cast<quint64>(h.fJednostkaDepozytu);
    auto it = fOkresy.constFind(okres);
    if (it == fOkresy.constEnd())
        it = fOkresy.insert(okres, h.OkresLokaty());
    return {h.fBank,
            h.NazwaWyswietlana(),
            *it,
            Tekst(fProcenty, h.fOprocentowanieWSkaliRoku,
                  [&h] { return FormatPercent(h.fOprocentowanieWSkaliRoku); }),
            h.KapitalizacjaNazwa(),
            Tekst(fKwotyMinimalne, h.fKwotaMinimalna, [&h] { return h.KwotaMinimalnaString(); }),
            Tekst(fKwotyMaksymalne, h.fKwotaMaksymalna, [&h] { return h.KwotaMaksymalnaString(); }),
            h.OprocentowanieStaleWCalymOkresieLokatyNazwa(),
            h.WymaganeKontoOsobisteWTymBankuNazwa(),
            h.fWarunkiWczesniejszegoZerwaniaLokaty,
            h.fPozostaleInformacje};
}
