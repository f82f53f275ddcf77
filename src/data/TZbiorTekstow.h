#pragma once
#include "data/PorownanieTekstow.h"

#include <QCollatorSortKey>
#include <QSet>
#include <QString>
#include <set>

// A set of texts distinct under the collation (PorownanieTekstow): a text
// that collates equal to one already added is not added again. Lookups cost
// a logarithmic search over collation keys, never a scan of the set.
class TZbiorTekstow {
public:
    explicit TZbiorTekstow(TWielkoscLiter tryb);

    // True when the text was new and has been added.
    bool Dodaj(const QString& tekst);

private:
    struct MniejszyKlucz {
        bool operator()(const QCollatorSortKey& a, const QCollatorSortKey& b) const {
            return a.compare(b) < 0;
        }
    };

    QCollator fKolator;
    QSet<QString> fDokladne; // texts seen, spelled exactly: skip collating repeats
    std::set<QCollatorSortKey, MniejszyKlucz> fKlucze;
};
