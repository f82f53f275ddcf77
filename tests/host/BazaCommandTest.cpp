#include "BazaCommand.h"
#include "UruchomPolecenie.h"
#include "common/ScriptedMessageBoxes.h"
#include "data/sqlite/TSQLiteDatabase.h"

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
            {{"--db", "/proc/DataFile.dat"},
             1,
             "Nie można utworzyć i pracować na bazie danych, lokalizacja w której znajdują się "
             "pliki z danymi jest tylko-do-odczytu"},
        },
        "Użycie: talvora baza --db PLIK [--json]");
}

} // namespace
