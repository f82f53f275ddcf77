#pragma once
#include "format/TTekstyLiczb.h"

#include <QHash>
#include <QString>
#include <QStringList>

class THarmonogramLokatyBankowej;

// The eleven cells of the offer list's rows. The offers of a catalogue share
// a few rates, amounts and terms, so each distinct value is formatted once
// for the rows made with one instance; make a new one for each filling, as
// the format settings may change in between.
class TKomorkiHarmonogramow {
public:
    QStringList Komorki(const THarmonogramLokatyBankowej& harmonogram);

private:
    TTekstyLiczb fProcenty;
    TTekstyLiczb fKwotyMinimalne;
    TTekstyLiczb fKwotyMaksymalne;
    QHash<quint64, QString> fOkresy;
};
