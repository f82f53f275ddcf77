#pragma once
#include "domain/TJednostkaOkresu.h"
#include "domain/TKapitalizacja.h"
#include "format/TLiczbaDziesietna.h"
#include "platform/DateTimeUtils.h"

#include <cstdint>
#include <vector>

// What a deposit is: its amount in grosze, start day, term and the offer's
// annual rate (per cent, as typed) and capitalisation.
struct TParametryHarmonogramu {
    int64_t kwota = 0;
    TDateTime start = 0;
    uint16_t okres = 0;
    TJednostkaOkresu jednostka = TJednostkaOkresu::Brak;
    TLiczbaDziesietna oprocentowanie;
    TKapitalizacja kapitalizacja = TKapitalizacja::Brak;
    // Days of the interest year: 365, or 360 for banks that count so.
    int podstawa = 365;
};

// One capitalisation period; money in grosze, the capital after the period.
struct TOkresOdsetkowy {
    TDateTime od = 0;
    TDateTime do_ = 0;
    int32_t dni = 0;
    int64_t odsetkiBrutto = 0;
    int64_t podatek = 0;
    int64_t odsetkiNetto = 0;
    int64_t kapital = 0;
};

// The interest of a deposit as a bank pays it, period by period and to the
// grosz: gross interest of a period = capital × rate / 100 × days / basis,
// rounded half up; tax 19 % of it rounded up; the net interest is added to
// the capital. The computation is exact (integers only).
class THarmonogramOdsetek {
public:
    // A listed schedule longer than this is refused (the totals alone are not).
    static constexpr int64_t kNajwiecejOkresow = 100000;

    // Throws std::overflow_error when the amounts leave the range that can be
    // computed exactly, std::length_error when the periods are to be listed
    // and there are more than kNajwiecejOkresow. A term of 0 or without a
    // unit gives no period and ends on its start day.
    static THarmonogramOdsetek Oblicz(const TParametryHarmonogramu& parametry, bool zOkresami);

    const std::vector<TOkresOdsetkowy>& Okresy() const { return fOkresy; }
    int64_t Kwota() const { return fKwota; }
    int64_t OdsetkiBrutto() const { return fOdsetkiBrutto; }
    int64_t Podatek() const { return fPodatek; }
    int64_t OdsetkiNetto() const { return fOdsetkiNetto; }
    int64_t KwotaKoncowa() const { return fKwota + fOdsetkiNetto; }
    TDateTime DataZakonczenia() const { return fDataZakonczenia; }
    int32_t Dni() const { return fDni; }
    // Net interest ÷ amount × 365 ÷ days × 100, in per cent; 0 for no days.
    double RentownoscNettoRoczna() const;

private:
    void DodajOkres(int64_t od, int64_t doDnia, const TParametryHarmonogramu& parametry,
                    bool zOkresami);
    int64_t OdsetkiBruttoOkresu(int32_t dni, const TParametryHarmonogramu& parametry) const;

    std::vector<TOkresOdsetkowy> fOkresy;
    int64_t fKwota = 0;
    int64_t fOdsetkiBrutto = 0;
    int64_t fPodatek = 0;
    int64_t fOdsetkiNetto = 0;
    TDateTime fDataZakonczenia = 0;
    int32_t fDni = 0;
    // 100 × 10^(the rate's decimal places) × basis: what the gross interest
    // of a period is divided by.
    unsigned __int128 fMianownik = 1;
};
