#pragma once
#include "data/TTabele.h"

#include <QString>
#include <cstdint>
#include <map>
#include <optional>

class TProjektDB;

// What the end of a showing writes and what it leaves in the collections.
//
// "Zapisz i zamknij" makes a backup of the data file, then writes the
// deposits, the offers and the savings a profit was added to in one
// transaction. When it committed, or the window was closed any other way
// (nothing is written then), both lists are emptied and the change flag is
// cleared, so that the next showing starts from the database.
//
// When the backup or any statement fails, nothing reaches the file: the user
// is told which list failed and why, the lists keep their records with their
// change marks, and the change flag stays set, so the next showing loads no
// offers over them and "Zapisz i zamknij" tries again.
//
// Closed any other way, the showing drops the profit of an ended deposit
// that the user added to a savings balance: the deposit stays active in the
// file, so the profit must not reach it either, or it could be added again.
// The savings list is read back from its table (the module changes savings
// only by such profits, and the host saves its savings before it shows the
// module, so the table holds the balances from before the showing, or from
// before the first of the showings that retried a failed save), and the map
// of profits waiting to be booked as income is emptied.
//
// "Zapisz" writes the same way and keeps the window open; the lists are read
// back from the file. What it wrote stays written: closing without saving
// afterwards drops only the later changes, and the profits it stored in
// savings stay waiting to be booked as income.
class TZapisLokat {
public:
    explicit TZapisLokat(TProjektDB& projekt);

    // "Zapisz i zamknij": writes what changed; empties the lists once it is written.
    void Zapisz();
    // "Zapisz": writes what changed and reads the lists back, so that every
    // record carries the id the file gave it. Returns the ids the deposits
    // added since the last save got, by their provisional ids; nothing when
    // the save failed (the user was told, the changes stay in the lists).
    std::optional<std::map<int32_t, int32_t>> ZapiszIZostaw();
    // Empties the lists.
    void Porzuc();
    // Closed without saving: empties the lists and drops the profits.
    void OdrzucZmiany();

private:
    // The one transaction of both saves; false (the user told) when nothing
    // was written.
    bool ZapiszListy(const QString& coDalej);
    void OdswiezPoZapisie(TTabele tabela);

    TProjektDB& fProjekt;
    // The profits waiting to be booked as of the last "Zapisz", if any.
    std::optional<std::map<int32_t, double>> fZapisaneZyski;
};
