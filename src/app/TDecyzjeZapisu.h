#pragma once
#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>

class TKolekcjeDanych;
class TProjektDB;

// The decisions around saving the deposits window's lists: whether the save
// that keeps the window open is possible, whether the offers must be saved
// before a deposit may refer to one, and whether the window may close without
// saving. Nothing is written to the file while the window is open, except
// through the host's in-place save.
class TDecyzjeZapisu {
public:
    // The host's in-place save: the ids the file gave the deposits added
    // since the last save, by their provisional ids, or nothing when it
    // failed (the user was told).
    using TNoweId = std::map<int32_t, int32_t>;
    using TZapisWMiejscu = std::function<std::optional<TNoweId>()>;

    // `projekt` is read at every decision (the window's project may change);
    // `zapiszWOknie` is the window's whole in-place save (the file written,
    // the lists read back): true when it succeeded.
    TDecyzjeZapisu(TProjektDB* const& projekt, std::function<bool()> zapiszWOknie);

    void UstawZapisWMiejscu(TZapisWMiejscu zapis);
    // The host offers the in-place save (the window shows "Zapisz").
    bool JestZapisWMiejscu() const { return static_cast<bool>(fZapisWMiejscu); }
    // The data file is open in another window: nothing may be changed here.
    bool TylkoDoOdczytu() const;
    TKolekcjeDanych* Kolekcje() const;

    // The host offers the in-place save and the file may be written.
    bool MoznaZapisacWMiejscu() const { return JestZapisWMiejscu() && !TylkoDoOdczytu(); }
    // The host's save, when it is possible.
    std::optional<TNoweId> ZapiszWPliku() const;
    // An id as the file knows it after a save that gave these new ids.
    static int32_t IdPoZapisie(const TNoweId& noweId, int32_t id);

    // A deposit refers to its offer by the id the file gives it: while an
    // offer is unsaved, adding or editing deposits first offers to save. False
    // (after the refusal `odmowa` when saving is not possible) when the
    // offers stay unsaved.
    bool OfertyZapisaneLubZapisz(const QString& odmowa) const;
    // Closing other than by "Zapisz i zamknij" with unsaved changes asks
    // first; true when the window may close.
    bool MoznaZamknac(bool kliknietoOK) const;

private:
    TProjektDB* const& fProjekt;
    std::function<bool()> fZapiszWOknie;
    TZapisWMiejscu fZapisWMiejscu;
};
