#pragma once
#include <QHash>
#include <QString>
#include <QStringList>

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

    QStringList fNaglowki;
    // Spellings already placed, so that each spelling is compared only once.
    QHash<QString, int> fPisownie;
    // The last bank asked for: a sorted catalogue asks for one bank many times.
    QString fOstatni;
    int fOstatniaGrupa = -1;
};
