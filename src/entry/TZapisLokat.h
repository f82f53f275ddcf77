#pragma once
#include "data/TTabele.h"

class TProjektDB;

// What the end of a showing writes and what it leaves in the collections.
//
// "Zapisz i zamknij" writes the deposits, then the offers, each list in a
// transaction of its own. When both were written, or the window was closed
// any other way (nothing is written then), both lists are emptied and the
// change flag is cleared, so that the next showing starts from the database.
//
// A list that could not be written (its batch failed and was rolled back, it
// was skipped because a transaction was open, or its statements could not be
// built) is not dropped: the user is told which list was not saved, the list
// keeps its records with their change marks, and the change flag stays set,
// so the next showing loads no offers over them and "Zapisz i zamknij" tries
// again. When the deposits fail, the offers are not written either: the
// database keeps its state from before the showing, and no offer is deleted
// while a stored deposit still follows it. When the deposits were written but
// the offers failed, the deposits list is read back from its table, so that it
// holds the stored rows (with the ids the database gave and no change marks)
// and no deposit is written twice by the next save.
class TZapisLokat {
public:
    explicit TZapisLokat(TProjektDB& projekt);

    void Zapisz();
    void Porzuc();

private:
    bool ZapiszTabele(TTabele tabela);
    void PrzeczytajZapisaneLokaty();

    TProjektDB& fProjekt;
};
