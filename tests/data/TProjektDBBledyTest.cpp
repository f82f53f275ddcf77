#include "TempDatabaseFile.h"
#include "ZrzutBazy.h"
#include "common/ScriptedMessageBoxes.h"
#include "data/EBazaTylkoDoOdczytu.h"
#include "data/KomunikatyStartu.h"
#include "data/TProjektDB.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

const QString kBazaTylkoDoOdczytu = QStringLiteral(
    "Nie można utworzyć i pracować na bazie danych, lokalizacja w której znajdują się pliki z "
    "danymi jest tylko-do-odczytu lub sam plik z danymi może mieć atrybut tylko do odczytu, baza "
    "w tym przypadku nie może poprawnie funkcjonować. Upewnij się również że żaden inny program "
    "nie blokuje do niej dostępu tzn nie używa jej. Przenieś program wraz ze wszystkimi plikami w "
    "inne miejsce lub sprawdź atrybuty pliku \"");
const QString kUszkodzonyPlik = QStringLiteral(
    "Plik z danymi \"%1\" jest uszkodzony lub nie jest plikiem bazy danych, program nie może na "
    "nim pracować. Odtwórz plik z kopii zapasowej lub wskaż inny plik z danymi.\r");

QByteArray Zawartosc(const QString& sciezka) {
    QFile plik(sciezka);
    return plik.open(QIODevice::ReadOnly) ? plik.readAll() : QByteArray();
}

struct TWynikStartu {
    QString blad;
    bool tylkoDoOdczytu = false;
    // The failed batches the error hands over to be shown before it.
    QList<TWynikPolecenSQL> bledyPolecen;
};

TWynikStartu Uruchom(const std::function<std::unique_ptr<TProjektDB>()>& start) {
    try {
        start();
    } catch (const EBazaTylkoDoOdczytu& e) {
        return {e.Message(), true, e.BledyPolecen()};
    } catch (const EDataError& e) {
        return {e.Message(), false, e.BledyPolecen()};
    }
    return {QStringLiteral("<no error>"), false, {}};
}

TWynikStartu Uruchom(const QString& plik) {
    return Uruchom([&] { return std::make_unique<TProjektDB>(plik); });
}

TEST(TProjektDBBledy, NoFileNamesIsBadInput) {
    const QString tekst = QStringLiteral(
        "Nie można nawiązać połączenia z bazą danych. Przekazano błędne dane wejściowe.");
    EXPECT_EQ(
        Uruchom([] { return std::make_unique<TProjektDB>(std::unique_ptr<TPlikiDB>()); }).blad,
        tekst);
    EXPECT_EQ(Uruchom(QString()).blad, tekst);
}

// Tests run as root, whom file modes do not stop; a folder that would have to
// be made inside a regular file cannot be created by anyone.
TEST(TProjektDBBledy, FolderThatCannotBeCreated) {
    TempDatabaseFile file;
    QFile zwyklyPlik(file.path());
    ASSERT_TRUE(zwyklyPlik.open(QIODevice::WriteOnly));
    zwyklyPlik.close();
    const QString folder = file.path() + "/Dane";

    const TWynikStartu wynik = Uruchom(folder + "/DataFile.dat");
    EXPECT_EQ(wynik.blad,
              "Nie można nawiązać połączenia z bazą danych. Nie znaleziono plików z danymi, próba "
              "ich utworzenia nie powiodła się. Nie można utworzyć folderu " +
                  folder +
                  " w którym utworzona będzie baza danych !!!\rSprawdź czy masz do tego "
                  "odpowiednie uprawnienia lub czy zapis w podanej lokalizacji jest możliwy.\r"
                  "Not a directory");
    EXPECT_FALSE(wynik.tylkoDoOdczytu);
}

TEST(TProjektDBBledy, MissingFoldersAreCreated) {
    ScriptedMessageBoxes boxes;
    TempDatabaseFile file;
    const QString plik = file.folder() + "/a/b/DataFile.dat";
    TProjektDB projekt(plik);
    EXPECT_TRUE(QFile::exists(plik));
    EXPECT_EQ(QDir(file.folder() + "/a/b").entryList(QDir::Files), QStringList({"DataFile.dat"}))
        << "the write test leaves no file behind";
}

