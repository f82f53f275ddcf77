#include "format/TLiczbaDziesietna.h"

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace {

bool JestCyfra(QChar znak) {
    return znak >= u'0' && znak <= u'9';
}

bool JestOdstepem(QChar znak) {
    return znak == u' ' || znak == QChar(0x00A0);
}

// 10^wykladnik for 0 .. 38.
__int128 Potega10(int wykladnik) {
    __int128 wynik = 1;
    for (int i = 0; i < wykladnik; ++i)
        wynik *= 10;
    return wynik;
}

// Digits (only '0' .. '9') to a number; nothing when it exceeds int64.
std::optional<int64_t> Liczba(std::string_view cyfry) {
    int64_t wynik = 0;
    for (const char cyfra : cyfry) {
        if (__builtin_mul_overflow(wynik, int64_t{10}, &wynik) ||
            __builtin_add_overflow(wynik, int64_t{cyfra - '0'}, &wynik))
            return std::nullopt;
    }
    return wynik;
}

} // namespace

std::optional<TLiczbaDziesietna> TLiczbaDziesietna::ZTekstu(QStringView tekst) {
    tekst = tekst.trimmed();
    std::string calkowite, ulamek;
    bool poSeparatorze = false;
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        const QChar znak = tekst[i];
        if (JestCyfra(znak)) {
            (poSeparatorze ? ulamek : calkowite).push_back(static_cast<char>(znak.unicode()));
        } else if ((znak == u',' || znak == u'.') && !poSeparatorze) {
            poSeparatorze = true;
        } else if (!(JestOdstepem(znak) && !poSeparatorze && i > 0 && JestCyfra(tekst[i - 1]) &&
                     i + 1 < tekst.size() && JestCyfra(tekst[i + 1]))) {
            return std::nullopt;
        }
    }
    if (calkowite.empty() && ulamek.empty())
        return std::nullopt;
    return ZCyfr(calkowite, ulamek);
}

std::optional<TLiczbaDziesietna> TLiczbaDziesietna::ZLiczby(double wartosc) {
    if (!std::isfinite(wartosc) || wartosc < 0)
        return std::nullopt;
    // The shortest round-trip digits in fixed notation: at most 309 integer
    // digits or 1074 decimal places.
    char bufor[1100];
    const auto [koniec, blad] =
        std::to_chars(bufor, bufor + sizeof bufor, wartosc, std::chars_format::fixed);
    if (blad != std::errc())
        return std::nullopt;
    const std::string_view cyfry(bufor, koniec - bufor);
    const size_t kropka = cyfry.find('.');
    if (kropka == std::string_view::npos)
        return ZCyfr(cyfry, {});
    return ZCyfr(cyfry.substr(0, kropka), cyfry.substr(kropka + 1));
}

std::optional<TLiczbaDziesietna> TLiczbaDziesietna::ZCyfr(std::string_view calkowite,
                                                          std::string_view ulamek) {
    bool wGore = false;
    if (ulamek.size() > kNajwiecejMiejsc) {
        wGore = ulamek[kNajwiecejMiejsc] >= '5';
        ulamek = ulamek.substr(0, kNajwiecejMiejsc);
    }
    while (!wGore && !ulamek.empty() && ulamek.back() == '0')
        ulamek.remove_suffix(1);
    const auto czescCalkowita = Liczba(calkowite);
    const auto czescUlamkowa = Liczba(ulamek);
    const int miejsca = static_cast<int>(ulamek.size());
    int64_t licznik = 0;
    if (!czescCalkowita || !czescUlamkowa ||
        __builtin_mul_overflow(*czescCalkowita, static_cast<int64_t>(Potega10(miejsca)),
                               &licznik) ||
        __builtin_add_overflow(licznik, *czescUlamkowa + (wGore ? 1 : 0), &licznik))
        return std::nullopt;
    return TLiczbaDziesietna(licznik, miejsca);
}

std::optional<int64_t> TLiczbaDziesietna::WSkali(int miejsca) const {
    if (miejsca >= fMiejsca) {
        int64_t wynik = 0;
        if (miejsca - fMiejsca > kNajwiecejMiejsc ||
            __builtin_mul_overflow(fLicznik, static_cast<int64_t>(Potega10(miejsca - fMiejsca)),
                                   &wynik))
            return fLicznik == 0 ? std::optional<int64_t>(0) : std::nullopt;
        return wynik;
    }
    const __int128 dzielnik = Potega10(fMiejsca - miejsca);
    const __int128 reszta = fLicznik % dzielnik;
    return static_cast<int64_t>(fLicznik / dzielnik + (reszta >= dzielnik - reszta ? 1 : 0));
}
