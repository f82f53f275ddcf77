// The household side of the collections: savings arithmetic, the savings
// table, categories and persons, clearing and descriptors.
#include "data/EDataError.h"
#include "data/TKolekcjeDanych.h"
#include "format/TFormatSettings.h"

#include "common/ScopedClock.h"

#include <gtest/gtest.h>

namespace {

using M = TTypModyfikacji;

struct Kategoria {
    int32_t id;
    QString opis;
    bool moznaZaplacic = false;
    bool dlug = false;
    uint32_t waga = 1;
    bool usuniety = false;
    M zmiany = M::BezZmian;
};

struct Oszczednosc {
    int32_t id;
    int32_t idKategorii;
    double ile = 1000;
    int8_t typ = 1;
    uint32_t waga = 1;
    M zmiany = M::BezZmian;
};

class TKolekcjeDanychOszczednosciTest : public testing::Test {
protected:
    void SetUp() override { UstawFormaty(); }

    void Dodaj(const Kategoria& c) {
        k.KategorieOszczednosci().push_back(std::make_unique<TKategoriaOszczednosci>(
            c.id, c.opis, c.usuniety, c.moznaZaplacic, c.dlug, c.zmiany, c.waga));
    }

    TOszczednosc& Dodaj(const Oszczednosc& o) {
        auto oszczednosc = std::make_unique<TOszczednosc>(
            o.id, o.idKategorii, o.ile, EncodeDate(2013, 1, 1), "", o.typ, o.zmiany);
        oszczednosc->SetWagaIdKatOszczednosci(o.waga);
        k.Oszczednosci().push_back(std::move(oszczednosc));
        return *k.Oszczednosci().back();
    }

    TKolekcjeDanych k;
};

TEST_F(TKolekcjeDanychOszczednosciTest, AddingAndSubtractingFollowTheDebtSign) {
    struct Case {
        const char* opis;
        bool dlug;
        int8_t typ;
        bool przelew;
        bool kategoriaUsunieta;
        double poDodaniu, poOdjeciu;
    } cases[] = {
        {"ordinary", false, 1, false, false, 1100, 900},
        {"type 2 outside a debt", false, 2, false, false, 1100, 900},
        {"debt of type 1", true, 1, false, false, 1100, 900},
        {"debt of type 2 turns the sign", true, 2, false, false, 900, 1100},
        {"a transfer never turns it", true, 2, true, false, 1100, 900},
        {"no category left that is not deleted", true, 2, false, true, 1100, 900},
    };
    ScopedClock zegar(EncodeDateTime(2013, 7, 1, 10, 15));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.opis);
        for (bool dodaj : {true, false}) {
            k.WyczyscKolekcjeDanych();
            Dodaj({4, "Karta", false, c.dlug, 1, false,
                   c.kategoriaUsunieta ? M::Usunieto : M::BezZmian});
            TOszczednosc& o = Dodaj({7, 4, 1000, c.typ});
            const bool zmieniono = dodaj ? k.DodajDoOszczednosciWartosc(100, 7, c.przelew)
                                         : k.OdejmijZOszczednosciWartosc(100, 7, c.przelew);
            EXPECT_TRUE(zmieniono);
            EXPECT_EQ(o.Ile(), dodaj ? c.poDodaniu : c.poOdjeciu);
            EXPECT_EQ(o.Data(), Now());
            EXPECT_EQ(o.Zmiany(), M::Zmieniono);
            EXPECT_TRUE(k.ZmienionoINiezapisanoOszczednosci());
        }
    }
}

TEST_F(TKolekcjeDanychOszczednosciTest, ANewBalanceStaysNewAndAMissingOneIsNotChanged) {
    Dodaj({4, "Konto"});
    TOszczednosc& nowa = Dodaj({7, 4, 10, 1, 1, M::Dodano});
    EXPECT_TRUE(k.DodajDoOszczednosciWartosc(2.5, 7, false));
    EXPECT_EQ(nowa.Zmiany(), M::Dodano);
    EXPECT_EQ(nowa.Ile(), 12.5);

    k.SetZmienionoINiezapisanoOszczednosci(false);
    EXPECT_FALSE(k.DodajDoOszczednosciWartosc(5, 8, false));
    EXPECT_FALSE(k.OdejmijZOszczednosciWartosc(5, 8, false));
    EXPECT_FALSE(k.ZmienionoINiezapisanoOszczednosci());
}

