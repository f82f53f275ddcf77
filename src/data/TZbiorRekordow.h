#pragma once
#include "data/TTabela.h"
#include "data/TTabele.h"
#include "data/UstawGdyInna.h"
#include "domain/TTypModyfikacji.h"

#include <algorithm>
#include <initializer_list>
#include <map>
#include <memory>
#include <vector>

// An owning list of records.
template <class T> using TListaObiektow = std::vector<std::unique_ptr<T>>;

// One list of the collections with everything that belongs to it: the
// records, the change flag (changed and not yet saved) and the display
// descriptor of each table the list is shown as (the runs of standing orders
// are shown as two tables, one per type of order).
//
// A list may be marked by the flag of another list instead of its own: the
// offers go by the deposits' flag. Setting or reading the flag of such a list
// sets or reads the other list's flag.
template <class T> class TZbiorRekordow {
public:
    explicit TZbiorRekordow(std::initializer_list<TTabele> tabele)
        : TZbiorRekordow(tabele, fWlasnaFlaga) {}
    // A list marked by the change flag of `wlascicielFlagi`.
    template <class U>
    TZbiorRekordow(std::initializer_list<TTabele> tabele, TZbiorRekordow<U>& wlascicielFlagi)
        : TZbiorRekordow(tabele, *wlascicielFlagi.fFlaga) {}
    TZbiorRekordow(const TZbiorRekordow&) = delete;
    TZbiorRekordow& operator=(const TZbiorRekordow&) = delete;

    TListaObiektow<T>& Rekordy() { return fRekordy; }
    const TListaObiektow<T>& Rekordy() const { return fRekordy; }

    bool Zmieniono() const { return *fFlaga; }
    // Stores the value only when it differs.
    void SetZmieniono(bool value) { UstawGdyInna(*fFlaga, value); }
    // False for a list marked by another list's flag.
    bool MaWlasnaFlage() const { return fFlaga == &fWlasnaFlaga; }

    // The tables the list is shown as, in their fixed order.
    std::vector<TTabele> Tabele() const {
        std::vector<TTabele> tabele;
        for (const auto& opis : fTabele)
            tabele.push_back(opis.first);
        return tabele;
    }
    // The descriptor of one of those tables; null for any other table.
    TTabela* Tabela(TTabele tabela) {
        const auto opis = fTabele.find(tabela);
        return opis == fTabele.end() ? nullptr : &opis->second;
    }
    bool Obejmuje(TTabele tabela) const { return fTabele.contains(tabela); }

    // Frees every record and clears the list's own flag: an empty list holds
    // no unsaved changes. A flag shared with another list is left to that list.
    void Wyczysc() {
        fRekordy.clear();
        fWlasnaFlaga = false;
    }
    // Empties every descriptor.
    void WyczyscTabele() {
        for (auto& opis : fTabele)
            opis.second.Clear();
    }

    // True when the list holds a record that is not deleted.
    bool ZawieraNieusuniete() const {
        return std::any_of(fRekordy.begin(), fRekordy.end(), [](const std::unique_ptr<T>& rekord) {
            return rekord->Zmiany() != TTypModyfikacji::Usunieto;
        });
    }

private:
    template <class> friend class TZbiorRekordow;

    TZbiorRekordow(std::initializer_list<TTabele> tabele, bool& flaga) : fFlaga(&flaga) {
        for (TTabele tabela : tabele)
            fTabele.try_emplace(tabela);
    }

    TListaObiektow<T> fRekordy;
    bool fWlasnaFlaga = false;
    // fWlasnaFlaga, or the flag of the list this one goes by.
    bool* fFlaga;
    std::map<TTabele, TTabela> fTabele;
};
