#include "data/TWartoscSQL.h"
#include "data/EDataError.h"
#include "data/TPolecenieZapisu.h"
#include "domain/TFormatSettings.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

class TWartoscSQLTest : public testing::Test {
protected:
    void SetUp() override { UstawFormaty(); }
};

TEST_F(TWartoscSQLTest, AmountsAreRoundedHalfToEvenToCentsAndWrittenWithAPoint) {
    const struct {
        double kwota;
        const char* tekst;
    } cases[] = {
        {0.125, "0.12"}, {0.375, "0.38"},   {1000.005, "1000"}, // just below the half
        {2.5, "2.5"},    {3, "3"},          {1234.567, "1234.57"},       {1500, "1500"},
        {0.1, "0.1"},    {-0.125, "-0.12"}, {1234567.891, "1234567.89"}, {1e20, "1E20"},
        {0, "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TWartoscSQL::Kwota(c.kwota), c.tekst) << c.kwota;
    EXPECT_THROW(TWartoscSQL::Kwota(std::numeric_limits<double>::quiet_NaN()), EDataError);
    EXPECT_THROW(TWartoscSQL::Kwota(std::numeric_limits<double>::infinity()), EDataError);
}

TEST_F(TWartoscSQLTest, DatesToTheMinuteTextsWithoutQuotesBarsAndSemicolons) {
    EXPECT_EQ(TWartoscSQL::Data(EncodeDateTime(2013, 5, 14, 17, 45, 59, 999)),
              "'2013-05-14 17:45'");
    EXPECT_EQ(TWartoscSQL::Data(EncodeDate(2013, 5, 14)), "'2013-05-14 00:00'");
    EXPECT_EQ(TWartoscSQL::Tekst("Lokata 'Zysk' \"Max\" | ś; ł"), "'Lokata Zysk Max  ś ł'");
    EXPECT_EQ(TWartoscSQL::Tekst("x'); DROP TABLE \"Lokaty\"; --"), "'x) DROP TABLE Lokaty --'");
    EXPECT_EQ(TWartoscSQL::Tekst(""), "''");
    EXPECT_EQ(TWartoscSQL::TekstLubNull(""), "NULL");
    EXPECT_EQ(TWartoscSQL::TekstLubNull(" "), "' '");
    EXPECT_EQ(TWartoscSQL::TekstLubNullGdyPusty(" \t\r\n"), "NULL");
    EXPECT_EQ(TWartoscSQL::TekstLubNullGdyPusty(" a "), "' a '");
    EXPECT_EQ(TWartoscSQL::Flaga(true), "1");
    EXPECT_EQ(TWartoscSQL::Liczba(-1), "-1");
    EXPECT_EQ(TWartoscSQL::Liczba(4294967295u), "4294967295");
}

TEST_F(TWartoscSQLTest, StatementsOfTheSavers) {
    const TKolumnyZapisu kolumny{{"Nazwa", "'a'"}, {"Kwota", "1.5"}};
    EXPECT_EQ(TPolecenieZapisu::Update("Lokaty", kolumny, u",", TPolecenieZapisu::WarunekId(5)),
              "UPDATE \"Lokaty\" SET \"Nazwa\"='a',\"Kwota\"=1.5 WHERE \"Id\"=5;");
    EXPECT_EQ(TPolecenieZapisu::Update("Osoby", kolumny, u", ",
                                       TPolecenieZapisu::WarunekIdWCudzyslowie(5)),
              "UPDATE \"Osoby\" SET \"Nazwa\"='a', \"Kwota\"=1.5 WHERE \"Id\"=\"5\";");
    EXPECT_EQ(TPolecenieZapisu::Insert("Lokaty", kolumny),
              "INSERT INTO \"Lokaty\" (\"Nazwa\", \"Kwota\") VALUES('a',1.5);");
    EXPECT_EQ(TPolecenieZapisu::Insert("HarmonogramyLokat", kolumny, u" )"),
              "INSERT INTO \"HarmonogramyLokat\" (\"Nazwa\", \"Kwota\" ) VALUES('a',1.5);");
    EXPECT_EQ(TPolecenieZapisu::Delete("Lokaty", TPolecenieZapisu::WarunekId(-1)),
              "DELETE FROM \"Lokaty\" WHERE \"Id\"=-1;");
}

} // namespace