TEST_F(TKolekcjeDanychOszczednosciTest, AnUnknownTypeOfSavingsInADebtIsRefused) {
    Dodaj({4, "Kredyt", false, true});
    TOszczednosc& o = Dodaj({7, 4, 1000, 3});
    for (bool dodaj : {true, false}) {
        try {
            dodaj ? k.DodajDoOszczednosciWartosc(100, 7, false)
                  : k.OdejmijZOszczednosciWartosc(100, 7, false);
            ADD_FAILURE() << "no error raised";
        } catch (const EDataError& e) {
            EXPECT_EQ(e.Message(), "Nieobsługiwany typ oszczędności !!!");
        }
    }
    EXPECT_EQ(o.Ile(), 1000);
    EXPECT_EQ(o.Zmiany(), M::BezZmian);
    EXPECT_FALSE(k.ZmienionoINiezapisanoOszczednosci());
    // Outside a debt, or in a transfer, the type is not looked at.
    EXPECT_EQ(k.ObliczMnoznikDoDodawaniaOdejmowania(7, true), 1);
}

TEST_F(TKolekcjeDanychOszczednosciTest, SavingsTableListsBalancesByWeightThenNewestId) {
    Dodaj({1, "Konto", true, false, 2});
    Dodaj({2, "Skarbonka", false, false, 1});
    Dodaj({10, 1, 1234.5, 1, 2});
    Dodaj({11, 2, -3, 1, 1});
    Dodaj({12, 1, 1e6, 1, 2, M::Usunieto}); // deleted balances are listed too
    TOszczednosc& lokaty = Dodaj({-1, TKolekcjeDanych::kIdKategoriiLokat, 50, 1, 2147483647});
    lokaty.SetOszczednoscZTabeliLokaty(true);

    const TTabDwuwymiarowa wszystkie{
        {"11", "Skarbonka", "-3,00"}, {"12", "Konto", "1000000,00"}, {"10", "Konto", "1234,50"}};
    EXPECT_EQ(k.UtworzTabliceOszczednosciZKwotami(false, -1), wszystkie);
    EXPECT_EQ(k.UtworzTabliceOszczednosciZKwotami(true, -1), wszystkie.mid(1));
    EXPECT_EQ(k.UtworzTabliceOszczednosciZKwotami(false, 12),
              (TTabDwuwymiarowa{wszystkie[0], wszystkie[2], {"-1", "Lokaty", "50,00"}}));
    EXPECT_EQ(k.Oszczednosci().back().get(), &lokaty); // the list stays sorted

    EXPECT_EQ(k.PobierzOpisyKategorii(TTabele::Oszczednosci, false, false, 10),
              (QStringList{"Skarbonka", "Konto", "Konto"}));
    EXPECT_EQ(k.PobierzOpisyKategorii(TTabele::Oszczednosci, false, true, -1),
              (QStringList{"Konto", "Konto"}));
    EXPECT_EQ(k.PobierzIDOszczednosciPoOpisie("Konto"), 12);
    EXPECT_EQ(k.PobierzIDOszczednosciPoOpisie("konto"), -1);
}

TEST_F(TKolekcjeDanychOszczednosciTest, PaymentChecksCountOnlyVisiblePayingCategories) {
    EXPECT_TRUE(k.UtworzTabliceOszczednosciZKwotami(false, -1).isEmpty());
    Dodaj({1, "Konto", true, false, 1, true}); // hidden: counts for no filter
    Dodaj({2, "Portfel", false});
    Dodaj({10, 1});
    Dodaj({11, 2});
    EXPECT_EQ(k.IloscKategoriOszczednosciZMozliwosciaZaplaty(), 0);
    EXPECT_EQ(k.IloscOszczednosciZMozliwosciaZaplaty(), 0);
    EXPECT_TRUE(k.UtworzTabliceOszczednosciZKwotami(true, -1).isEmpty());
    EXPECT_TRUE(k.OszczednoscMaMozliwoscZaplaty(10));
    EXPECT_FALSE(k.OszczednoscMaMozliwoscZaplaty(11));
    EXPECT_FALSE(k.OszczednoscMaMozliwoscZaplaty(99));

    Dodaj({3, "Karta", true});
    Dodaj({12, 3, 1, 1, 1, M::Usunieto});
    EXPECT_EQ(k.IloscKategoriOszczednosciZMozliwosciaZaplaty(), 1);
    EXPECT_EQ(k.IloscOszczednosciZMozliwosciaZaplaty(), 2); // balances 10 and 12
    EXPECT_TRUE(k.KolekcjaZawieraOszczednosciZMozliwosciaZaplaty());
    k.Oszczednosci()[0]->SetZmiany(M::Usunieto);
    EXPECT_FALSE(k.KolekcjaZawieraOszczednosciZMozliwosciaZaplaty());
}

