#pragma once
// What the deposit editor collects, the checks the deposit commands run on it
// after the editor closed with OK, and how it is written into a deposit. No
// window is needed for any of it.
#include "domain/TJednostkaOkresu.h"
#include "platform/DateTimeUtils.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class TLokata;

// The values of the deposit editor as the user left them.
struct TDaneLokaty {
    QString nazwa;
    QString tekstKwoty; // the amount as typed
    TDateTime dataRozpoczecia = 0;
    int okresLokaty = 0;
    TJednostkaOkresu jednostka = TJednostkaOkresu::Brak;
    QString opisHarmonogramu; // the chosen offer's text; empty when none
};

// The first check that failed, in the order the checks run.
enum class TBladDanychLokaty : int8_t { Brak, Kwota, Okres, Nazwa };

struct TSprawdzoneDaneLokaty {
    TBladDanychLokaty blad = TBladDanychLokaty::Brak;
    double kwota = 0; // read from the typed text and rounded to cents
    QString nazwa;    // cleaned
};

// The checks after OK, in order: the amount rounded to cents must be above 0,
// the period must not be 0, the cleaned name must not be blank.
TSprawdzoneDaneLokaty SprawdzDaneLokaty(const TDaneLokaty& dane);

// A name typed by the user as it is stored: without | ' " ; and the other
// characters a name may not hold, without leading blanks, runs of blanks made
// single when the text held two blanks in a row. Trailing blanks stay.
QString OczyscNazwe(const QString& tekst);

// The id for a new deposit: 1 for the first one, otherwise the highest id of
// all deposits (deleted ones included) plus 1000.
int32_t NoweIdLokaty(const std::vector<std::unique_ptr<TLokata>>& lokaty);

// Writes the checked values into the deposit: name, amount, period, unit,
// start and offer. Neither the activity nor the change kind is touched.
void ZapiszDaneWLokacie(TLokata& lokata, const TDaneLokaty& dane,
                        const TSprawdzoneDaneLokaty& sprawdzone, int32_t idHarmonogramu);
