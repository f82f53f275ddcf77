#include "app/TPropozycjaZysku.h"

#include "domain/THarmonogramLokatyBankowej.h"
#include "domain/TLokata.h"
#include "platform/Clock.h"

#include <optional>

TPropozycjaZysku ZaproponowanyZysk(const TLokata& lokata,
                                   const THarmonogramLokatyBankowej* oferta) {
    if (!oferta)
        return {};
    if (CompareDateTime(lokata.SzacowanaDataZakonczenia(), Now()) > 0)
        return {TZrodloZysku::PrzedTerminem, 0, oferta->WarunkiWczesniejszegoZerwaniaLokaty()};
    const std::optional<int64_t> netto = lokata.OdsetkiNettoWgBanku(oferta);
    if (!netto)
        return {TZrodloZysku::PozaZakresem, 0, {}};
    return {TZrodloZysku::Bank, static_cast<double>(*netto) / 100, {}};
}
