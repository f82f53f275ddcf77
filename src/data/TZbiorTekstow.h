#pragma once
#include "data/PorownanieTekstow.h"

#include <QCollator>
#include <QString>
#include <set>

// A set of texts distinct under the collation (PorownanieTekstow): a text
// that collates equal to one already added is not added again. Adding costs
// a logarithmic search by the collation, never a scan of the set.
class TZbiorTekstow {
public:
    explicit TZbiorTekstow(TWielkoscLiter tryb);
    TZbiorTekstow(const TZbiorTekstow&) = delete;
    TZbiorTekstow& operator=(const TZbiorTekstow&) = delete;

    // True when the text was new and has been added.
    bool Dodaj(const QString& tekst);

private:
    struct Mniejszy {
        const QCollator* kolator;
        bool operator()(const QString& a, const QString& b) const {
            return kolator->compare(a, b) < 0;
        }
    };

    QCollator fKolator;
    std::set<QString, Mniejszy> fTeksty;
};
