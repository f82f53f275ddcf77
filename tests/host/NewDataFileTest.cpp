// What the host writes into a new data file: the household records the
// module needs, and for the demo the sample offers and deposits.
#include "common/ScopedClock.h"
#include "common/ScriptedMessageBoxes.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "data/TempDatabaseFile.h"
#include "data/ZrzutBazy.h"
#include "tools/HouseholdSetup.h"
#include "window/DemoData.h"

#include <gtest/gtest.h>
#include <set>

namespace {

class NewDataFile : public testing::Test {
protected:
    ScopedClock clock{EncodeDateTime(2024, 3, 10, 12, 0)};
    ScriptedMessageBoxes boxes;
    TempDatabaseFile file;
};

TEST_F(NewDataFile, HouseholdRecordsAreStoredAndLoadedAsSaved) {
    {
        TProjektDB project(file.path());
        AddHouseholdRecords(project);
        TKolekcjeDanych& k = project.Kolekcje();
        EXPECT_FALSE(k.ZmienionoINiezapisanoOsoby());
        EXPECT_FALSE(k.ZmienionoINiezapisanoKategorieOszczednosci());
        EXPECT_FALSE(k.ZmienionoINiezapisanoOszczednosci());
        ASSERT_EQ(k.Oszczednosci().size(), 1u);
        EXPECT_EQ(k.Oszczednosci()[0]->Zmiany(), TTypModyfikacji::BezZmian);
        EXPECT_GT(k.Oszczednosci()[0]->Id(), 0);
    }
    EXPECT_TRUE(boxes.messages.isEmpty()) << boxes.texts().join('\n').toStdString();

    TProjektDB reopened(file.path());
    TSQLiteDatabase& db = reopened.Baza();
    EXPECT_EQ(Wiersze(db, "SELECT Imie, Nazwisko, Usuniety FROM Osoby"),
              QStringList{"Jan|Kowalski|0"});
    EXPECT_EQ(Wiersze(db, "SELECT Opis, MoznaZaplacic, Usuniety FROM KategorieOszczednosci "
                          "ORDER BY Waga"),
              (QStringList{"Konto osobiste|1|0", "Gotówka|1|0", "Konto oszczędnościowe|0|0"}));
    EXPECT_EQ(Wiersze(db, "SELECT k.Opis, o.Ile, o.TypOszczednosci FROM Oszczednosci o JOIN "
                          "KategorieOszczednosci k ON k.Id = o.IdKategoriaOszczednosci"),
              QStringList{"Konto osobiste|0.0|1"});
    EXPECT_GE(db.GetTableValue("SELECT count(*) FROM KategorieWydatkow WHERE Usuniety = 0"), 1);
    EXPECT_GE(db.GetTableValue("SELECT count(*) FROM KategoriePrzychodow WHERE Usuniety = 0"), 1);
    // The profit of an ended deposit has a balance to go to.
    EXPECT_EQ(reopened.Kolekcje().IloscOszczednosciZMozliwosciaZaplaty(), 1);
}

TEST_F(NewDataFile, DemoHoldsEveryKindOfOfferAndDeposit) {
    TProjektDB project(file.path());
    AddHouseholdRecords(project);
    AddDemoData(project);
    EXPECT_TRUE(boxes.messages.isEmpty()) << boxes.texts().join('\n').toStdString();

    TProjektDB reopened(file.path());
    TKolekcjeDanych& k = reopened.Kolekcje();
    std::set<TKapitalizacja> capitalisations;
    std::set<QString> banks, banksIgnoringCase;
    for (const auto& offer : k.HarmonogramyLokatBankowych()) {
        capitalisations.insert(offer->fKapitalizacja);
        banks.insert(offer->Bank());
        banksIgnoringCase.insert(offer->Bank().toLower());
    }
    EXPECT_EQ(capitalisations.size(), 6u); // every kind but Brak
    EXPECT_FALSE(capitalisations.count(TKapitalizacja::Brak));
    EXPECT_TRUE(banks.count("Żółty Bank Spółdzielczy"));
    EXPECT_EQ(banks.size(), banksIgnoringCase.size() + 1); // one bank in two letter cases

    bool running = false, endingSoon = false, pastEnd = false, inactive = false, noOffer = false;
    for (const auto& deposit : k.Lokaty()) {
        const int32_t days = deposit->IloscDniDoZakonczenia();
        if (!deposit->Aktywna())
            inactive = true;
        else if (days < 0)
            pastEnd = true;
        else if (days <= 7)
            endingSoon = true;
        else
            running = true;
        if (deposit->IdHarmonogramLokaty() == -1)
            noOffer = true;
        else
            EXPECT_NE(k.PobierzHarmonogramLokatyBankowejDlaID(deposit->IdHarmonogramLokaty()),
                      nullptr)
                << deposit->Nazwa().toStdString();
    }
    EXPECT_TRUE(running && endingSoon && pastEnd && inactive && noOffer);
}

} // namespace
