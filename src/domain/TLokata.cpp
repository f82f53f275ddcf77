#include "domain/TLokata.h"

#include "domain/ParametryOferty.h"
#include "domain/THarmonogramLokatyBankowej.h"
#include "format/ArytmetykaRozszerzona.h"
#include "platform/Clock.h"

#include <bit>
#include <cfenv>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace {

constexpr long double kProcent = 0.01L;
constexpr long double kStawkaPodatku = 0.19L;
constexpr int kDniWRokuOdsetkowym = 360;

// Length of one capitalisation period in days; 0 means one step over the
// whole term (capitalisation at the end, or no kind given).
uint32_t DlugoscOkresuKapitalizacji(TKapitalizacja kapitalizacja) {
    switch (kapitalizacja) {
    case TKapitalizacja::Dzienna:
        return 1;
    case TKapitalizacja::Miesieczna:
        return 30;
    case TKapitalizacja::Kwartalna:
        return 90;
    case TKapitalizacja::Polroczna:
        return 180;
    case TKapitalizacja::Roczna:
        return 360;
    default:
        return 0;
    }
}

// Number of capitalisation periods in a term of `dni` days: an exact quotient.
double IloscOkresow(TKapitalizacja kapitalizacja, uint32_t dni) {
    const uint32_t dlugosc = DlugoscOkresuKapitalizacji(kapitalizacja);
    if (dlugosc > 0)
        return static_cast<double>(static_cast<long double>(dni) / dlugosc);
    return kapitalizacja == TKapitalizacja::PoOkresieUmowy ? 1.0 : 0.0;
}

// Net interest of one period: the interest less a 19 % tax levied on the
// interest rounded to whole currency units, then rounded to cents.
inline double OdsetkiNetto(double odsetki) {
    const long double podstawa = ZaokraglijDoCalkowitej(odsetki);
    const long double podatek = ZaokraglijDoCalkowitej(podstawa * kStawkaPodatku);
    return ZaokraglijDoPotegi(static_cast<double>(odsetki - podatek), -2);
}

// The interest of every period is added to the principal (compound interest);
// a shorter last period earns its share q = d / L of a full one.
double SzacowanyZysk(double kwota, uint32_t dni, double stopa, uint32_t dlugosc) {
    double kapital = kwota;
    double suma = 0;
    uint32_t pokryte = 0;
    do {
        double odsetki;
        if (dlugosc == 0) {
            odsetki = static_cast<double>(static_cast<long double>(dni) * kapital * stopa /
                                          kDniWRokuOdsetkowym);
            dlugosc = dni;
            pokryte = dni;
        } else {
            const uint32_t krok = pokryte + dlugosc <= dni ? dlugosc : dni - pokryte;
            const double czesc = static_cast<double>(static_cast<long double>(krok) / dlugosc);
            odsetki = static_cast<double>(static_cast<long double>(kapital) * czesc * dlugosc *
                                          stopa / kDniWRokuOdsetkowym);
        }
        // An interest beyond the range of double has no net value to round:
        // the estimate is that infinity (not NaN from infinity minus its tax).
        if (!std::isfinite(odsetki))
            return odsetki;
        const double netto = OdsetkiNetto(odsetki);
        kapital = static_cast<double>(static_cast<long double>(kapital) + odsetki);
        suma = static_cast<double>(static_cast<long double>(suma) + netto);
        pokryte += dlugosc;
    } while (pokryte < dni);
    return suma;
}

} // namespace

TLokata::TLokata() {
    Clear();
}

TLokata::TLokata(int32_t id, const QString& nazwa, double kwota, TDateTime dataRozpoczecia,
                 uint16_t okresLokaty, TJednostkaOkresu jednostkaLokaty,
                 int32_t idHarmonogramLokaty, bool aktywna, TTypModyfikacji zmiany)
    : TLokata() {
    fId = id;
    fNazwa = nazwa;
    fKwota = kwota;
    fDataRozpoczecia = dataRozpoczecia;
    fOkresLokaty = okresLokaty;
    fJednostkaLokaty = jednostkaLokaty;
    fIdHarmonogramLokaty = idHarmonogramLokaty;
    fAktywna = aktywna;
    fZmiany = zmiany;
}

TLokata::~TLokata() = default;

