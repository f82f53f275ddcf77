#pragma once
#include "app/TPropozycjaZysku.h"
#include "format/TTabDwuwymiarowa.h"

#include <QString>
#include <cstdint>
#include <optional>

// Where the profit of an ended deposit went: the savings and the amount (0
// when none was added).
struct TZyskZakonczonej {
    int32_t idOszczednosci = -1;
    double kwota = 0;
};

// The profit dialog of an ended deposit as the end command sees it: shown
// modally with the proposed profit and the savings (rows of id, description,
// amount); the savings and the amount the user chose with "Dodaj", nothing
// when no profit is to be added.
class IDialogZyskuZLokaty {
public:
    virtual ~IDialogZyskuZLokaty() = default;
    virtual std::optional<TZyskZakonczonej> Pokaz(const QString& nazwaLokaty,
                                                  const TPropozycjaZysku& propozycja,
                                                  const TTabDwuwymiarowa& oszczednosci) = 0;
};
