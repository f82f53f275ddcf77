#include "TempDatabaseFile.h"
#include "data/sqlite/ESQLiteException.h"
#include "data/sqlite/TSQLiteDatabase.h"
#include "data/sqlite/TSQLiteScratchCopy.h"
#include "data/sqlite/TSQLiteTable.h"
#include "data/sqlite/TSQLiteTransaction.h"
#include "data/sqlite/TSQLiteUniTable.h"
#include "format/TFormatSettings.h"

#include <gtest/gtest.h>
#include <memory>
#include <sqlite3.h>
#include <tuple>

namespace {

template <typename F> QString ErrorOf(F&& work) {
    try {
        work();
    } catch (const ESQLiteException& e) {
        return e.Message();
    }
    return QStringLiteral("<no error>");
}

// SQLite's extended result code carried by the error; -1 without an error.
template <typename F> int CodeOf(F&& work) {
    try {
        work();
    } catch (const ESQLiteException& e) {
        return e.ExtendedCode();
    }
    return -1;
}

class SQLiteLayerTest : public testing::Test {
protected:
    void SetUp() override {
        fSeparator = FormatyProcesu().DecimalSeparator;
        FormatyProcesu().DecimalSeparator = QLatin1Char(',');
        db = std::make_unique<TSQLiteDatabase>(file.path());
    }
    void TearDown() override { FormatyProcesu().DecimalSeparator = fSeparator; }

    int64_t Count(const QString& table) {
        return db->GetTableValue(QStringLiteral("SELECT count(*) FROM ") + table);
    }

