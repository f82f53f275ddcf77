// The reading tools see the committed state of a data file: rows committed
// to the write-ahead log of a file in WAL mode, and never the rows of a save
// that was cut short (a hot rollback journal left beside the file), which
// is undone in the tool's copy, not in the user's file.
#include "tools/ReadOnlyDataFile.h"
#include "common/ScriptedMessageBoxes.h"
#include "data/TKolekcjeDanych.h"
#include "data/TProjektDB.h"
#include "data/sqlite/TSQLiteDatabase.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ReadOnlyDataFileTest : public testing::Test {
protected:
    void SetUp() override { TProjektDB nowy(plik); }

    static void Dodaj(TSQLiteDatabase& baza, int ile) {
        for (int i = 0; i < ile; ++i)
            baza.ExecSQL(
                QStringLiteral(
                    "INSERT INTO HarmonogramyLokat (Bank, Nazwa, OkresDepozytu, JednostkaDepozytu, "
                    "OprocentowanieStaleWCalymOkresieLokaty, OprocentowanieWSkaliRoku, "
                    "Kapitalizacja, KwotaMinimalna, KwotaMaksymalna, "
                    "WymaganeKontoOsobisteWTymBanku, MozliwoscWczesniejszegoZerwaniaLokaty, "
                    "HarmonogramDodanyPrzezUzytkownika, DataDodania) VALUES ('Bank', "
                    "'Oferta %1', 3, 2, 1, 4.5, 1, 0, 0, 0, 0, 1, '2013-05-14 17:45:09')")
                    .arg(i));
    }
    static size_t Oferty(const QString& sciezka) {
        ReadOnlyDataFile odczyt(sciezka);
        odczyt.Project().OdswiezZawartoscKolekcji(TTabele::HarmonogramyLokatBankowych);
        return odczyt.Project().Kolekcje().HarmonogramyLokatBankowych().size();
    }

    ScriptedMessageBoxes komunikaty;
    QTemporaryDir katalog;
    QString plik = katalog.filePath("DataFile.dat");
};

TEST_F(ReadOnlyDataFileTest, RowsCommittedToTheWriteAheadLogAreRead) {
    TSQLiteDatabase pisarz(plik);
    pisarz.GetTableString("PRAGMA journal_mode=WAL");
    pisarz.GetTableString("PRAGMA wal_autocheckpoint=0");
    Dodaj(pisarz, 3);
    ASSERT_GT(QFileInfo(plik + "-wal").size(), 0) << "the rows wait in the log";
    EXPECT_EQ(Oferty(plik), 3u);
}

TEST_F(ReadOnlyDataFileTest, ASaveCutShortIsUndoneInTheCopyOnly) {
    const QString przerwany = katalog.filePath("Przerwany.dat");
    {
        TSQLiteDatabase pisarz(plik);
        Dodaj(pisarz, 6);
        // Pages spill into the file before the commit, as in a long save.
        pisarz.GetTableString("PRAGMA cache_size=1");
        pisarz.BeginTransaction();
        Dodaj(pisarz, 2000);
        // The state a killed program leaves: the file and its journal.
        ASSERT_TRUE(QFile::copy(plik, przerwany));
        ASSERT_TRUE(QFile::copy(plik + "-journal", przerwany + "-journal"));
        pisarz.Rollback();
    }
    QFile plikPrzerwany(przerwany);
    ASSERT_TRUE(plikPrzerwany.open(QIODevice::ReadOnly));
    const QByteArray przed = plikPrzerwany.readAll();
    plikPrzerwany.close();

    EXPECT_EQ(Oferty(przerwany), 6u);
    EXPECT_TRUE(komunikaty.messages.isEmpty());
    ASSERT_TRUE(plikPrzerwany.open(QIODevice::ReadOnly));
    EXPECT_EQ(plikPrzerwany.readAll(), przed) << "the user's file is left to the program";
    EXPECT_TRUE(QFile::exists(przerwany + "-journal"));
}

} // namespace
