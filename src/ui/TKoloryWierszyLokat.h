#pragma once
#include "ui/TListaRaportowa.h"

#include <QPalette>

class TLokata;

// Row colours of the deposits window's lists.
class TKoloryWierszyLokat {
public:
    // An active deposit this many days or fewer from its end (or past it) is
    // highlighted.
    static constexpr int kDniDoWyroznienia = 7;

    static QColor TloKonczacejSie() { return QColor(209, 255, 160); }
    static QColor TloNieaktywnej() { return QColor(249, 249, 249); }
    // Grey that still reads 4.5 : 1 on the inactive background.
    static QColor TekstNieaktywnej() { return QColor(110, 110, 110); }
    static QColor TloParzystejOferty() { return QColor(220, 230, 241); }

    // A deposit row: system window colours for an active deposit (green
    // background when it ends soon), grey for an inactive one, system colours
    // for a row without a deposit.
    static TKoloryWiersza Lokaty(const TLokata* lokata, const QPalette& paleta);
    // An offer row by its index: even rows light blue, odd rows white.
    static TKoloryWiersza Harmonogramu(int indeks);
};
