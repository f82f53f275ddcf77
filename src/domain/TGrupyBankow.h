#pragma once
#include "domain/TKluczTekstu.h"

#include <QCollator>
#include <QHash>
#include <QString>
#include <QStringList>
#include <map>

// The banks of the offer list, one group each, in the order they first
// appear. A name that equals a known bank when letter case is ignored (by the
// collation of the data layer) belongs to that bank's group, which keeps the
// spelling that came first.
class TGrupyBankow {
public:
    // The group of the bank, added when it is not known yet.
    int Grupa(const QString& bank);
    const QStringList& Naglowki() const { return fNaglowki; }

private:
    int GrupaPisowni(const QString& bank);

    QCollator fKolator = KolatorTekstow(TWielkoscLiter::Ignoruj);
    QStringList fNaglowki;
    // Spellings already placed, so that each spelling is collated only once.
    QHash<QString, int> fPisownie;
    // The groups by the collation key (ignoring letter case) of their bank:
    // a new spelling finds its group by comparing keys, not by collating it
    // with every known bank.
    std::map<TKluczTekstu, int> fGrupyKluczy;
    // The last bank asked for: a sorted catalogue asks for one bank many times.
    QString fOstatni;
    int fOstatniaGrupa = -1;
};
