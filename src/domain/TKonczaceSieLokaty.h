#pragma once
#include "domain/TLokata.h"
#include "platform/DateTimeUtils.h"

#include <QString>
#include <memory>
#include <vector>

// The active deposits (deleted ones left out) that need the user soon: those
// whose estimated end date has passed ("po terminie": it lies before today)
// and those ending today or within the next `dni` days (a setting, 7 by
// default). Days count by calendar dates, as the calendar counts them.
class TKonczaceSieLokaty {
public:
    static constexpr int kDomyslnieDni = 7;

    TKonczaceSieLokaty(const std::vector<std::unique_ptr<TLokata>>& lokaty, TDateTime dzis,
                       int dni);

    int Dni() const { return fDni; }
    // Earliest end first (then by id).
    const std::vector<const TLokata*>& PoTerminie() const { return fPoTerminie; }
    const std::vector<const TLokata*>& Konczace() const { return fKonczace; }
    // Both, the overdue ones first.
    std::vector<const TLokata*> Wszystkie() const;
    bool Puste() const { return fPoTerminie.empty() && fKonczace.empty(); }

    // Calendar days from today to the deposit's estimated end date: 0 for a
    // deposit ending today, negative after its end.
    static int DniDoKonca(const TLokata& lokata, TDateTime dzis);

    // The bar's text: "Lokaty po terminie: 2,   kończące się w ciągu 7 dni: 3";
    // empty when there are none.
    QString Tekst() const;
    // "Brak lokat po terminie i kończących się w ciągu 7 dni."
    QString TekstBraku() const;

private:
    QString WCiaguDni() const;

    int fDni;
    std::vector<const TLokata*> fPoTerminie;
    std::vector<const TLokata*> fKonczace;
};
