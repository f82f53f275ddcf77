// The change flags of the collections: each table reads the flag of its own
// list, by its name and by the table alike, and clearing the collections
// leaves no flag set.
#include "data/TKolekcjeDanych.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using K = TKolekcjeDanych;

struct Flaga {
    bool (K::*czytaj)() const;
    void (K::*ustaw)(bool);
    // The tables whose lists the flag marks.
    std::vector<TTabele> tabele;
};

// Worked out from what each list holds: the runs of standing orders are one
// list shown as two tables, and the deposits' flag marks the offers too.
const Flaga kFlagi[] = {
    {&K::ZmienionoINiezapisanoWydatki, &K::SetZmienionoINiezapisanoWydatki, {TTabele::Wydatki}},
    {&K::ZmienionoINiezapisanoPrzychody,
     &K::SetZmienionoINiezapisanoPrzychody,
     {TTabele::Przychody}},
    {&K::ZmienionoINiezapisanoOszczednosci,
     &K::SetZmienionoINiezapisanoOszczednosci,
     {TTabele::Oszczednosci}},
    {&K::ZmienionoINiezapisanoKategorieWydatki,
     &K::SetZmienionoINiezapisanoKategorieWydatki,
     {TTabele::Kategorie_Wydatki}},
    {&K::ZmienionoINiezapisanoKategoriePrzychody,
     &K::SetZmienionoINiezapisanoKategoriePrzychody,
     {TTabele::Kategorie_Przychody}},
    {&K::ZmienionoINiezapisanoKategorieOszczednosci,
     &K::SetZmienionoINiezapisanoKategorieOszczednosci,
     {TTabele::Kategorie_Oszczednosci}},
    {&K::ZmienionoINiezapisanoOsoby, &K::SetZmienionoINiezapisanoOsoby, {TTabele::Osoby}},
    {&K::ZmienionoINiezapisanoHistoriePrzelewow,
     &K::SetZmienionoINiezapisanoHistoriePrzelewow,
     {TTabele::HistoriaPrzelewow}},
    {&K::ZmienionoINiezapisanoStanyOszczednosci,
     &K::SetZmienionoINiezapisanoStanyOszczednosci,
     {TTabele::StanyOszczednosci}},
    {&K::ZmienionoINiezapisanoHistorieZlecenStalych,
     &K::SetZmienionoINiezapisanoHistorieZlecenStalych,
     {TTabele::HistoriaZlecenStalychWydatki, TTabele::HistoriaZlecenStalychPrzychody}},
    {&K::ZmienionoINiezapisanoZleceniaStaleWydatki,
     &K::SetZmienionoINiezapisanoZleceniaStaleWydatki,
     {TTabele::ZleceniaStaleWydatki}},
    {&K::ZmienionoINiezapisanoZleceniaStalePrzychody,
     &K::SetZmienionoINiezapisanoZleceniaStalePrzychody,
     {TTabele::ZleceniaStalePrzychody}},
    {&K::ZmienionoINiezapisanoPlany, &K::SetZmienionoINiezapisanoPlany, {TTabele::Plany}},
    {&K::ZmienionoINiezapisanoOgraniczenia,
     &K::SetZmienionoINiezapisanoOgraniczenia,
     {TTabele::Ograniczenia}},
    {&K::ZmienionoINiezapisanoLokaty,
     &K::SetZmienionoINiezapisanoLokaty,
     {TTabele::Lokaty, TTabele::HarmonogramyLokatBankowych}},
};

constexpr int kIleTabel = static_cast<int>(TTabele::HarmonogramyLokatBankowych) + 1;

bool Zawiera(const std::vector<TTabele>& tabele, TTabele tabela) {
    return std::find(tabele.begin(), tabele.end(), tabela) != tabele.end();
}

// A flag set alone shows at its tables and nowhere else; set by any of its
// tables it shows under its name; and it is cleared by any of them.
TEST(TKolekcjeDanychFlagi, EachTableGoesByTheFlagOfItsList) {
    for (const Flaga& flaga : kFlagi) {
        K k;
        (k.*flaga.ustaw)(true);
        for (int t = 0; t < kIleTabel; ++t) {
            const auto tabela = static_cast<TTabele>(t);
            EXPECT_EQ(k.ZmienionoINiezapisano(tabela), Zawiera(flaga.tabele, tabela)) << t;
        }
        for (TTabele tabela : flaga.tabele) {
            k.SetZmienionoINiezapisano(tabela, false);
            EXPECT_FALSE((k.*flaga.czytaj)()) << static_cast<int>(tabela);
            k.SetZmienionoINiezapisano(tabela, true);
            EXPECT_TRUE((k.*flaga.czytaj)()) << static_cast<int>(tabela);
        }
        k.SetZmienionoINiezapisano(TTabele::Pusta, false);
        k.SetZmienionoINiezapisano(TTabele::PrzychodyIRozchody, false);
        EXPECT_TRUE((k.*flaga.czytaj)()) << "tables of no list change no flag";
    }
}

// The tables named as unsaved follow the order of the flags above; the
// deposits' flag names the deposits only.
TEST(TKolekcjeDanychFlagi, UnsavedTablesInTheOrderOfTheFlags) {
    K k;
    EXPECT_TRUE(k.NiezapisaneTabele().empty());
    for (const Flaga& flaga : kFlagi)
        (k.*flaga.ustaw)(true);
    EXPECT_EQ(k.NiezapisaneTabele(),
              (std::vector<TTabele>{TTabele::Wydatki, TTabele::Przychody, TTabele::Oszczednosci,
                                    TTabele::Kategorie_Wydatki, TTabele::Kategorie_Przychody,
                                    TTabele::Kategorie_Oszczednosci, TTabele::Osoby,
                                    TTabele::HistoriaPrzelewow, TTabele::StanyOszczednosci,
                                    TTabele::HistoriaZlecenStalychWydatki,
                                    TTabele::HistoriaZlecenStalychPrzychody,
                                    TTabele::ZleceniaStaleWydatki, TTabele::ZleceniaStalePrzychody,
                                    TTabele::Plany, TTabele::Ograniczenia, TTabele::Lokaty}));
}

// An emptied list holds no unsaved changes: no flag may stay set, or the
// next load would skip its list.
TEST(TKolekcjeDanychFlagi, ClearingLeavesNoFlagSet) {
    K k;
    for (const Flaga& flaga : kFlagi)
        (k.*flaga.ustaw)(true);
    k.WyczyscKolekcjeDanych();
    for (const Flaga& flaga : kFlagi)
        EXPECT_FALSE((k.*flaga.czytaj)()) << static_cast<int>(flaga.tabele.front());
    for (int t = 0; t < kIleTabel; ++t)
        EXPECT_FALSE(k.ZmienionoINiezapisano(static_cast<TTabele>(t))) << t;
}

} // namespace
