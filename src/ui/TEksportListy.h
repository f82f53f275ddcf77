#pragma once
#include "format/TTabelaListy.h"

#include <QString>

class TListaRaportowa;

// "Eksportuj do CSV…" and "Drukuj…" of the report lists: the list as the user
// sees it goes to a CSV file (TPlikCSV) or to the printer (TWydrukListy).
class TEksportListy {
public:
    // The captions of the list's menu items.
    static QString TytulEksportu();
    static QString TytulDruku();

    // The list as shown: its title, its columns, the rows in the order
    // shown with their group's heading (a name without the indent it has
    // under a heading), the summary line given.
    static TTabelaListy Tabela(const TListaRaportowa& lista, const QString& tytul,
                               const QString& podsumowanie);

    // Asks for the file through the file chooser, never taking the open data
    // file or another database, and writes the CSV file whole; says why when
    // it cannot.
    static void EksportujDoCSV(const TTabelaListy& tabela, const QString& plikDanych);
    // Prints through the print dialog; says so when printing fails.
    static void Drukuj(const TTabelaListy& tabela);
};
