#pragma once
#include "data/TOdczytWiersza.h"
#include "data/TPolecenieZapisu.h"
#include "data/TWartoscSQL.h"

#include <QString>
#include <functional>
#include <utility>
#include <vector>

// The columns of one table, each written once: its name, how a row's cell
// reaches the record (the loader) and how the record's value is written (the
// save commands). Adding a column to a table is one entry here, plus the
// upgrade step of the schema.
template <class R> class TMapowanieTabeli {
public:
    using TKomorka = TOdczytWiersza::TKolumna;
    using TCzytaj = std::function<void(R&, const TOdczytWiersza&, const TKomorka&)>;
    // The value as SQL text; `teraz` is the moment of the save.
    using TPisz = std::function<QString(const R&, TDateTime teraz)>;

    struct TKolumna {
        const char* nazwa;
        TCzytaj czytaj; // empty: the column is only written
        TPisz pisz;     // empty: the column is only read (the id)
    };

    // `insertZamieniaDwieOstatnie`: an INSERT names the last two written
    // columns in the other order than an UPDATE (as the layouts of older
    // files added them).
    explicit TMapowanieTabeli(std::vector<TKolumna> kolumny,
                              bool insertZamieniaDwieOstatnie = false)
        : fKolumny(std::move(kolumny)), fZamiana(insertZamieniaDwieOstatnie) {}

    // The columns a query's rows are read from, found once per query.
    std::vector<TKomorka> Znajdz(const TOdczytWiersza& w) const {
        std::vector<TKomorka> komorki;
        for (const TKolumna& k : fKolumny)
            if (k.czytaj)
                komorki.push_back(w.Kolumna(QString::fromLatin1(k.nazwa)));
        return komorki;
    }

    void Czytaj(R& rekord, const TOdczytWiersza& w, const std::vector<TKomorka>& komorki) const {
        size_t i = 0;
        for (const TKolumna& k : fKolumny)
            if (k.czytaj)
                k.czytaj(rekord, w, komorki[i++]);
    }

    // The columns of a save command, in the table's order.
    TKolumnyZapisu DoZapisu(const R& rekord, bool insert, TDateTime teraz = 0) const {
        TKolumnyZapisu kolumny;
        for (const TKolumna& k : fKolumny)
            if (k.pisz)
                kolumny.push_back({k.nazwa, k.pisz(rekord, teraz)});
        if (insert && fZamiana && kolumny.size() >= 2)
            std::swap(kolumny[kolumny.size() - 2], kolumny[kolumny.size() - 1]);
        return kolumny;
    }

    const std::vector<TKolumna>& Kolumny() const { return fKolumny; }

private:
    std::vector<TKolumna> fKolumny;
    bool fZamiana;
};

// A column read and written through a getter and a setter: `odczyt` is the
// reader's conversion (&TOdczytWiersza::Kwota), `zapis` the writer's
// (&TWartoscSQL::Kwota).
template <class R, class Odczyt, class Zapis, class Get, class Set>
typename TMapowanieTabeli<R>::TKolumna Kolumna(const char* nazwa, Odczyt odczyt, Zapis zapis,
                                               Get get, Set set) {
    return {nazwa,
            [odczyt, set](R& r, const TOdczytWiersza& w, const TOdczytWiersza::TKolumna& k) {
                (r.*set)((w.*odczyt)(k));
            },
            [zapis, get](const R& r, TDateTime) { return zapis((r.*get)()); }};
}

// The same for a public field.
template <class R, class Odczyt, class Zapis, class T>
typename TMapowanieTabeli<R>::TKolumna Pole(const char* nazwa, Odczyt odczyt, Zapis zapis,
                                            T R::*pole) {
    return {nazwa,
            [odczyt, pole](R& r, const TOdczytWiersza& w, const TOdczytWiersza::TKolumna& k) {
                r.*pole = static_cast<T>((w.*odczyt)(k));
            },
            [zapis, pole](const R& r, TDateTime) { return zapis(r.*pole); }};
}

// The id: read into the record, never written (it names the row instead).
template <class R> typename TMapowanieTabeli<R>::TKolumna KolumnaId() {
    return {"Id",
            [](R& r, const TOdczytWiersza& w, const TOdczytWiersza::TKolumna& k) {
                r.SetId(w.Liczba(k));
            },
            {}};
}