// /proc takes no new files, not even from root.
TEST(TProjektDBBledy, ReadOnlyLocation) {
    const TWynikStartu wynik = Uruchom(QStringLiteral("/proc/DataFile.dat"));
    EXPECT_EQ(wynik.blad,
              "Nie można utworzyć i pracować na bazie danych, lokalizacja w której znajdują się "
              "pliki z danymi jest tylko-do-odczytu, baza w tym przypadku nie może poprawnie "
              "funkcjonować. Przenieś program wraz ze wszystkimi plikami w inne miejsce.");
    EXPECT_TRUE(wynik.tylkoDoOdczytu);
}

// The file is refused before anything is written: the first reading of
// its schema fails, and the message is chosen by SQLite's code.
TEST(TProjektDBBledy, FileLockedByAnotherProgramFailsAtOnce) {
    TempDatabaseFile file;
    { TProjektDB pierwszy(file.path()); }
    TSQLiteDatabase inny(file.path());
    inny.ExecSQL("BEGIN EXCLUSIVE");
    ScriptedMessageBoxes boxes;

    const TWynikStartu wynik = Uruchom(file.path());
    EXPECT_EQ(wynik.blad,
              "Plik z danymi \"" + file.path() +
                  "\" jest zablokowany przez inny program, który właśnie z niego korzysta. "
                  "Zamknij ten program lub poczekaj aż skończy pracę i uruchom program ponownie.\r"
                  "Error executing SQL.\rError [5]: The database file is locked.\r\"SELECT name "
                  "FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%' ORDER BY "
                  "name\": database is locked");
    EXPECT_TRUE(wynik.tylkoDoOdczytu);
    EXPECT_TRUE(boxes.messages.isEmpty());
    EXPECT_TRUE(wynik.bledyPolecen.isEmpty()) << "no batch ran";
    inny.ExecSQL("ROLLBACK");
}

// Another program writing the file: its schema can be read, the write test
// cannot write. The refusal ends the start-up and hands over the write
// test's failure, which is shown before it as every failed batch is.
TEST(TProjektDBBledy, WriteTestFailureGoesWithTheRefusal) {
    TempDatabaseFile file;
    { TProjektDB pierwszy(file.path()); }
    TSQLiteDatabase inny(file.path());
    inny.ExecSQL("BEGIN IMMEDIATE");
    ScriptedMessageBoxes boxes;

    const TWynikStartu wynik = Uruchom(file.path());
    EXPECT_TRUE(wynik.tylkoDoOdczytu);
    ASSERT_EQ(wynik.bledyPolecen.size(), 1);
    const TWynikPolecenSQL& test = wynik.bledyPolecen[0];
    EXPECT_EQ(test.Stan, TWynikPolecenSQL::TStan::Blad);
    EXPECT_EQ(test.KodSQLite, SQLITE_BUSY);
    EXPECT_TRUE(test.Blad.endsWith("database is locked")) << test.Blad.toStdString();
    EXPECT_EQ(wynik.blad, KomunikatBrakuZapisu(SQLITE_BUSY, file.path(), test.Blad));
    EXPECT_TRUE(boxes.messages.isEmpty()) << boxes.texts().join("\n").toStdString();
    inny.ExecSQL("ROLLBACK");
}

// A table, index or view that cannot be created does not stop the start-up:
// the project keeps the failures, in the order they happened, for its owner
// to show, and shows nothing itself.
TEST(TProjektDBBledy, FailedCreationsAreKeptAndTheStartUpGoesOn) {
    TempDatabaseFile file;
    { TProjektDB pierwszy(file.path()); }
    UtworzPlik(file.path(), {"DROP INDEX index_Osoby", "CREATE TABLE index_Osoby (x)",
                             "DROP VIEW vWydatki", "CREATE INDEX vWydatki ON Plany (Nazwa)"});
    ScriptedMessageBoxes boxes;

    TProjektDB projekt(file.path());
    EXPECT_TRUE(boxes.messages.isEmpty()) << boxes.texts().join("\n").toStdString();
    const QList<TWynikPolecenSQL> bledy = projekt.WezBledyPolecen();
    ASSERT_EQ(bledy.size(), 2);
    EXPECT_TRUE(bledy[0].Blad.endsWith("there is already a table named index_Osoby"))
        << bledy[0].Blad.toStdString();
    EXPECT_TRUE(bledy[1].Blad.endsWith("there is already an index named vWydatki"))
        << bledy[1].Blad.toStdString();
    EXPECT_TRUE(projekt.WezBledyPolecen().isEmpty()) << "handed over once";
}

