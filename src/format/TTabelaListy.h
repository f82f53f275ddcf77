#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

// A list as the user sees it, to be written out (a CSV file, a printout): its
// title, the column captions, the rows in the order shown with the heading of
// the group each is shown under, and the summary line under the list.
struct TTabelaListy {
    struct TWiersz {
        // The heading of the row's group; empty in a list without groups.
        QString grupa;
        QStringList komorki;
    };

    QString tytul;
    QStringList kolumny;
    // Columns shown right-aligned (numbers, amounts, dates); the rest left.
    QList<bool> doPrawej;
    // Whether the list shows its rows under group headings.
    bool grupy = false;
    std::vector<TWiersz> wiersze;
    // The counts and sums shown under the list; may be empty.
    QString podsumowanie;
};
