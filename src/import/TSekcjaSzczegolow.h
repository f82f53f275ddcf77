#pragma once
#include "import/TElementHTML.h"

#include <QHash>
#include <QString>
#include <optional>

// The hidden section of a bank's offer page: the block of detail boxes the
// rows point to by id. Finds the first box (a div) with a given id, without
// regard to case, in document order; the boxes are indexed on first use, so
// a page of many rows costs one walk of the section.
class TSekcjaSzczegolow {
public:
    explicit TSekcjaSzczegolow(TElementHTML sekcja) : fSekcja(sekcja) {}

    std::optional<TElementHTML> Ramka(const QString& id) const;

private:
    TElementHTML fSekcja;
    mutable std::optional<QHash<QString, TElementHTML>> fRamki;
};
