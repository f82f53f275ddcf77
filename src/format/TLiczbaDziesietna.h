#pragma once
#include <QStringView>
#include <cstdint>
#include <optional>
#include <string_view>

// A non-negative decimal number held exactly: Licznik / 10^Miejsca. Amounts
// and rates are computed with it where no binary rounding may creep in
// (interest to the grosz): "4,55" stays 455 / 100, not the double nearest it.
class TLiczbaDziesietna {
public:
    // At most this many decimal places are kept (10^18 still fits Licznik).
    static constexpr int kNajwiecejMiejsc = 18;

    TLiczbaDziesietna() = default;

    // "4,55", "4.55", "10 000", "0,5": digits (blanks allowed between them)
    // with at most one decimal comma or point; nothing for any other text or
    // a number too large to hold.
    static std::optional<TLiczbaDziesietna> ZTekstu(QStringView tekst);

    // The shortest decimal that reads back to the same double, i.e. what was
    // typed before the value was stored as a double (4.55, not
    // 4.54999999999999982236431605997495353221893310546875); nothing for a
    // negative, infinite or NaN value or one too large to hold. Places beyond
    // kNajwiecejMiejsc are rounded half up.
    static std::optional<TLiczbaDziesietna> ZLiczby(double wartosc);

    int64_t Licznik() const { return fLicznik; }
    int Miejsca() const { return fMiejsca; }

    // The number times 10^miejsca, rounded half up to a whole number
    // (W(2) of an amount: its grosze); nothing when it does not fit.
    std::optional<int64_t> WSkali(int miejsca) const;

private:
    TLiczbaDziesietna(int64_t licznik, int miejsca) : fLicznik(licznik), fMiejsca(miejsca) {}

    static std::optional<TLiczbaDziesietna> ZCyfr(std::string_view calkowite,
                                                  std::string_view ulamek);

    int64_t fLicznik = 0;
    int fMiejsca = 0;
};
