#pragma once
#include <QString>
#include <QStringList>

class TLokata;
class THarmonogramLokatyBankowej;

// The texts of the rows of the deposit list and of its summary,
// as the deposits window and the tools show them.
class TWierszeListLokat {
public:
    // Shown as the profit of a deposit that follows no offer.
    static QString TekstBrakuLokatyBankowej();
    // Shown as the days left of an inactive deposit.
    static QString TekstNieaktywnejLokaty();

    // The eight cells of a deposit row. `harmonogram` is the offer the
    // deposit follows (null when none is found), `zysk` its estimated profit.
    static QStringList KomorkiLokaty(const TLokata& lokata,
                                     const THarmonogramLokatyBankowej* harmonogram, double zysk);
    // The summary line under the deposit list.
    static QString Podsumowanie(int iloscAktywnych, double kwota, double zysk);
};
