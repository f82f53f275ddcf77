#pragma once
#include "domain/THarmonogramLokatyBankowej.h"
#include "domain/TKursEUR.h"
#include "domain/TLokata.h"
#include "domain/TPolaczoneBanki.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

// The user's active deposits in one institution (or those that follow no
// offer, which belong to no bank).
struct TSumaBanku {
    // The bank's name as its offers spell it; the names of an institution
    // joined by the user, in text order, separated by " / ".
    QString bank;
    int liczbaLokat = 0;
    double kwota = 0;
    // The estimated profits as the deposit list shows them (exact, not rounded).
    double szacowanyZysk = 0;
    std::vector<const TLokata*> lokaty;

    double Razem() const { return kwota + szacowanyZysk; }
};

// How much of the household's money in each bank the deposit guarantee of the
// Bankowy Fundusz Gwarancyjny covers: up to 100,000 EUR per depositor and
// bank, turned into złoty at the euro's mid rate.
//
// Per institution (the offer's bank, names compared as the offer list groups
// its banks, brands joined by the user's pairs) the sum over the active
// deposits (deleted and inactive ones left out) of the amount and the
// estimated profit the deposit list shows. A deposit whose offer is not in
// the catalogue belongs to no bank: it is summed apart and never compared
// with the limit. Amounts are compared with the limit to the grosz: a bank
// exactly at the limit is not over it.
class TGwarancjeBFG {
public:
    static constexpr double kLimitEUR = 100000;
    static const QString kBezPrzypisanegoBanku;

    TGwarancjeBFG(const std::vector<std::unique_ptr<TLokata>>& lokaty,
                  const std::vector<std::unique_ptr<THarmonogramLokatyBankowej>>& oferty,
                  const std::vector<TParaBankow>& polaczoneBanki, const TKursEUR& kurs);

    const TKursEUR& Kurs() const { return fKurs; }
    // 100,000 × the rate, in złoty rounded to the grosz.
    double Limit() const { return fLimit; }
    // The institutions with active deposits, the largest sum first (equal
    // sums by name).
    const std::vector<TSumaBanku>& Banki() const { return fBanki; }
    // The deposits without an offer; nothing when there are none.
    const std::optional<TSumaBanku>& BezBanku() const { return fBezBanku; }

    // How much the sum is over the limit, to the grosz; 0 when it is not.
    double Nadwyzka(double razem) const;
    double Nadwyzka(const TSumaBanku& suma) const { return Nadwyzka(suma.Razem()); }
    // The institutions over the limit, in the order of Banki().
    std::vector<const TSumaBanku*> PonadLimitem() const;

    // "W banku X: 512 300,00 zł — o 86 000,00 zł ponad gwarancję BFG
    // (100 000 EUR ≈ 426 300,00 zł, kurs NBP z 2026-12-09)".
    QString TekstOstrzezenia(const TSumaBanku& suma) const;
    // One such line per institution over the limit; empty when none is.
    QStringList Ostrzezenia() const;
    // What the warning lines' tooltip explains.
    static QString PodpowiedzOstrzezen();

    // How much the bank's institution would be over the limit with `kwota`
    // more in it (a new deposit with its estimated profit, say); 0 when not.
    double NadwyzkaPoDodaniu(const QString& bank, double kwota) const;
    // "Po założeniu tej lokaty w banku X: 512 300,00 zł — o 86 000,00 zł
    // ponad gwarancję BFG"; empty when the bank stays within the limit.
    QString TekstNadwyzkiPoDodaniu(const QString& bank, double kwota) const;

    // "100 000 EUR ≈ 426 300,00 zł, kurs NBP z 2026-12-09".
    QString OpisLimitu() const;

private:
    TSumaBanku& SumaInstytucji(int instytucja);
    void Uporzadkuj();
    const TSumaBanku* ZnajdzSume(const QString& bank) const;

    TKursEUR fKurs;
    double fLimit;
    std::vector<TSumaBanku> fBanki;
    std::optional<TSumaBanku> fBezBanku;
    // The institution of each entry of fBanki, to find a bank's sum by name.
    std::vector<int> fInstytucje;
    // The spellings of each entry of fBanki, joined into its name at the end.
    std::vector<QStringList> fNazwy;
    mutable TPolaczoneBanki fPolaczone;
};
