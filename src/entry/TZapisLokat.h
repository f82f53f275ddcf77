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
//
// Closed any other way, the showing drops the profit of an ended deposit
// that the user added to a savings balance: the deposit stays active in the
// file, so the profit must not reach it either, or it could be added again.
// The savings list is read back from its table (the module changes savings
// only by such profits, and the host saves its savings before it shows the
// module, so the table holds the balances from before the showing, or from
// before the first of the showings that retried a failed save), and the map
// of profits waiting to be booked as income is emptied.
class TZapisLokat {
public:
    explicit TZapisLokat(TProjektDB& projekt);

    // "Zapisz i zamknij": writes what changed; empties the lists once it is written.
    void Zapisz();
    // Empties the lists.
    void Porzuc();
    // Closed without saving: empties the lists and drops the profits.
    void OdrzucZmiany();

private:
    bool ZapiszTabele(TTabele tabela);
    void PrzeczytajZapisaneLokaty();

    TProjektDB& fProjekt;
};
