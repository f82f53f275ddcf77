#pragma once
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
    // Texts of a value formatted by `formatuj`, kept in `teksty`; values
    // that are not finite are formatted every time.
    template <class Formatowanie>
    static QString Tekst(QHash<double, QString>& teksty, double wartosc, Formatowanie formatuj);

    QHash<double, QString> fProcenty;
    QHash<double, QString> fKwotyMinimalne;
    QHash<double, QString> fKwotyMaksymalne;
    QHash<quint64, QString> fOkresy;
};
