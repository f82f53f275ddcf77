#include "tools/OfferJson.h"

#include "domain/TKursEUR.h"
#include "domain/TWiekOferty.h"

void WriteOfferJson(JsonWriter& json, const THarmonogramLokatyBankowej& o,
                    std::optional<TDateTime> today) {
    json.beginObject()
        .key(u"Id")
        .integer(o.fId)
        .key(u"Bank")
        .string(o.fBank)
        .key(u"NazwaHarmonogramu")
        .string(o.fNazwaHarmonogramu)
        .key(u"OkresDepozytu")
        .integer(o.fOkresDepozytu)
        .key(u"JednostkaDepozytu")
        .integer(static_cast<int8_t>(o.fJednostkaDepozytu))
        .key(u"Kapitalizacja")
        .integer(static_cast<int8_t>(o.fKapitalizacja))
        .key(u"OprocentowanieStaleWCalymOkresieLokaty")
        .boolean(o.fOprocentowanieStaleWCalymOkresieLokaty)
        .key(u"OprocentowanieWSkaliRoku")
        .number(o.fOprocentowanieWSkaliRoku)
        .key(u"KwotaMinimalna")
        .money(o.fKwotaMinimalna)
        .key(u"KwotaMaksymalna")
        .money(o.fKwotaMaksymalna)
        .key(u"WymaganeKontoOsobisteWTymBanku")
        .boolean(o.fWymaganeKontoOsobisteWTymBanku)
        .key(u"MozliwoscWczesniejszegoZerwaniaLokaty")
        .boolean(o.fMozliwoscWczesniejszegoZerwaniaLokaty)
        .key(u"HarmonogramDodanyPrzezUzytkownika")
        .boolean(o.fHarmonogramDodanyPrzezUzytkownika)
        .key(u"WarunkiWczesniejszegoZerwaniaLokaty")
        .string(o.fWarunkiWczesniejszegoZerwaniaLokaty)
        .key(u"PozostaleInformacje")
        .string(o.fPozostaleInformacje)
        .key(u"BankNazwaOprocentowanie")
        .string(o.BankNazwaOprocentowanie())
        .key(u"NazwaWyswietlana")
        .string(o.NazwaWyswietlana())
        .key(u"OkresLokaty")
        .string(o.OkresLokaty())
        .key(u"KapitalizacjaNazwa")
        .string(o.KapitalizacjaNazwa());
    if (today)
        json.key(u"DataDodaniaModyfikacji")
            .string(DataWFormacieISO(DateOf(o.DataDodaniaModyfikacji())))
            .key(u"DniOdAktualizacji")
            .integer(TWiekOferty::DniOdAktualizacji(o, *today));
    json.endObject();
}