TEST_F(TKolekcjeDanychOszczednosciTest, CategoryAndPersonTextsFollowTheirFilters) {
    Dodaj({1, "Konto", true, false, 5});
    Dodaj({2, "konto", true, false, 6}); // the same text ignoring case
    Dodaj({3, "Skarbonka", false, false, 5});
    Dodaj({4, "Ukryta", true, false, 1, true});
    Dodaj({5, "Usunięta", true, false, 1, false, M::Usunieto});
    struct Case {
        bool widoczne, doZaplaty;
        int32_t pomin;
        QStringList opisy;
    } cases[] = {
        {false, false, -1, {"Ukryta", "Konto", "Skarbonka"}},
        {true, false, -1, {"Konto", "Skarbonka"}},
        {true, true, -1, {"Konto"}},
        {false, true, 1, {"Ukryta", "konto"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.opisy.join(",").toStdString());
        EXPECT_EQ(k.PobierzOpisyKategorii(TTabele::Kategorie_Oszczednosci, c.widoczne, c.doZaplaty,
                                          c.pomin),
                  c.opisy);
    }
    EXPECT_EQ(k.PobierzIDKategoriiPoOpisie("konto", TTabele::Kategorie_Oszczednosci), 2);
    EXPECT_EQ(k.PobierzIDKategoriiPoOpisie("Usunięta", TTabele::Kategorie_Oszczednosci), 5);
    EXPECT_EQ(k.PobierzOpisKategoriiPoID(5, TTabele::Kategorie_Oszczednosci), "Usunięta");
    EXPECT_EQ(k.PobierzOpisKategoriiPoID(-1000, TTabele::Kategorie_Oszczednosci), "Lokaty");
    EXPECT_EQ(k.PobierzWageKategoriiPoID(3, TTabele::Kategorie_Oszczednosci), 5u);
    EXPECT_EQ(k.PobierzWageKategoriiPoID(3, TTabele::Kategorie_Wydatki), 0u);

    k.Osoby().push_back(
        std::make_unique<TOsoba>(7, "Jan", "Nowak", "", "", "", false, M::BezZmian, 2));
    k.Osoby().push_back(
        std::make_unique<TOsoba>(8, "Anna", "Żak", "", "", "", false, M::BezZmian, 2));
    k.Osoby().push_back(
        std::make_unique<TOsoba>(9, "JAN", "NOWAK", "", "", "", true, M::BezZmian, 1));
    EXPECT_EQ(k.PobierzOpisyKategorii(TTabele::Osoby, false, false, -1),
              (QStringList{"JAN NOWAK", "Anna Żak"}));
    EXPECT_EQ(k.PobierzOpisyKategorii(TTabele::Osoby, true, false, -1),
              (QStringList{"Anna Żak", "Jan Nowak"}));
    EXPECT_EQ(k.PobierzIDKategoriiPoOpisie("jan nowak", TTabele::Osoby), 9);
    EXPECT_EQ(k.PobierzOpisKategoriiPoID(8, TTabele::Osoby), "Anna Żak");
}

TEST_F(TKolekcjeDanychOszczednosciTest, CategoriesSortByWeightThenTextIgnoringCase) {
    const Kategoria kategorie[] = {{1, "b"},
                                   {2, "A"},
                                   {3, "a"},
                                   {4, "Ą", false, false, 0},
                                   {5, "c", false, false, 2147483647}};
    for (const auto& c : kategorie)
        k.KategorieWydatki().push_back(
            std::make_unique<TKategoriaWydatki>(c.id, c.opis, false, M::BezZmian, c.waga));
    k.PosortujKategorieWydatkow();
    std::vector<int32_t> ids;
    for (const auto& kategoria : k.KategorieWydatki())
        ids.push_back(kategoria->Id());
    EXPECT_EQ(ids, (std::vector<int32_t>{4, 2, 3, 1, 5})); // "A" and "a" tie: by id
}

TEST_F(TKolekcjeDanychOszczednosciTest, TransactionTablesHaveNoDescriptionList) {
    const QString komunikat =
        "Nie można pobrać opisów wydatków, przychodów i oszczędności. Pobiera się opisy kategorii "
        "powiązanych z każdą z tych tabel. Jeżeli chodzi o oszczędności to pobiera się tablicę "
        "oszczędności z kwotami.";
    for (TTabele tabela : {TTabele::Wydatki, TTabele::Przychody}) {
        try {
            k.PobierzOpisyKategorii(tabela, false, false, -1);
            ADD_FAILURE() << "no error raised";
        } catch (const EDataError& e) {
            EXPECT_EQ(e.Message(), komunikat);
        }
    }
    EXPECT_TRUE(k.PobierzOpisyKategorii(TTabele::Pusta, false, false, -1).isEmpty());
}

TEST_F(TKolekcjeDanychOszczednosciTest, NamesOfOrdersPlansAndDepositsAreListedOnce) {
    k.Plany().push_back(
        std::make_unique<TPlan>(1, "Wakacje", 1, 1, false, false, 0, 0, "", M::BezZmian));
    k.Plany().push_back(
        std::make_unique<TPlan>(2, "WAKACJE", 1, 1, false, false, 0, 0, "", M::BezZmian));
    k.Plany().push_back(
        std::make_unique<TPlan>(3, "Auto", 1, 1, false, false, 0, 0, "", M::Usunieto));
    k.Plany().push_back(
        std::make_unique<TPlan>(4, "Dom", 1, 1, false, false, 0, 0, "", M::BezZmian));
    EXPECT_EQ(k.PobierzOpisyKategorii(TTabele::Plany, true, true, -1),
              (QStringList{"Wakacje", "Dom"}));
    EXPECT_EQ(k.PobierzOpisyKategorii(TTabele::Plany, true, true, 1),
              (QStringList{"WAKACJE", "Dom"}));
}

TEST_F(TKolekcjeDanychOszczednosciTest, ClearingEmptiesEveryListAndFlag) {
    k.WypelnijTytulyKolumn();
    Dodaj({1, "Konto"});
    Dodaj({10, 1});
    k.ZyskiZLokatDoDodaniaJakoPrzychod()[1] = 5;
    k.SetZmienionoINiezapisanoOszczednosci(true);
    k.SetZmienionoINiezapisanoZleceniaStaleWydatki(true);
    k.SetZmienionoINiezapisanoZleceniaStalePrzychody(true);
    k.SetZmienionoINiezapisanoLokaty(true);

    k.WyczyscKolekcjeDanych();
    EXPECT_TRUE(k.Oszczednosci().empty());
    EXPECT_TRUE(k.KategorieOszczednosci().empty());
    EXPECT_TRUE(k.ZyskiZLokatDoDodaniaJakoPrzychod().empty());
    EXPECT_FALSE(k.ZmienionoINiezapisanoOszczednosci());
    // The standing-order lists are empty too, so their flags must not make
    // the next load skip them.
    EXPECT_FALSE(k.ZmienionoINiezapisanoZleceniaStaleWydatki());
    EXPECT_FALSE(k.ZmienionoINiezapisanoZleceniaStalePrzychody());
    EXPECT_FALSE(k.ZmienionoINiezapisanoLokaty());
    EXPECT_EQ(k.TabelaLokaty().IleKolumn(), 8); // descriptors stay

    k.Clear();
    EXPECT_EQ(k.TabelaLokaty().IleKolumn(), -1);
}

TEST_F(TKolekcjeDanychOszczednosciTest, DescriptorsHoldTheTitlesOfTheirTables) {
    k.WypelnijTytulyKolumn();
    EXPECT_EQ(k.TabelaHarmonogramyLokatBankowych().TytulyKolumn().mid(0, 4),
              (QStringList{"ID", "Bank", "Nazwa", "Okres lokaty"}));
    EXPECT_EQ(k.TabelaHarmonogramyLokatBankowych().IleKolumn(), 11);
    EXPECT_EQ(k.TabelaLokaty().TytulyKolumn().last(), "Ilość dni do zakończenia");
    EXPECT_EQ(k.Tabela(TTabele::HistoriaZlecenStalychPrzychody)->TytulyKolumn().at(2),
              "Tytuł przychodu");
    EXPECT_EQ(k.Tabela(TTabele::StanyOszczednosci)->IleKolumn(), 2);
    EXPECT_EQ(k.Tabela(TTabele::Pusta), nullptr);
    EXPECT_EQ(k.Tabela(TTabele::PrzychodyIRozchody), nullptr);
}

} // namespace
