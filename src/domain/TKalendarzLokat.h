#pragma once
#include "domain/THarmonogramLokatyBankowej.h"
#include "domain/TLokata.h"
#include "platform/DateTimeUtils.h"

#include <QString>
#include <memory>
#include <vector>

// One deposit of the calendar with the estimate it was placed by.
struct TPozycjaKalendarza {
    TLokata* lokata = nullptr;
    // The offer the deposit follows; null when it has none (then no profit).
    THarmonogramLokatyBankowej* oferta = nullptr;
    TDateTime dataZakonczenia = 0;
    double szacowanyZysk = 0;
};

// The deposits ending in one calendar month, or those already past their end.
struct TMiesiacKalendarza {
    bool poTerminie = false;
    int rok = 0;
    int miesiac = 0;
    double kwota = 0;
    double szacowanyZysk = 0;
    std::vector<TPozycjaKalendarza> lokaty;

    int Ilosc() const { return static_cast<int>(lokaty.size()); }
    // "yyyy-MM", or "po terminie" for the group of overdue deposits.
    QString Klucz() const;
    // The month's heading in the calendar list: its name (or "Po terminie")
    // with the number of deposits, the amount and the estimated profit.
    QString Naglowek() const;

    // "grudzień 2026": the month's name as the formats give it, and the year.
    static QString NazwaMiesiaca(int rok, int miesiac);
};

// When the money comes back: the active deposits (deleted ones left out)
// grouped by the month of their estimated end date, each month with the
// number of deposits, the amount that frees up and the estimated net profit.
// A deposit whose end date lies before today goes to the group "po terminie",
// which comes first; the months follow in calendar order, each with its
// deposits by end date (then by id). A deposit without an offer counts its
// amount and no profit.
class TKalendarzLokat {
public:
    static const QString kPoTerminie;

    TKalendarzLokat(const std::vector<std::unique_ptr<TLokata>>& lokaty,
                    const std::vector<std::unique_ptr<THarmonogramLokatyBankowej>>& harmonogramy,
                    TDateTime dzis);

    const std::vector<TMiesiacKalendarza>& Miesiace() const { return fMiesiace; }
    bool Pusty() const { return fMiesiace.empty(); }
    // The deposits ending today or later (all but the overdue ones).
    int IloscNadchodzacych() const;
    TDateTime Dzis() const { return fDzis; }

    // `ile` months from the current one on, in order; a month without
    // deposits comes with no deposits and zero sums.
    std::vector<TMiesiacKalendarza> KolejneMiesiace(int ile) const;

private:
    TMiesiacKalendarza& Grupa(const TPozycjaKalendarza& pozycja);

    TDateTime fDzis;
    std::vector<TMiesiacKalendarza> fMiesiace;
};
