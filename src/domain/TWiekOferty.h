#pragma once
#include "domain/THarmonogramLokatyBankowej.h"
#include "platform/DateTimeUtils.h"

#include <QString>
#include <memory>
#include <vector>

// How old an offer's data is: the days since it was typed or imported
// (DataDodaniaModyfikacji), counted by calendar dates. Banks change their
// rates every few weeks, so an offer older than a number of days (a setting,
// 30 by default) is marked as possibly out of date.
class TWiekOferty {
public:
    static constexpr int kDomyslnyProg = 30;

    // Calendar days from the offer's date to today; 0 for an offer dated
    // today or (a clock set back) later.
    static int DniOdAktualizacji(TDateTime dataDodania, TDateTime dzis);
    static int DniOdAktualizacji(const THarmonogramLokatyBankowej& oferta, TDateTime dzis);
    // Older than `prog` days: an offer exactly `prog` days old is still current.
    static bool Nieaktualna(const THarmonogramLokatyBankowej& oferta, TDateTime dzis, int prog);
    // The offers of the catalogue (deleted ones left out) older than `prog` days.
    static int
    IleNieaktualnych(const std::vector<std::unique_ptr<THarmonogramLokatyBankowej>>& oferty,
                     TDateTime dzis, int prog);

    // The stale mark's tooltip: "dane sprzed 143 dni (2026-07-20) — sprawdź
    // aktualną ofertę banku" ("sprzed 1 dnia" for one day).
    static QString Podpowiedz(const THarmonogramLokatyBankowej& oferta, TDateTime dzis);
    // The age as a column shows it: "dziś", "1 dzień", "143 dni".
    static QString TekstWieku(int dni);
    // The offers tab's summary part: "starsze niż 30 dni: 5".
    static QString Podsumowanie(int ileNieaktualnych, int prog);
};
