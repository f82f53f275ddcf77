#include "app/TDaneLokaty.h"

#include "domain/TLokata.h"
#include "format/Pomocnicze.h"

#include <algorithm>

TSprawdzoneDaneLokaty SprawdzDaneLokaty(const TDaneLokaty& dane) {
    TSprawdzoneDaneLokaty wynik;
    wynik.kwota = KwotaWGroszachZTekstu(dane.tekstKwoty);
    wynik.nazwa = OczyscNazwe(dane.nazwa);
    if (!(wynik.kwota > 0))
        wynik.blad = TBladDanychLokaty::Kwota;
    else if (dane.okresLokaty == 0)
        wynik.blad = TBladDanychLokaty::Okres;
    else if (JestPustyTekst(wynik.nazwa))
        wynik.blad = TBladDanychLokaty::Nazwa;
    return wynik;
}

QString OczyscNazwe(const QString& tekst) {
    return OczyscTekst(UsunZnakiSpecjalne(tekst));
}

int32_t NoweIdLokaty(const std::vector<std::unique_ptr<TLokata>>& lokaty) {
    int32_t najwyzsze = 0;
    bool saLokaty = false;
    for (const auto& lokata : lokaty) {
        if (!lokata)
            continue;
        najwyzsze = saLokaty ? std::max(najwyzsze, lokata->Id()) : lokata->Id();
        saLokaty = true;
    }
    return saLokaty ? najwyzsze + 1000 : 1;
}

void ZapiszDaneWLokacie(TLokata& lokata, const TDaneLokaty& dane,
                        const TSprawdzoneDaneLokaty& sprawdzone, int32_t idHarmonogramu) {
    lokata.SetNazwa(sprawdzone.nazwa);
    lokata.SetKwota(sprawdzone.kwota);
    lokata.SetOkresLokaty(static_cast<uint16_t>(std::clamp(dane.okresLokaty, 0, 65535)));
    lokata.fJednostkaLokaty = dane.jednostka;
    lokata.SetDataRozpoczecia(dane.dataRozpoczecia);
    lokata.SetIdHarmonogramLokaty(idHarmonogramu);
}
