#pragma once
#include <QList>
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

    // The headings of the list's two groups: the active deposits, then the
    // others.
    static QStringList NaglowkiGrup();
    // The cells of a deposit row that the calendar list shows, in its order
    // (name, amount, end date, profit, days left, offer); from the titles
    // of the deposit list, the calendar's titles.
    static QStringList KolumnyKalendarza(const QStringList& komorkiLokaty);
    // Columns of the calendar list shown left-aligned: the name and the offer.
    static QList<bool> KalendarzDoPrawej();

    // The eight cells of a deposit row. `harmonogram` is the offer the
    // deposit follows (null when none is found), `zysk` its estimated profit.
    static QStringList KomorkiLokaty(const TLokata& lokata,
                                     const THarmonogramLokatyBankowej* harmonogram, double zysk);
    // The summary line under the deposit list.
    static QString Podsumowanie(int iloscAktywnych, double kwota, double zysk);
};
