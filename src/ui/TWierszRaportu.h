#pragma once
#include <QColor>
#include <QStringList>

// One row of a report list: its cell texts, the record it stands for (not
// owned) and the group it is shown under.
struct TWierszRaportu {
    QStringList komorki;
    void* rekord = nullptr;
    // Number of the group (in the list's group order); -1 in a list without groups.
    int grupa = -1;
    // Position among the rows in the order they were given; set by the list.
    int indeks = -1;
    // The check box, in a list whose rows have one.
    bool zaznaczony = false;
    // A note on the row: the first column then shows the list's note image
    // and the note as its tooltip. Empty for most rows.
    QString uwaga{};
};

// Colours of one row, chosen before the row is painted.
struct TKoloryWiersza {
    QColor tlo;
    QColor tekst;
};