    TempDatabaseFile file;
    std::unique_ptr<TSQLiteDatabase> db;

private:
    QChar fSeparator;
};

TEST_F(SQLiteLayerTest, EmptyResultHasNoColumnsAndRefusesReadsByName) {
    db->ExecSQL("CREATE TABLE t (Id INTEGER PRIMARY KEY, Opis TEXT)");
    const auto empty = db->GetTable("SELECT * FROM t");
    EXPECT_EQ(empty->RowCount(), 0u);
    EXPECT_TRUE(empty->Eof());
    EXPECT_EQ(empty->ColCount(), 0);
    EXPECT_EQ(ErrorOf([&] { empty->FieldAsStringByName("Opis"); }),
              "Field Opis Not found. Empty dataset");
    EXPECT_FALSE(empty->MoveFirst());
    EXPECT_FALSE(empty->MoveLast());

    db->ExecSQL("INSERT INTO t (Opis) VALUES ('a')");
    const auto one = db->GetTable("SELECT * FROM t");
    EXPECT_EQ(ErrorOf([&] { one->FieldAsStringByName("Brak"); }),
              "Field not found in dataset: Brak");
    for (const char* name : {"opis", "OPIS", "Opis", "oPiS"})
        EXPECT_EQ(one->FieldAsStringByName(name), "a") << name;
    EXPECT_EQ(one->ColumnIndexByName("id"), 0);
}

TEST_F(SQLiteLayerTest, DeclaredTypesDecideHowCellsAreHeldAndRead) {
    db->ExecSQL("CREATE TABLE t (i INTEGER, li integer, r REAL, b BOOL, bl BOOLEAN, lb boolean, "
                "d DATETIME, v VARCHAR(10), n NUMERIC, x BLOB, nt)");
    db->ExecSQL("INSERT INTO t VALUES (-42, 7, 1234.5, 1, 1, 1, '2013-05-14 17:45', 'zażółć', 3, "
                "x'414243', 5)");
    db->ExecSQL("INSERT INTO t VALUES (NULL, NULL, 3, NULL, 0, 0, NULL, NULL, 2.25, x'', 'tekst')");
    const auto t = db->GetTable("SELECT t.*, count(*) OVER () AS c, NULL AS z, 0.5 AS f FROM t");

    struct Case {
        const char* column;
        int type;
        const char* firstRow;
        const char* secondRow;
    };
    const Case cases[] = {
        {"i", TSQLiteTable::Integer, "-42", ""},
        // SQLite itself reports the standard type names upper-cased ("integer"
        // arrives as "INTEGER"); other names keep the case they were written in.
        {"li", TSQLiteTable::Integer, "7", ""},
        {"r", TSQLiteTable::Float, "1234,5", "3"},
        {"b", TSQLiteTable::Text, "1", ""},
        {"bl", TSQLiteTable::Integer, "1", "0"},
        {"lb", TSQLiteTable::Text, "1", "0"},
        {"d", TSQLiteTable::Text, "2013-05-14 17:45", ""},
        {"v", TSQLiteTable::Text, "zażółć", ""},
        {"n", TSQLiteTable::Float, "3", "2,25"},
        {"x", TSQLiteTable::Blob, "ABC", ""},
        {"nt", TSQLiteTable::Integer, "5", "0"}, // no declared type: first row's storage
        {"c", TSQLiteTable::Integer, "2", "2"},
        {"z", TSQLiteTable::Null, "", ""},
        {"f", TSQLiteTable::Float, "0,5", "0,5"},
    };
    for (const Case& c : cases) {
        const int index = t->ColumnIndexByName(c.column);
        EXPECT_EQ(t->ColumnTypes()[index], c.type) << c.column;
        t->MoveFirst();
        EXPECT_EQ(t->FieldAsStringByName(c.column), QString::fromUtf8(c.firstRow)) << c.column;
        t->Next();
        EXPECT_EQ(t->FieldAsStringByName(c.column), QString::fromUtf8(c.secondRow)) << c.column;
    }

    t->MoveFirst();
    EXPECT_EQ(ErrorOf([&] { t->FieldAsInteger(t->ColumnIndexByName("lb")); }),
              "Not an integer or numeric field");
    EXPECT_EQ(t->FieldAsInteger(t->ColumnIndexByName("r")), 1234);
    EXPECT_EQ(t->FieldAsDouble(t->ColumnIndexByName("i")), -42.0);
    EXPECT_EQ(*t->FieldAsBlob(t->ColumnIndexByName("x")), QByteArray("ABC"));
    EXPECT_EQ(ErrorOf([&] { t->FieldAsBlob(t->ColumnIndexByName("v")); }), "Not a Blob field");
    t->Next();
    EXPECT_TRUE(t->FieldIsNull(t->ColumnIndexByName("i")));
    EXPECT_TRUE(t->FieldIsNull(t->ColumnIndexByName("x"))) << "an empty blob is absent";
    EXPECT_EQ(t->FieldAsInteger(t->ColumnIndexByName("i")), 0);
    // The last column's type comes from the first row: a later text reads as integer 0.
    EXPECT_EQ(t->FieldAsInteger(t->ColumnIndexByName("nt")), 0);
}

TEST_F(SQLiteLayerTest, TextsAreUtf8InTheFile) {
    db->ExecSQL("CREATE TABLE t (Opis TEXT)");
    db->ExecSQL(QStringLiteral("INSERT INTO t VALUES ('Oszczędności €')"));
    EXPECT_EQ(db->GetTableString("SELECT hex(Opis) FROM t"),
              QString::fromLatin1(QStringLiteral("Oszczędności €").toUtf8().toHex().toUpper()));
    EXPECT_EQ(db->GetTable("SELECT Opis FROM t")->FieldAsString(0), "Oszczędności €");
}

TEST_F(SQLiteLayerTest, ExecSqlRunsOnlyTheFirstStatementAndRefusesRows) {
    db->ExecSQL("CREATE TABLE t (n INTEGER)");
    db->ExecSQL("INSERT INTO t VALUES (1); INSERT INTO t VALUES (2);");
    EXPECT_EQ(Count("t"), 1);
    EXPECT_TRUE(ErrorOf([&] {
                    db->ExecSQL("SELECT n FROM t");
                }).startsWith("Error executing SQL statement"));
    EXPECT_EQ(ErrorOf([&] { db->ExecSQL("  -- nothing\n"); }), "Could not prepare SQL statement");
    EXPECT_EQ(ErrorOf([&] { db->ExecSQL("SELEC 1"); }),
              "Error executing SQL.\rError [1]: SQL error or missing database.\r\"SELEC 1\": "
              "near \"SELEC\": syntax error");
    EXPECT_EQ(ErrorOf([&] { db->ExecSQL("INSERT INTO t VALUES (1, 2)"); }),
              "Error executing SQL.\rError [1]: SQL error or missing database.\r\"INSERT INTO t "
              "VALUES (1, 2)\": table t has 1 columns but 2 values were supplied");
}

TEST_F(SQLiteLayerTest, ConstraintFailureCarriesCodeTextAndStatement) {
    db->ExecSQL("CREATE TABLE t (n INTEGER NOT NULL)");
    EXPECT_EQ(ErrorOf([&] { db->ExecSQL("INSERT INTO t VALUES (NULL)"); }),
              "Error executing SQL statement.\rError [19]: Abort due to contraint violation.\r"
              "\"INSERT INTO t VALUES (NULL)\": NOT NULL constraint failed: t.n");
    EXPECT_EQ(CodeOf([&] { db->ExecSQL("INSERT INTO t VALUES (NULL)"); }),
              SQLITE_CONSTRAINT_NOTNULL);
}

// A transaction left without a commit is rolled back, and a rollback that
// fails as well never hides the error that ended the transaction.
TEST_F(SQLiteLayerTest, TransactionGuardRollsBackUnlessCommitted) {
    db->ExecSQL("CREATE TABLE t (n INTEGER NOT NULL)");
    {
        TSQLiteTransaction transakcja(*db);
        db->ExecSQL("INSERT INTO t VALUES (1)");
        transakcja.Commit();
    }
    EXPECT_FALSE(db->IsTransactionOpen());
    {
        TSQLiteTransaction transakcja(*db);
        db->ExecSQL("INSERT INTO t VALUES (2)");
        EXPECT_EQ(ErrorOf([&] { TSQLiteTransaction druga(*db); }), "Transaction already open");
    }
    EXPECT_FALSE(db->IsTransactionOpen());
    EXPECT_EQ(Count("t"), 1);

    db->SetOnQuery([](TSQLiteDatabase&, const QString& sql) {
        if (sql == "ROLLBACK")
            throw ESQLiteException("rollback failed", SQLITE_IOERR);
    });
    const int kod = CodeOf([&] {
        TSQLiteTransaction transakcja(*db);
        db->ExecSQL("INSERT INTO t VALUES (NULL)");
        transakcja.Commit();
    });
    EXPECT_EQ(kod, SQLITE_CONSTRAINT_NOTNULL) << "the insert's error, not the rollback's";
    EXPECT_TRUE(db->IsTransactionOpen()) << "the failed rollback left it open";
    db->SetOnQuery({});
    db->Rollback();
    EXPECT_EQ(Count("t"), 1);
}

TEST_F(SQLiteLayerTest, CursorMovesStopAtTheEnds) {
    db->ExecSQL("CREATE TABLE t (n INTEGER)");
    for (int n = 1; n <= 3; ++n)
        db->ExecSQL(QStringLiteral("INSERT INTO t VALUES (%1)").arg(n));
    const auto t = db->GetTable("SELECT n FROM t ORDER BY n");
    EXPECT_TRUE(t->Bof());
    EXPECT_FALSE(t->Previous());
    EXPECT_EQ(t->Row(), 0u);
    EXPECT_TRUE(t->MoveLast());
    EXPECT_EQ(t->FieldAsString(0), "3");
    EXPECT_TRUE(t->Next()) << "from the last row onto the end";
    EXPECT_TRUE(t->Eof());
    EXPECT_FALSE(t->Next());
    EXPECT_EQ(t->CountResult(), 0);
    EXPECT_EQ(ErrorOf([&] { t->FieldAsString(0); }), "Table is at End of File");
    EXPECT_TRUE(t->Previous());
    EXPECT_EQ(t->FieldAsString(0), "3");
    EXPECT_FALSE(t->MoveTo(3));
    EXPECT_TRUE(t->MoveTo(1));
    EXPECT_EQ(t->CountResult(), 2);
    EXPECT_TRUE(t->MoveFirst());
    EXPECT_EQ(t->FieldAsString(0), "1");
}

TEST_F(SQLiteLayerTest, SecondBeginLeavesTheOpenTransactionAlone) {
    db->ExecSQL("CREATE TABLE t (n INTEGER)");
    db->BeginTransaction();
    db->ExecSQL("INSERT INTO t VALUES (1)");
    EXPECT_EQ(ErrorOf([&] { db->BeginTransaction(); }), "Transaction already open");
    EXPECT_TRUE(db->IsTransactionOpen());
    db->Commit();
    EXPECT_FALSE(db->IsTransactionOpen());
    EXPECT_EQ(Count("t"), 1);

    db->BeginTransaction();
    db->ExecSQL("INSERT INTO t VALUES (2)");
    db->Rollback();
    EXPECT_FALSE(db->IsTransactionOpen());
    EXPECT_EQ(Count("t"), 1);
    EXPECT_TRUE(ErrorOf([&] { db->Commit(); }).startsWith("Error executing SQL statement"));
    EXPECT_EQ(CodeOf([&] { db->Commit(); }), SQLITE_ERROR) << "no transaction is active";
}

TEST_F(SQLiteLayerTest, FreeingAConnectionRollsItsTransactionBack) {
    db->ExecSQL("CREATE TABLE t (n INTEGER)");
    db->BeginTransaction();
    db->ExecSQL("INSERT INTO t VALUES (1)");
    db.reset();
    TSQLiteDatabase again(file.path());
    EXPECT_EQ(again.GetTableValue("SELECT count(*) FROM t"), 0);
}

TEST_F(SQLiteLayerTest, PendingParametersGoToTheNextStatementOnly) {
    db->ExecSQL("CREATE TABLE t (a INTEGER, b REAL, c TEXT, d TEXT)");
    db->AddParamInt(":a", 5000000000);
    db->AddParamFloat(":b", 2.5);
    db->AddParamText(":c", QStringLiteral("zażółć"));
    db->AddParamNull(":d");
    db->AddParamInt(":unused", 1);
    db->ExecSQL("INSERT INTO t VALUES (:a, :b, :c, :d)");
    EXPECT_TRUE(db->PendingParams().empty());
    const auto t = db->GetTable("SELECT a, b, c, d IS NULL FROM t");
    EXPECT_EQ(t->FieldAsString(0), "5000000000");
    EXPECT_EQ(t->FieldAsString(1), "2,5");
    EXPECT_EQ(t->FieldAsString(2), "zażółć");
    EXPECT_EQ(t->FieldAsString(3), "1");

    db->AddParamInt(":a", 1);
    EXPECT_NE(ErrorOf([&] { db->ExecSQL("INSERT INTO nowhere VALUES (:a)"); }), "<no error>");
    EXPECT_TRUE(db->PendingParams().empty()) << "discarded after a failure too";
    db->ExecSQL("INSERT INTO t (a) VALUES (:a)");
    EXPECT_EQ(db->GetTableValue("SELECT count(*) FROM t WHERE a IS NULL"), 1);
}

TEST_F(SQLiteLayerTest, LockedFileFailsAtOnce) {
    db->ExecSQL("CREATE TABLE t (n INTEGER)");
    EXPECT_EQ(Count("t"), 0); // the schema is read before the other program locks the file
    TSQLiteDatabase other(file.path());
    other.ExecSQL("BEGIN EXCLUSIVE");

    EXPECT_EQ(ErrorOf([&] { db->ExecSQL("INSERT INTO t VALUES (1)"); }),
              "Error executing SQL statement.\rError [5]: The database file is locked.\r"
              "\"INSERT INTO t VALUES (1)\": database is locked");
    EXPECT_EQ(ErrorOf([&] { db->GetTable("SELECT n FROM t"); }), "Could not prepare SQL statement");
    EXPECT_EQ(CodeOf([&] { db->ExecSQL("INSERT INTO t VALUES (1)"); }), SQLITE_BUSY);
    EXPECT_EQ(CodeOf([&] { db->GetTable("SELECT n FROM t"); }), SQLITE_BUSY);
    other.ExecSQL("ROLLBACK");
}

TEST_F(SQLiteLayerTest, SmallQueriesAndConnectionFacts) {
    db->ExecSQL("CREATE TABLE Lokaty (Id INTEGER PRIMARY KEY AUTOINCREMENT, Nazwa TEXT)");
    EXPECT_TRUE(db->TableExists("lokaty"));
    EXPECT_TRUE(db->TableExists("LOKATY"));
    EXPECT_FALSE(db->TableExists("Brak"));
    EXPECT_FALSE(db->TableExists("x' OR '1'='1"));
    db->ExecSQL("INSERT INTO Lokaty (Nazwa) VALUES ('a')");
    db->ExecSQL("INSERT INTO Lokaty (Nazwa) VALUES ('b')");
    EXPECT_EQ(db->GetLastInsertRowID(), 2);
    db->ExecSQL("UPDATE Lokaty SET Nazwa = 'c'");
    EXPECT_EQ(db->RowsChanged(), 2);
    EXPECT_EQ(db->GetLastChangedRows(), 4);
    EXPECT_EQ(db->GetTableValue("SELECT Id FROM Lokaty WHERE Id > 5"), 0);
    EXPECT_EQ(db->GetTableString("SELECT Nazwa FROM Lokaty WHERE Id > 5"), "");
    QStringList values{"old"};
    db->GetTableStrings("SELECT Id FROM Lokaty ORDER BY Id DESC", values);
    EXPECT_EQ(values, QStringList({"2", "1"}));
    const auto uni = db->GetUniTable("SELECT Id, Nazwa FROM Lokaty ORDER BY Id");
    EXPECT_EQ(uni->Columns(), QStringList({"ID", "NAZWA"}));
    EXPECT_EQ(uni->FieldAsInteger(0), 1);
    EXPECT_TRUE(uni->Next());
    EXPECT_FALSE(uni->Next());
    EXPECT_TRUE(uni->Eof());
    EXPECT_EQ(TSQLiteDatabase::Version(), QString::fromLatin1(sqlite3_libversion()));
}

TEST(SQLiteErrorCodeText, KnownAndUnknownCodes) {
    EXPECT_EQ(TSQLiteDatabase::ErrorCodeText(0), "Successful result");
    EXPECT_EQ(TSQLiteDatabase::ErrorCodeText(5), "The database file is locked");
    EXPECT_EQ(TSQLiteDatabase::ErrorCodeText(26), "File opened that is not a database file");
    EXPECT_EQ(TSQLiteDatabase::ErrorCodeText(101), "sqlite3_step() has finished executing");
    EXPECT_EQ(TSQLiteDatabase::ErrorCodeText(27), "Unknown SQLite Error Code \"27\"");
}

TEST(SQLiteOpen, FileThatCannotBeOpenedNamesItAndTheReason) {
    TempDatabaseFile file;
    const QString path = file.folder() + "/brak/plik.dat";
    EXPECT_EQ(ErrorOf([&] { TSQLiteDatabase db(path); }),
              "Failed to open database \"" + path + "\" : unable to open database file");
    EXPECT_EQ(CodeOf([&] { TSQLiteDatabase db(path); }) & 0xFF, SQLITE_CANTOPEN);
}

} // namespace

// A private copy of a data file is read through a mapping and written
// without waiting for the disk; only connections opened while the scope
// lives are set so, and they keep it.
TEST(SQLiteScratchCopy, SetsOnlyTheConnectionsOpenedWhileItLives) {
    TempDatabaseFile file;
    using Settings = std::tuple<int64_t, int64_t, int64_t>; // mmap_size, synchronous, temp_store
    const auto settings = [](TSQLiteDatabase& db) {
        return Settings{db.GetTableValue("PRAGMA mmap_size"),
                        db.GetTableValue("PRAGMA synchronous"),
                        db.GetTableValue("PRAGMA temp_store")};
    };
    std::unique_ptr<TSQLiteDatabase> copy;
    {
        const TSQLiteScratchCopy scratch;
        copy = std::make_unique<TSQLiteDatabase>(file.path());
    }
    TSQLiteDatabase plain(file.path());
    EXPECT_EQ(settings(*copy), Settings(int64_t{1} << 30, 0, 2)) << "mapped, OFF, MEMORY";
    // Every connection sorts in memory; mapping and synchronous stay SQLite's defaults.
    EXPECT_EQ(settings(plain), Settings(0, 2, 2)) << "not mapped, FULL, MEMORY";
}
