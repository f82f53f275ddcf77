#include "data/TWartoscSQL.h"
#include "data/EDataError.h"
#include "data/TPolecenieZapisu.h"
#include "format/TFormatSettings.h"
#include "platform/DateTimeUtils.h"

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

// Fifteen digits of the largest doubles round past the largest one, which
// SQLite would read as infinity; the smallest ones round to 0.
TEST_F(TWartoscSQLTest, AmountsThatWouldNotReadBackAreRefused) {
    const double najwieksza = std::numeric_limits<double>::max();
    EXPECT_EQ(TWartoscSQL::Kwota(1.79769313486231e308), "1.79769313486231E308");
    EXPECT_EQ(TWartoscSQL::Kwota(-1.79769313486231e308), "-1.79769313486231E308");
    EXPECT_EQ(TWartoscSQL::Kwota(std::numeric_limits<double>::denorm_min()), "0");
    for (double kwota : {najwieksza, -najwieksza, 1.7976931348623155e308}) {
        try {
            TWartoscSQL::Kwota(kwota);
            ADD_FAILURE() << kwota;
        } catch (const EDataError& e) {
            EXPECT_TRUE(
                e.Message().startsWith("Nie można zapisać w bazie kwoty, która jest zbyt duża ("))
                << e.Message().toStdString();
        }
    }
}

TEST_F(TWartoscSQLTest, DatesOutsideTheFourDigitYearsAreRefused) {
    const TDateTime pierwsza = EncodeDate(1, 1, 1);
    EXPECT_EQ(TWartoscSQL::Data(pierwsza), "'0001-01-01 00:00'");
    EXPECT_EQ(TWartoscSQL::Data(EncodeDateTime(9999, 12, 31, 23, 59, 59, 998)),
              "'9999-12-31 23:59'");
    for (TDateTime data :
         {pierwsza - kOneMillisecond, pierwsza - 1e6, EncodeDate(10000, 1, 1), 3.6e11,
          std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::infinity()}) {
        try {
            TWartoscSQL::Data(data);
            ADD_FAILURE() << data;
        } catch (const EDataError& e) {
            EXPECT_EQ(e.Message(),
                      "Nie można zapisać w bazie daty spoza zakresu od 0001-01-01 do 9999-12-31.");
        }
    }
}

// NUL would end the statement; a lone surrogate has no UTF-8 form. Both are
// dropped, a proper pair stays.
TEST_F(TWartoscSQLTest, CharactersThatCannotBeStoredAreDropped) {
    const QChar wysoki(0xD83D), niski(0xDE00);
    const struct {
        QString tekst;
        QString literal;
    } przypadki[] = {
        {QString("a") + QChar(0) + "b", "'ab'"},
        {QString(QChar(0)), "''"},
        {QString("x") + wysoki + "y", "'xy'"},
        {QString("x") + niski + "y", "'xy'"},
        {QString(niski) + wysoki, "''"},
        {QString("ok ") + wysoki + niski + QChar(0) + "'", QString("'ok ") + wysoki + niski + "'"},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(TWartoscSQL::Tekst(p.tekst), p.literal);
    EXPECT_EQ(TWartoscSQL::TekstLubNullGdyPusty(QString(QChar(0))), "NULL");
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
