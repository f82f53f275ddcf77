#pragma once
#include "format/PorownanieTekstow.h"

#include <QCollatorSortKey>
#include <QString>

// A text's place in the collation of PorownanieTekstow, computed once: two
// keys compare exactly as PorownajTeksty compares their texts, but without
// the collator, so sorting or grouping n texts collates each text once
// instead of once per comparison.
//
// The collator puts an empty text before every other one, even before a text
// of characters the collation ignores (a zero-width space, a control
// character), whose collation key equals the empty text's; the key keeps
// that order.
class TKluczTekstu {
public:
    TKluczTekstu(const QString& tekst, TWielkoscLiter tryb);
    // With the collator of KolatorTekstow, fetched once for many texts; keys
    // compare only with keys made by the same collator.
    TKluczTekstu(const QString& tekst, const QCollator& kolator);

    // -1, 0 or 1, as PorownajTeksty for the two texts.
    int Porownaj(const TKluczTekstu& inny) const;
    bool operator<(const TKluczTekstu& inny) const { return Porownaj(inny) < 0; }

private:
    bool fPusty;
    QCollatorSortKey fKlucz;
};