void TLokata::Clear() {
    fId = -1;
    fNazwa.clear();
    fKwota = 0;
    fDataRozpoczecia = Now();
    fOkresLokaty = 0;
    fJednostkaLokaty = TJednostkaOkresu::Brak;
    fIdHarmonogramLokaty = -1;
    fAktywna = false;
    fZmiany = TTypModyfikacji::BezZmian;
}

void TLokata::SetId(int32_t value) {
    if (fId != value)
        fId = value;
}

void TLokata::SetNazwa(const QString& value) {
    if (fNazwa != value)
        fNazwa = value;
}

void TLokata::SetKwota(double value) {
    if (fKwota != value)
        fKwota = value;
}

void TLokata::SetDataRozpoczecia(TDateTime value) {
    if (fDataRozpoczecia != value)
        fDataRozpoczecia = value;
}

void TLokata::SetOkresLokaty(uint16_t value) {
    if (fOkresLokaty != value)
        fOkresLokaty = value;
}

void TLokata::SetIdHarmonogramLokaty(int32_t value) {
    if (fIdHarmonogramLokaty != value)
        fIdHarmonogramLokaty = value;
}

void TLokata::SetAktywna(bool value) {
    if (fAktywna != value)
        fAktywna = value;
}

void TLokata::SetZmiany(TTypModyfikacji value) {
    if (fZmiany != value)
        fZmiany = value;
}

uint32_t TLokata::OkresLokatyWDniach() const {
    return static_cast<uint32_t>(DaysBetween(SzacowanaDataZakonczenia(), fDataRozpoczecia));
}

QString TLokata::OkresLokatyString() const {
    return OkresTekst(fOkresLokaty, fJednostkaLokaty);
}

TDateTime TLokata::SzacowanaDataZakonczenia() const {
    return KoniecOkresu(fDataRozpoczecia, fOkresLokaty, fJednostkaLokaty);
}

int32_t TLokata::IloscDniDoZakonczenia() const {
    if (!fAktywna)
        return kDniNieaktywnej;
    const TDateTime teraz = Now();
    const TDateTime koniec = SzacowanaDataZakonczenia();
    if (CompareDateTime(teraz, koniec) < 0)
        return static_cast<int32_t>(DaysBetween(teraz, koniec) + 1);
    return static_cast<int32_t>(-DaysBetween(koniec, teraz));
}

bool TLokata::Zakonczona() const {
    return !fAktywna || IloscDniDoZakonczenia() <= 0;
}

bool TLokata::TSzacunek::TeSameDane(const TSzacunek& inny) const {
    return kwota == inny.kwota && stopa == inny.stopa && dni == inny.dni &&
           dlugoscOkresu == inny.dlugoscOkresu && zaokraglanie == inny.zaokraglanie;
}

// Values are compared bit for bit, so that a NaN amount is found again and
// -0 is not taken for 0.
double TLokata::ObliczSzacowanyZyskZLokaty(THarmonogramLokatyBankowej* harmonogram) const {
    if (harmonogram == nullptr)
        return 0;
    const uint32_t dni = fOkresLokaty * DniJednostkiSzacunku(fJednostkaLokaty);
    harmonogram->fIloscOkresowKapitalizacji = IloscOkresow(harmonogram->fKapitalizacja, dni);
    const double stopa = static_cast<double>(harmonogram->fOprocentowanieWSkaliRoku * kProcent);
    if (dni == 0)
        return 0;
    TSzacunek szacunek{std::bit_cast<uint64_t>(fKwota),
                       std::bit_cast<uint64_t>(stopa),
                       dni,
                       DlugoscOkresuKapitalizacji(harmonogram->fKapitalizacja),
                       std::fegetround(),
                       0};
    if (fOstatniSzacunek && fOstatniSzacunek->TeSameDane(szacunek))
        return fOstatniSzacunek->zysk;
    szacunek.zysk = SzacowanyZysk(fKwota, dni, stopa, szacunek.dlugoscOkresu);
    fOstatniSzacunek = szacunek;
    return szacunek.zysk;
}

std::optional<int64_t>
TLokata::OdsetkiNettoWgBanku(const THarmonogramLokatyBankowej* oferta) const {
    if (!oferta)
        return std::nullopt;
    const auto parametry =
        ParametryOferty(*oferta, fKwota, fDataRozpoczecia, fOkresLokaty, fJednostkaLokaty);
    if (!parametry)
        return std::nullopt;
    try {
        return THarmonogramOdsetek::Oblicz(*parametry, false).OdsetkiNetto();
    } catch (const std::overflow_error&) {
        return std::nullopt;
    }
}
