#pragma once
#include "format/TKluczTekstu.h"

#include <QCollator>
#include <QHash>
#include <QString>
#include <QStringList>
#include <map>

// The banks of the offer list, one group each, in the order they first
// appear. A name that equals a known bank when letter case is ignored (by the
// collation of the data layer) belongs to that bank's group, which keeps the
// spelling that came first.
//
// A sorted catalogue brings its banks in the collation's order: while they
// come so, a new spelling is collated only with the last group's bank (equal
// joins that group, later opens a new one, as no earlier bank can equal it).
// The first spelling out of order makes the collation keys of every group.
class TGrupyBankow {
public:
    // The group of the bank, added when it is not known yet.
    int Grupa(const QString& bank);
    const QStringList& Naglowki() const { return fNaglowki; }

private:
    int GrupaPisowni(const QString& bank);
    // -1 when the bank comes before the last group's bank.
    int GrupaWKolejnosci(const QString& bank);
    int GrupaWedlugKlucza(const QString& bank);
    // The banks stopped coming in order: every group gets its key.
    void ZapamietajKluczeGrup();

    QCollator fKolator = KolatorTekstow(TWielkoscLiter::Ignoruj);
    QStringList fNaglowki;
    // Spellings already placed, so that each spelling is collated only once.
    QHash<QString, int> fPisownie;
    // The groups by the collation key (ignoring letter case) of their bank,
    // once a bank came out of order: a new spelling finds its group by
    // comparing keys, not by collating it with every known bank.
    std::map<TKluczTekstu, int> fGrupyKluczy;
    bool fWKolejnosci = true;
    // The last bank asked for: a sorted catalogue asks for one bank many times.
    QString fOstatni;
    int fOstatniaGrupa = -1;
};
