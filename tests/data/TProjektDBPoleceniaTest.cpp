#include "TempDatabaseFile.h"
#include "ZrzutBazy.h"
#include "common/ScriptedMessageBoxes.h"
#include "data/TProjektDB.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

class TProjektDBPolecenia : public testing::Test {
protected:
    void SetUp() override {
        projekt = std::make_unique<TProjektDB>(file.path());
        projekt->Baza().ExecSQL("CREATE TABLE t (n INTEGER NOT NULL)");
    }
    QStringList Tabela() { return Wiersze(projekt->Baza(), "SELECT n FROM t ORDER BY rowid"); }

    ScriptedMessageBoxes boxes;
    TempDatabaseFile file;
    std::unique_ptr<TProjektDB> projekt;
};

// The failure comes back to the caller, who tells the user: the data layer
// shows nothing, and keeps nothing either, since it handed the failure back.
TEST_F(TProjektDBPolecenia, FailedBatchChangesNothingAndLaterBatchesRun) {
    const TWynikPolecenSQL wynik = projekt->WykonajPoleceniaWTransakcji(
        {"INSERT INTO t VALUES (1);", "INSERT INTO t VALUES (NULL);", "INSERT INTO t VALUES (3);"},
        true);
    const QString przyczyna = "Error executing SQL statement.\rError [19]: Abort due to contraint "
                              "violation.\r\"INSERT INTO t VALUES (NULL);\": NOT NULL constraint "
                              "failed: t.n";
    EXPECT_EQ(wynik.Stan, TWynikPolecenSQL::TStan::Blad);
    EXPECT_FALSE(wynik);
    EXPECT_EQ(wynik.Blad, przyczyna);
    EXPECT_EQ(wynik.KodSQLite, SQLITE_CONSTRAINT_NOTNULL);
    EXPECT_TRUE(boxes.messages.isEmpty()) << boxes.texts().join('\n').toStdString();
    EXPECT_TRUE(projekt->WezBledyPolecen().isEmpty());
    EXPECT_FALSE(projekt->Baza().IsTransactionOpen());
    EXPECT_TRUE(Tabela().isEmpty()) << "the statement before the failing one is undone";

    EXPECT_TRUE(projekt->WykonajPolecenieSQL("INSERT INTO t VALUES (4);", false));
    EXPECT_EQ(Tabela(), QStringList({"4"}));
}

TEST_F(TProjektDBPolecenia, NothingRunsWhileATransactionIsOpen) {
    projekt->Baza().BeginTransaction();
    const TWynikPolecenSQL wynik = projekt->WykonajPolecenieSQL("INSERT INTO t VALUES (1);", true);
    EXPECT_EQ(wynik.Stan, TWynikPolecenSQL::TStan::Pominieto);
    EXPECT_TRUE(boxes.messages.isEmpty());
    projekt->Baza().Rollback();
    EXPECT_TRUE(Tabela().isEmpty());
}

TEST_F(TProjektDBPolecenia, StatementsOfTheHostRunAsOneBatch) {
    EXPECT_TRUE(projekt->WykonajWpisanePoleceniaSQL(
        {"INSERT INTO t VALUES (1); INSERT INTO t VALUES (99);", "INSERT INTO t VALUES (2);"}));
    EXPECT_EQ(Tabela(), QStringList({"1", "2"})) << "only the first statement of an entry runs";

    projekt->Baza().AddParamInt(":n", 5);
    EXPECT_FALSE(projekt->WykonajWpisanePoleceniaSQL({"INSERT INTO brak VALUES (1);"}));
    EXPECT_TRUE(projekt->Baza().PendingParams().empty());
    EXPECT_EQ(Tabela(), QStringList({"1", "2"}));
}

} // namespace
