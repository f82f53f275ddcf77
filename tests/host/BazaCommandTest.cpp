#include "BazaCommand.h"
#include "HostCommands.h"
#include "common/ScriptedMessageBoxes.h"
#include "data/TSQLiteDatabase.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct TWynik {
    int kod;
    QString out;
    QString err;
};

TWynik Uruchom(const QStringList& argumenty) {
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int kod = RunHostCommand(QStringList{"baza"} + argumenty, outStream, errStream);
    return {kod, out, err};
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
    struct Case {
        QStringList argumenty;
        int kod;
        const char* bladZaczynaSie;
    };
    const Case cases[] = {
        {{}, 2, "Podaj plik danych: --db PLIK."},
        {{"--db"}, 2, "Po --db brakuje ścieżki pliku danych."},
        {{"--db", "x.dat", "--csv"}, 2, "Nieznany argument: --csv"},
        {{"--db", "/proc/DataFile.dat"},
         1,
         "Nie można utworzyć i pracować na bazie danych, lokalizacja w której znajdują się pliki "
         "z danymi jest tylko-do-odczytu"},
    };
    for (const Case& c : cases) {
        const TWynik wynik = Uruchom(c.argumenty);
        EXPECT_EQ(wynik.kod, c.kod) << c.argumenty.join(' ').toStdString();
        EXPECT_TRUE(wynik.err.startsWith(QString::fromUtf8(c.bladZaczynaSie)))
            << wynik.err.toStdString();
        EXPECT_TRUE(wynik.out.isEmpty());
    }
    const TWynik pomoc = Uruchom({"--help"});
    EXPECT_EQ(pomoc.kod, 0);
    EXPECT_TRUE(pomoc.out.startsWith("Użycie: talvora baza --db PLIK [--json]"));
}

} // namespace
