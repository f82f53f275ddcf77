#pragma once
#include "domain/THarmonogramLokatyBankowej.h"
#include "domain/THarmonogramOdsetek.h"

#include <QString>
#include <memory>
#include <optional>
#include <vector>

class TLokata;

// What the user wants to place: an amount from a start day, optionally for
// about a term (okres units, give or take tolerancja units), whether an
// offer may require a personal account in its bank, and how old (in days
// since it was typed or imported, counted to today) an offer may be.
struct TKryteriaRankingu {
    double kwota = 0;
    TDateTime start = 0;
    uint16_t okres = 0;
    TJednostkaOkresu jednostka = TJednostkaOkresu::Brak; // Brak: any term
    uint16_t tolerancja = 0;
    bool kontoOsobisteDozwolone = true;
    std::optional<int> maksymalnyWiekOferty; // none: any age
};

// One ranked offer: the estimate that the deposit list shows for it and the
// bank-exact totals of its term (none when they leave the computable range).
struct TPozycjaRankingu {
    THarmonogramLokatyBankowej* oferta = nullptr;
    double szacowanyZysk = 0;
    std::optional<THarmonogramOdsetek> dokladnie;
    // The exact totals' net yield per year; 0 without them.
    double rentownosc = 0;
};

// The catalogue's offers ranked for an amount: those not deleted that accept
// the amount (minimum up to it, maximum 0 or from it), fit the term and the
// account choice and are not too old, best net yield per year first, then the larger net
// interest, then the lower id.
class TRankingOfert {
public:
    TRankingOfert(const std::vector<std::unique_ptr<THarmonogramLokatyBankowej>>& oferty,
                  const TKryteriaRankingu& kryteria);

    const std::vector<TPozycjaRankingu>& Pozycje() const { return fPozycje; }

    // Why the ranking is empty, in words for the user; empty when it is not.
    const QString& PowodBrakuOfert() const { return fPowodBrakuOfert; }

    // The deposit an offer would be for the criteria: the amount in grosze,
    // the start, the offer's term, rate and capitalisation; nothing when the
    // amount or the rate cannot be held exactly.
    static std::optional<TParametryHarmonogramu> Parametry(const THarmonogramLokatyBankowej& oferta,
                                                           const TKryteriaRankingu& kryteria);

private:
    // How far an offer got through the filters, in their order.
    enum class TEtap { Usunieta, BezOkresu, Kwota, Okres, Konto, Wiek, Przyjeta };

    TEtap Etap(const THarmonogramLokatyBankowej& oferta) const;
    TPozycjaRankingu Pozycja(THarmonogramLokatyBankowej& oferta, TLokata& lokata) const;
    QString Powod(TEtap najdalej) const;
    QString OpisOkresu() const;

    TKryteriaRankingu fKryteria;
    std::vector<TPozycjaRankingu> fPozycje;
    QString fPowodBrakuOfert;
};
