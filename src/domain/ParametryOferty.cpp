#include "domain/ParametryOferty.h"

#include "domain/THarmonogramLokatyBankowej.h"

#include <limits>

std::optional<TParametryHarmonogramu> ParametryOferty(const THarmonogramLokatyBankowej& oferta,
                                                      double kwota, TDateTime start, uint32_t okres,
                                                      TJednostkaOkresu jednostka) {
    const auto dokladnaKwota = TLiczbaDziesietna::ZLiczby(kwota);
    const auto grosze = dokladnaKwota ? dokladnaKwota->WSkali(2) : std::nullopt;
    const auto oprocentowanie = TLiczbaDziesietna::ZLiczby(oferta.OprocentowanieWSkaliRoku());
    if (!grosze || !oprocentowanie || okres > std::numeric_limits<uint16_t>::max())
        return std::nullopt;
    TParametryHarmonogramu parametry;
    parametry.kwota = *grosze;
    parametry.start = start;
    parametry.okres = static_cast<uint16_t>(okres);
    parametry.jednostka = jednostka;
    parametry.oprocentowanie = *oprocentowanie;
    parametry.kapitalizacja = oferta.fKapitalizacja;
    return parametry;
}
