#pragma once
#include "format/PorownanieTekstow.h"
#include "format/TKluczTekstu.h"

#include <QCollator>
#include <QString>
#include <cstdint>
#include <set>
#include <vector>

// A set of texts distinct under the collation (PorownanieTekstow): a text
// that collates equal to one already added is not added again.
//
// Under the Polish collation, texts made only of printable ASCII and Polish
// letters collate equal exactly when they are identical (ignoring letter
// case: when their lower-case forms are identical), so while every text added
// is of that kind, adding costs a hash lookup and no collation at all. The
// first other text moves the set to a search by collation keys: each text
// added is collated once, and its key compared with a logarithmic number of
// others.
class TZbiorTekstow {
public:
    explicit TZbiorTekstow(TWielkoscLiter tryb);
    TZbiorTekstow(const TZbiorTekstow&) = delete;
    TZbiorTekstow& operator=(const TZbiorTekstow&) = delete;

    // True when the text was new and has been added.
    bool Dodaj(const QString& tekst);

private:
    // The hash of the text's simple form (lower case when ignoring letter
    // case); false when the text holds a character outside the set above.
    bool HashProsty(const QString& tekst, size_t& hash) const;
    bool RowneProste(const QString& a, const QString& b) const;
    bool DodajProsty(const QString& tekst, size_t hash);
    void PowiekszSloty();
    void PrzejdzNaKolacje();

    TWielkoscLiter fTryb;
    QCollator fKolator;
    bool fProste;
    // Open addressing over the simple texts: each slot holds 1 + the index
    // of a text in fDodane (0 when empty); fHashe[i] is the hash of fDodane[i].
    std::vector<uint32_t> fSloty;
    std::vector<QString> fDodane;
    std::vector<size_t> fHashe;
    std::set<TKluczTekstu> fTeksty;
};
