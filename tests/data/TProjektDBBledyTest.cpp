#include "TempDatabaseFile.h"
#include "ZrzutBazy.h"
#include "common/ScriptedMessageBoxes.h"
#include "data/EBazaTylkoDoOdczytu.h"
#include "data/TProjektDB.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString kBazaTylkoDoOdczytu = QStringLiteral(
    "Nie można utworzyć i pracować na bazie danych, lokalizacja w której znajdują się pliki z "
    "danymi jest tylko-do-odczytu lub sam plik z danymi może mieć atrybut tylko do odczytu, baza "
    "w tym przypadku nie może poprawnie funkcjonować. Upewnij się również że żaden inny program "
    "nie blokuje do niej dostępu tzn nie używa jej. Przenieś program wraz ze wszystkimi plikami w "
    "inne miejsce lub sprawdź atrybuty pliku \"");

struct TWynikStartu {
    QString blad;
    bool tylkoDoOdczytu = false;
};

TWynikStartu Uruchom(const std::function<std::unique_ptr<TProjektDB>()>& start) {
    try {
        start();
    } catch (const EBazaTylkoDoOdczytu& e) {
        return {e.Message(), true};
    } catch (const EDataError& e) {
        return {e.Message(), false};
    }
    return {QStringLiteral("<no error>"), false};
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

TEST(TProjektDBBledy, FileLockedByAnotherProgramFailsAtOnce) {
    TempDatabaseFile file;
    { TProjektDB pierwszy(file.path()); }
    TSQLiteDatabase inny(file.path());
    inny.ExecSQL("BEGIN EXCLUSIVE");
    ScriptedMessageBoxes boxes;

    const TWynikStartu wynik = Uruchom(file.path());
    const QString przyczyna = "Error executing SQL.\rError [5]: The database file is locked.\r"
                              "\"DROP TABLE IF EXISTS \"Talvora_test\";\": database is locked";
    EXPECT_EQ(wynik.blad, kBazaTylkoDoOdczytu + file.path() + "\".\r" + przyczyna);
    EXPECT_TRUE(wynik.tylkoDoOdczytu);
    ASSERT_EQ(boxes.messages.size(), 1);
    EXPECT_EQ(boxes.messages[0].text, przyczyna);
    EXPECT_EQ(boxes.messages[0].caption, "BŁĄD !!!");
    EXPECT_EQ(boxes.messages[0].icon, TMessageIcon::Error);
    inny.ExecSQL("ROLLBACK");
}

TEST(TProjektDBBledy, FileThatIsNotADatabase) {
    TempDatabaseFile file;
    QFile plik(file.path());
    ASSERT_TRUE(plik.open(QIODevice::WriteOnly));
    plik.write(QByteArray(4096, 'x'));
    plik.close();
    ScriptedMessageBoxes boxes;

    const TWynikStartu wynik = Uruchom(file.path());
    const QString przyczyna = "Error executing SQL.\rError [26]: File opened that is not a "
                              "database file.\r\"DROP TABLE IF EXISTS \"Talvora_test\";\": file "
                              "is not a database";
    EXPECT_EQ(wynik.blad, kBazaTylkoDoOdczytu + file.path() + "\".\r" + przyczyna);
    EXPECT_EQ(boxes.texts(), QStringList({przyczyna}));
    QFile poStarcie(file.path());
    ASSERT_TRUE(poStarcie.open(QIODevice::ReadOnly));
    EXPECT_EQ(poStarcie.readAll(), QByteArray(4096, 'x')) << "the file is left as it was";
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
    EXPECT_FALSE(boxes.messages.isEmpty()) << "the failed creation was shown and start-up went on";
}

} // namespace
