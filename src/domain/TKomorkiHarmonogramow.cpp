#include "domain/TKomorkiHarmonogramow.h"

#include "domain/THarmonogramLokatyBankowej.h"
#include "format/Formatowanie.h"

QStringList TKomorkiHarmonogramow::Komorki(const THarmonogramLokatyBankowej& h) {
    const quint64 okres =
        (quint64{h.fOkresDepozytu} << 8) | static_cast<quint64>(h.fJednostkaDepozytu);
    auto it = fOkresy.constFind(okres);
    if (it == fOkresy.constEnd())
        it = fOkresy.insert(okres, h.OkresLokaty());
    return {h.fBank,
            h.NazwaWyswietlana(),
            *it,
            fProcenty.Tekst(h.fOprocentowanieWSkaliRoku,
                            [&h] { return FormatPercent(h.fOprocentowanieWSkaliRoku); }),
            h.KapitalizacjaNazwa(),
            fKwotyMinimalne.Tekst(h.fKwotaMinimalna, [&h] { return h.KwotaMinimalnaString(); }),
            fKwotyMaksymalne.Tekst(h.fKwotaMaksymalna, [&h] { return h.KwotaMaksymalnaString(); }),
            h.OprocentowanieStaleWCalymOkresieLokatyNazwa(),
            h.WymaganeKontoOsobisteWTymBankuNazwa(),
            h.fWarunkiWczesniejszegoZerwaniaLokaty,
            h.fPozostaleInformacje};
}
