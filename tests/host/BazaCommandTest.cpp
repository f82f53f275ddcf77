#include "UruchomPolecenie.h"
#include "common/ScriptedMessageBoxes.h"
#include "data/sqlite/TSQLiteDatabase.h"
#include "tools/HostTools.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using TWynik = TWynikPolecenia;

TWynik Uruchom(const QStringList& argumenty) {
    return UruchomPolecenie("baza", argumenty);
}

TEST(BazaCommand, CreatesTheFileAndListsItsTablesAsJson) {
    ScriptedMessageBoxes boxes;
    QTemporaryDir dir;
    const QString plik = QDir(dir.path()).filePath("nowy/DataFile.dat");
    const TWynik wynik = Uruchom({"--db", plik, "--json"});
    ASSERT_EQ(wynik.kod, 0) << wynik.err.toStdString();
    EXPECT_TRUE(wynik.err.isEmpty());

    EXPECT_TRUE(wynik.out.startsWith("{\n    \"sqlite\": \"" + TSQLiteDatabase::Version() +
                                     "\",\n    \"plik\": "));
    const QJsonObject json = QJsonDocument::fromJson(wynik.out.toUtf8()).object();
    EXPECT_EQ(json["sqlite"].toString(), TSQLiteDatabase::Version());
    EXPECT_EQ(json["plik"].toString(), plik);
    const QJsonObject tabele = json["tabele"].toObject();
    EXPECT_EQ(tabele.size(), 16);
    EXPECT_EQ(tabele["Czestotliwosci"].toInt(-1), 9);
    EXPECT_EQ(tabele["Lokaty"].toInt(-1), 0);
    EXPECT_FALSE(tabele.contains("sqlite_sequence"));
}

// A file made by the tool is the file the window makes at its first start:
// a person, the default categories and a savings balance that may pay, so
// an ended deposit's profit has somewhere to go.
TEST(BazaCommand, ANewFileGetsTheHouseholdRecordsOfTheWindowsFirstStart) {
    ScriptedMessageBoxes boxes;
    QTemporaryDir dir;
    const QString plik = QDir(dir.path()).filePath("DataFile.dat");
    ASSERT_EQ(Uruchom({"--db", plik}).kod, 0);
    TSQLiteDatabase baza(plik);
    EXPECT_EQ(baza.GetTableValue("SELECT count(*) FROM Osoby"), 1);
    EXPECT_GT(baza.GetTableValue("SELECT count(*) FROM KategorieWydatkow"), 0);
    EXPECT_EQ(baza.GetTableValue("SELECT count(*) FROM Oszczednosci JOIN KategorieOszczednosci "
                                 "ON Oszczednosci.IdKategoriaOszczednosci = "
                                 "KategorieOszczednosci.Id WHERE MoznaZaplacic = 1"),
              1);
    ASSERT_EQ(Uruchom({"--db", plik}).kod, 0);
    EXPECT_EQ(baza.GetTableValue("SELECT count(*) FROM Osoby"), 1) << "an existing file is kept";
}

TEST(BazaCommand, HumanListShowsEveryTableWithItsRows) {
    ScriptedMessageBoxes boxes;
    QTemporaryDir dir;
    const QString plik = QDir(dir.path()).filePath("DataFile.dat");
    const TWynik wynik = Uruchom({"--db=" + plik});
    ASSERT_EQ(wynik.kod, 0) << wynik.err.toStdString();
    EXPECT_TRUE(wynik.out.startsWith("SQLite: " + TSQLiteDatabase::Version() + "\nPlik:   " + plik +
                                     "\nTabele (16):\n"))
        << wynik.out.toStdString();
    EXPECT_TRUE(wynik.out.contains("\n  Czestotliwosci         9\n")) << wynik.out.toStdString();
}

TEST(BazaCommand, ArgumentsAndStartUpErrors) {
    SprawdzBledyIPomoc(
        "baza",
        {
            {{}, 2, "Podaj plik danych: --db PLIK."},
            {{"--db"}, 2, "Argument --db wymaga wartości."},
            {{"--db="}, 2, "Podaj plik danych: --db PLIK."},
            {{"--db", "x.dat", "--csv"}, 2, "Nieznany argument: --csv"},
            {{"--db", "/tmp"}, 1, "\"/tmp\" nie jest plikiem danych: to nie jest zwykły plik"},
            {{"--db", "/dev/null"}, 1, "\"/dev/null\" nie jest plikiem danych"},
            {{"--db", "/proc/DataFile.dat"},
             1,
             "Nie można utworzyć i pracować na bazie danych, lokalizacja w której znajdują się "
             "pliki z danymi jest tylko-do-odczytu"},
        },
        "Użycie: talvora baza --db PLIK [--json]");
}

// The data layer hands its failed statements back; the tool shows each in
// the error box: a creation that fails while the start-up goes on, and the
// write test that fails before the start-up's refusal, which follows it.
TEST(BazaCommand, FailedStatementsOfTheStartUpAreShown) {
    QTemporaryDir dir;
    const QString plik = QDir(dir.path()).filePath("DataFile.dat");
    ASSERT_EQ(Uruchom({"--db", plik}).kod, 0);
    {
        TSQLiteDatabase baza(plik);
        baza.ExecSQL("DROP INDEX index_Osoby");
        baza.ExecSQL("CREATE TABLE index_Osoby (x)");
    }
    ScriptedMessageBoxes boxes;
    EXPECT_EQ(Uruchom({"--db", plik}).kod, 0);
    ASSERT_EQ(boxes.messages.size(), 1) << boxes.texts().join('\n').toStdString();
    EXPECT_EQ(boxes.messages[0].caption, "BŁĄD !!!");
    EXPECT_EQ(boxes.messages[0].icon, TMessageIcon::Error);
    EXPECT_TRUE(boxes.messages[0].text.endsWith("there is already a table named index_Osoby"))
        << boxes.messages[0].text.toStdString();

    boxes.messages.clear();
    TSQLiteDatabase inny(plik);
    inny.ExecSQL("BEGIN IMMEDIATE");
    const TWynik wynik = Uruchom({"--db", plik});
    inny.ExecSQL("ROLLBACK");
    EXPECT_EQ(wynik.kod, 1);
    EXPECT_TRUE(wynik.err.contains("jest zablokowany przez inny program"))
        << wynik.err.toStdString();
    ASSERT_EQ(boxes.messages.size(), 1) << boxes.texts().join('\n').toStdString();
    EXPECT_EQ(boxes.messages[0].caption, "BŁĄD !!!");
    EXPECT_TRUE(boxes.messages[0].text.endsWith("database is locked"))
        << boxes.messages[0].text.toStdString();
}

} // namespace
