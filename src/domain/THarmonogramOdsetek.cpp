#include "domain/THarmonogramOdsetek.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

using Uint128 = unsigned __int128;

constexpr int64_t kStawkaPodatkuProcent = 19;

const char* const kPozaZakresem =
    "Kwota lokaty z odsetkami przekracza zakres, w którym można je policzyć co do grosza.";

[[noreturn]] void PozaZakresem() {
    throw std::overflow_error(kPozaZakresem);
}

int64_t Dzien(TDateTime data) {
    return static_cast<int64_t>(std::floor(data));
}

// Months between capitalisation dates; 0 for daily capitalisation and for
// a single capitalisation at the end of the term.
int MiesiaceOkresu(TKapitalizacja kapitalizacja) {
    switch (kapitalizacja) {
    case TKapitalizacja::Miesieczna:
        return 1;
    case TKapitalizacja::Kwartalna:
        return 3;
    case TKapitalizacja::Polroczna:
        return 6;
    case TKapitalizacja::Roczna:
        return 12;
    default:
        return 0;
    }
}

// The k-th capitalisation date, counted from the start (not from the
// previous date, so 31 January gives 29 February and then 31 March); the
// end of the term when it comes later.
int64_t GranicaOkresu(const TParametryHarmonogramu& p, int64_t poczatek, int64_t koniec,
                      int64_t k) {
    if (p.kapitalizacja == TKapitalizacja::Dzienna)
        return std::min(poczatek + k, koniec);
    const int miesiace = MiesiaceOkresu(p.kapitalizacja);
    if (miesiace == 0)
        return koniec;
    const TDateTime data =
        IncMonth(static_cast<TDateTime>(poczatek), static_cast<int>(k * miesiace));
    return std::min(Dzien(data), koniec);
}

// 10^wykladnik for 0 .. 38.
Uint128 Potega10(int wykladnik) {
    Uint128 wynik = 1;
    for (int i = 0; i < wykladnik; ++i)
        wynik *= 10;
    return wynik;
}

// licznik / mianownik rounded half up; the 64-bit division when both fit.
Uint128 PodzielZaokraglij(Uint128 licznik, Uint128 mianownik) {
    if ((licznik >> 64) == 0 && (mianownik >> 64) == 0) {
        const uint64_t l = static_cast<uint64_t>(licznik), m = static_cast<uint64_t>(mianownik);
        const uint64_t reszta = l % m;
        return l / m + (reszta >= m - reszta ? 1 : 0);
    }
    const Uint128 reszta = licznik % mianownik;
    return licznik / mianownik + (reszta >= mianownik - reszta ? 1 : 0);
}

// 19 % of the gross interest, rounded up to the grosz; in 64 bits with
// constant divisors (whole hundreds apart from the rest), as it runs for
// every day of a daily capitalisation.
int64_t PodatekOdOdsetek(int64_t brutto) {
    return brutto / 100 * kStawkaPodatkuProcent + (brutto % 100 * kStawkaPodatkuProcent + 99) / 100;
}

} // namespace

THarmonogramOdsetek THarmonogramOdsetek::Oblicz(const TParametryHarmonogramu& parametry,
                                                bool zOkresami) {
    if (parametry.kwota < 0)
        PozaZakresem();
    THarmonogramOdsetek harmonogram;
    const int64_t poczatek = Dzien(parametry.start);
    // A term without a unit ends where it starts.
    const int64_t koniec =
        std::max(poczatek, Dzien(KoniecOkresu(static_cast<TDateTime>(poczatek), parametry.okres,
                                              parametry.jednostka)));
    harmonogram.fKwota = parametry.kwota;
    harmonogram.fMianownik = Potega10(parametry.oprocentowanie.Miejsca() + 2) *
                             static_cast<Uint128>(std::max(parametry.podstawa, 1));
    harmonogram.fDataZakonczenia = static_cast<TDateTime>(koniec);
    harmonogram.fDni = static_cast<int32_t>(koniec - poczatek);
    int64_t od = poczatek;
    for (int64_t k = 1; od < koniec; ++k) {
        const int64_t granica = GranicaOkresu(parametry, poczatek, koniec, k);
        harmonogram.DodajOkres(od, granica, parametry, zOkresami);
        od = granica;
    }
    return harmonogram;
}

int64_t THarmonogramOdsetek::OdsetkiBruttoOkresu(int32_t dni,
                                                 const TParametryHarmonogramu& parametry) const {
    // capital × (rate / 10^places) / 100 × days / basis, one division at the
    // end. The product of two 64-bit factors always fits 128 bits.
    uint64_t stopaRazyDni = 0;
    if (__builtin_mul_overflow(static_cast<uint64_t>(parametry.oprocentowanie.Licznik()),
                               static_cast<uint64_t>(dni), &stopaRazyDni))
        PozaZakresem();
    const Uint128 licznik = static_cast<Uint128>(KwotaKoncowa()) * stopaRazyDni;
    const Uint128 brutto = PodzielZaokraglij(licznik, fMianownik);
    if (brutto > static_cast<Uint128>(INT64_MAX))
        PozaZakresem();
    return static_cast<int64_t>(brutto);
}

void THarmonogramOdsetek::DodajOkres(int64_t od, int64_t doDnia,
                                     const TParametryHarmonogramu& parametry, bool zOkresami) {
    TOkresOdsetkowy okres;
    okres.dni = static_cast<int32_t>(doDnia - od);
    okres.odsetkiBrutto = OdsetkiBruttoOkresu(okres.dni, parametry);
    okres.podatek = PodatekOdOdsetek(okres.odsetkiBrutto);
    okres.odsetkiNetto = okres.odsetkiBrutto - okres.podatek;
    if (__builtin_add_overflow(fOdsetkiBrutto, okres.odsetkiBrutto, &fOdsetkiBrutto) ||
        __builtin_add_overflow(fOdsetkiNetto, okres.odsetkiNetto, &fOdsetkiNetto) ||
        __builtin_add_overflow(fKwota, fOdsetkiNetto, &okres.kapital))
        PozaZakresem();
    fPodatek += okres.podatek;
    if (!zOkresami)
        return;
    if (static_cast<int64_t>(fOkresy.size()) >= kNajwiecejOkresow)
        throw std::length_error("Harmonogram miałby więcej niż 100 000 okresów kapitalizacji.");
    okres.od = static_cast<TDateTime>(od);
    okres.do_ = static_cast<TDateTime>(doDnia);
    fOkresy.push_back(okres);
}

double THarmonogramOdsetek::RentownoscNettoRoczna() const {
    if (fDni <= 0 || fKwota <= 0)
        return 0;
    return static_cast<double>(fOdsetkiNetto) / static_cast<double>(fKwota) * 365 / fDni * 100;
}
