#pragma once
#include "app/TDaneLokaty.h"

#include <QString>
#include <QStringList>
#include <optional>

// What the deposit editor opens with: its caption and heading, the offers to
// choose from and the deposit's values.
struct TWypelnienieEdytoraLokaty {
    QString tytul; // empty: the editor keeps its own caption
    QString naglowek;
    QStringList opisyHarmonogramow;
    QString nazwa;
    double kwota = 0;
    TDateTime dataRozpoczecia = 0;
    int okres = 0;
    TJednostkaOkresu jednostka = TJednostkaOkresu::Brak;
    QString opisHarmonogramu; // the offer chosen; empty for none
};

// The deposit editor as the deposit commands see it: shown modally, filled
// as asked; the values the user left when closing it with OK, nothing when
// it was cancelled. The commands check the values themselves.
class IEdytorLokaty {
public:
    virtual ~IEdytorLokaty() = default;
    virtual std::optional<TDaneLokaty> Pokaz(const TWypelnienieEdytoraLokaty& wypelnienie) = 0;
};