TEST(TProjektDBBledy, FileThatIsNotADatabase) {
    TempDatabaseFile file;
    QFile plik(file.path());
    ASSERT_TRUE(plik.open(QIODevice::WriteOnly));
    plik.write(QByteArray(4096, 'x'));
    plik.close();
    ScriptedMessageBoxes boxes;

    const TWynikStartu wynik = Uruchom(file.path());
    EXPECT_EQ(wynik.blad, kUszkodzonyPlik.arg(file.path()) +
                              "Error executing SQL.\rError [26]: File opened that is not a "
                              "database file.\r\"SELECT name FROM sqlite_master WHERE type = "
                              "'table' AND name NOT LIKE 'sqlite_%' ORDER BY name\": file is not "
                              "a database");
    EXPECT_TRUE(boxes.messages.isEmpty());
    EXPECT_EQ(Zawartosc(file.path()), QByteArray(4096, 'x')) << "the file is left as it was";
}

// The write test tells why the file cannot be written by SQLite's code;
// SQLite's own line follows the message.
TEST(TProjektDBBledy, CannotWriteMessageFollowsSQLitesCode) {
    const QString plik = QStringLiteral("/dane/DataFile.dat");
    const QString tylkoDoOdczytu = kBazaTylkoDoOdczytu + plik + "\".\rprzyczyna";
    const QString pelnyDysk = "Nie można zapisać danych w pliku \"" + plik +
                              "\", na dysku zabrakło miejsca. Zwolnij miejsce na dysku i uruchom "
                              "program ponownie.\rprzyczyna";
    const QString uszkodzony = kUszkodzonyPlik.arg(plik) + "przyczyna";
    const QString zablokowany = "Plik z danymi \"" + plik +
                                "\" jest zablokowany przez inny program, który właśnie z niego "
                                "korzysta. Zamknij ten program lub poczekaj aż skończy pracę i "
                                "uruchom program ponownie.\rprzyczyna";
    const struct {
        int kod;
        const QString& komunikat;
    } przypadki[] = {
        {SQLITE_READONLY, tylkoDoOdczytu},
        {SQLITE_READONLY_DBMOVED, tylkoDoOdczytu},
        {SQLITE_PERM, tylkoDoOdczytu},
        {SQLITE_CANTOPEN, tylkoDoOdczytu},
        {SQLITE_IOERR_WRITE, tylkoDoOdczytu},
        {0, tylkoDoOdczytu},
        {SQLITE_FULL, pelnyDysk},
        {SQLITE_CORRUPT, uszkodzony},
        {SQLITE_NOTADB, uszkodzony},
        {SQLITE_BUSY, zablokowany},
        {SQLITE_BUSY_SNAPSHOT, zablokowany},
        {SQLITE_LOCKED, zablokowany},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(KomunikatBrakuZapisu(p.kod, plik, "przyczyna"), p.komunikat) << p.kod;
}

// Another program's database (a Lokaty table of its own, unrelated tables)
// is refused before the first write; an empty file, one of ours with extra
// tables and one with our table in an old layout go on.
TEST(TProjektDBBledy, ForeignFileIsRefusedUnchanged) {
    const auto obcy = [](const QString& tabele) {
        return "Plik \"%1\" nie jest plikiem z danymi programu, zawiera tabele innego programu (" +
               tabele +
               "). Plik pozostawiono bez zmian. Wskaż właściwy plik z danymi lub nowy plik.";
    };
    const struct {
        std::initializer_list<const char*> uklad;
        QString blad;
    } przypadki[] = {
        {{"CREATE TABLE Lokaty (id INTEGER PRIMARY KEY, bank TEXT, procent REAL, koniec TEXT)",
          "INSERT INTO Lokaty (bank, procent, koniec) VALUES ('Alfa', 5.5, '2030-01-01')",
          "CREATE TABLE klienci (id INTEGER PRIMARY KEY, nazwisko TEXT)",
          "CREATE TABLE ustawienia (klucz TEXT, wartosc TEXT)",
          "CREATE INDEX i ON klienci (nazwisko)"},
         obcy("Lokaty")},
        {{"CREATE TABLE a (x)", "CREATE TABLE b (y)", "CREATE TABLE c (z)", "CREATE TABLE d (v)",
          "CREATE TABLE e (w)", "CREATE TABLE f (u)"},
         obcy("a, b, c, d, e, …")},
        {{"CREATE TABLE Osoby (Id INTEGER PRIMARY KEY, Imie TEXT)",
          "CREATE TABLE Lokaty (Id INTEGER)"},
         obcy("Lokaty")},
        {{}, "<no error>"},
        {{"CREATE TABLE Lokaty (Id INTEGER PRIMARY KEY, Nazwa TEXT, Kwota REAL, DataRozpoczecia "
          "DATETIME, IloscMiesiecy INTEGER)",
          "CREATE TABLE notatki (tekst TEXT)"},
         "<no error>"},
    };
    for (const auto& p : przypadki) {
        TempDatabaseFile file;
        UtworzPlik(file.path(), p.uklad);
        const QByteArray przed = Zawartosc(file.path());
        ScriptedMessageBoxes boxes;
        const TWynikStartu wynik = Uruchom(file.path());
        EXPECT_EQ(wynik.blad, p.blad.arg(file.path()));
        EXPECT_TRUE(boxes.messages.isEmpty()) << boxes.texts().join("\n").toStdString();
        if (p.blad != "<no error>") {
            EXPECT_FALSE(wynik.tylkoDoOdczytu);
            EXPECT_EQ(Zawartosc(file.path()), przed) << p.blad.toStdString();
        }
    }
}

// A damaged page of a table fails the upgrade's column probe; the start-up
// ends with SQLite's own reason instead of adding a column that exists.
TEST(TProjektDBBledy, DamagedTableEndsTheStartUpWithSQLitesReason) {
    TempDatabaseFile file;
    int strona = 0, rozmiar = 0;
    {
        ScriptedMessageBoxes boxes;
        TProjektDB projekt(file.path());
        strona = static_cast<int>(projekt.Baza().GetTableValue(
            "SELECT rootpage FROM sqlite_master WHERE name = 'KategorieWydatkow'"));
        rozmiar = static_cast<int>(projekt.Baza().GetTableValue("PRAGMA page_size"));
    }
    QFile plik(file.path());
    ASSERT_TRUE(plik.open(QIODevice::ReadWrite));
    ASSERT_TRUE(plik.seek(static_cast<qint64>(strona - 1) * rozmiar));
    plik.write(QByteArray(rozmiar, '\xA5'));
    plik.close();

    ScriptedMessageBoxes boxes;
    const TWynikStartu wynik = Uruchom(file.path());
    EXPECT_EQ(wynik.blad, kUszkodzonyPlik.arg(file.path()) +
                              "Could not retrieve data.\rError [11]: The database disk image is "
                              "malformed.\r\"SELECT Waga FROM KategorieWydatkow\": database disk "
                              "image is malformed");
    EXPECT_TRUE(boxes.messages.isEmpty()) << boxes.texts().join("\n").toStdString();
}

TEST(TProjektDBBledy, PathThatIsAFolderCannotBeOpened) {
    TempDatabaseFile file;
    ASSERT_TRUE(QDir().mkpath(file.path()));
    ScriptedMessageBoxes boxes;
    const TWynikStartu wynik = Uruchom(file.path());
    EXPECT_EQ(wynik.blad,
              "Failed to open database \"" + file.path() + "\" : unable to open database file");
    EXPECT_FALSE(wynik.tylkoDoOdczytu);
}

TEST(TProjektDBBledy, FailingUpgradeStatementEndsTheStartUp) {
    TempDatabaseFile file;
    UtworzPlik(file.path(), {"CREATE VIEW KategorieWydatkow AS SELECT 1 AS Id, 'a' AS Opis"});
    ScriptedMessageBoxes boxes;
    const TWynikStartu wynik = Uruchom(file.path());
    EXPECT_EQ(wynik.blad, "Error executing SQL.\rError [1]: SQL error or missing database.\r"
                          "\"ALTER TABLE KategorieWydatkow ADD Waga INTEGER NOT NULL DEFAULT 10\": "
                          "Cannot add a column to a view");
    EXPECT_TRUE(boxes.messages.isEmpty()) << boxes.texts().join("\n").toStdString();
    ASSERT_FALSE(wynik.bledyPolecen.isEmpty()) << "the failed creation goes with the error";
    EXPECT_TRUE(wynik.bledyPolecen[0].Blad.contains("\"index_KategorieWydatkow\""));
    EXPECT_TRUE(wynik.bledyPolecen[0].Blad.endsWith("views may not be indexed"))
        << wynik.bledyPolecen[0].Blad.toStdString();
}

} // namespace
