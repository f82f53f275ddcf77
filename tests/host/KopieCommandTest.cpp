// `talvora kopie`: the backups of a data file listed with what they hold, and
// a restore that keeps the state it replaces as a backup of its own. The
// tools that write an export never write over a data file.
#include "UruchomPolecenie.h"
#include "common/ScriptedMessageBoxes.h"
#include "data/TKopieZapasowe.h"
#include "data/sqlite/TSQLiteDatabase.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class KopieCommandTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(UruchomPolecenie("baza", {"--db", plik}).kod, 0); }
    void DodajLokate(const char* nazwa) {
        TSQLiteDatabase baza(plik);
        baza.ExecSQL(QStringLiteral("INSERT INTO Lokaty (Nazwa, Kwota, DataRozpoczecia) VALUES "
                                    "('%1', 1000, '2026-01-01 00:00')")
                         .arg(nazwa));
    }
    QStringList Lokaty() {
        TSQLiteDatabase baza(plik);
        QStringList nazwy;
        baza.GetTableStrings("SELECT Nazwa FROM Lokaty ORDER BY Id", nazwy);
        return nazwy;
    }
    QByteArray Bajty(const QString& sciezka) {
        QFile f(sciezka);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    ScriptedMessageBoxes boxes;
    QTemporaryDir katalog;
    QString plik = katalog.filePath("DataFile.dat");
};

TEST_F(KopieCommandTest, ListsTheBackupsAndRestoresOne) {
    DodajLokate("stan A");
    const QString kopiaA = QFileInfo(TKopieZapasowe(plik).Utworz()).fileName();
    DodajLokate("stan B");

    const TWynikPolecenia lista = UruchomPolecenie("kopie", {"--db", plik, "--json"});
    ASSERT_EQ(lista.kod, 0) << lista.err.toStdString();
    const QJsonArray kopie = QJsonDocument::fromJson(lista.out.toUtf8()).array();
    ASSERT_EQ(kopie.size(), 1);
    EXPECT_EQ(kopie[0]["Nazwa"].toString(), kopiaA);
    EXPECT_EQ(kopie[0]["Lokaty"].toInt(), 1);
    EXPECT_GT(kopie[0]["Rozmiar"].toInt(), 0);

    const TWynikPolecenia przywrocenie =
        UruchomPolecenie("kopie", {"--db", plik, "--przywroc", kopiaA});
    ASSERT_EQ(przywrocenie.kod, 0) << przywrocenie.err.toStdString();
    EXPECT_EQ(Lokaty(), QStringList({"stan A"}));
    EXPECT_EQ(TKopieZapasowe(plik).Lista().size(), 2u) << "the replaced state is kept";

    const QString poprzednia = TKopieZapasowe(plik).Najnowsza()->Nazwa;
    ASSERT_EQ(UruchomPolecenie("kopie", {"--db", plik, "--przywroc", poprzednia}).kod, 0);
    EXPECT_EQ(Lokaty(), QStringList({"stan A", "stan B"})) << "a restore can be undone";

    const TWynikPolecenia brak = UruchomPolecenie("kopie", {"--db", plik, "--przywroc", "x.dat"});
    EXPECT_EQ(brak.kod, 1);
    EXPECT_TRUE(brak.err.startsWith("Nie ma kopii zapasowej \"x.dat\"")) << brak.err.toStdString();
}

// Same path, a link to it, another database: refused with the data file's
// bytes unchanged; a plain file may be replaced.
TEST_F(KopieCommandTest, ExportsNeverWriteOverADataFile) {
    const QString link = katalog.filePath("link.ics");
    ASSERT_TRUE(QFile::link(plik, link));
    const QString inna = katalog.filePath("inna.dat");
    ASSERT_EQ(UruchomPolecenie("baza", {"--db", inna}).kod, 0);
    const QString zwykly = katalog.filePath("zwykly.txt");
    for (const QString& cel : {plik, link, inna, zwykly}) {
        for (const char* narzedzie : {"oferty", "kalendarz"}) {
            SCOPED_TRACE((cel + " " + narzedzie).toStdString());
            QFile::remove(zwykly);
            QFile(zwykly).open(QIODevice::WriteOnly);
            const QByteArray przed = Bajty(cel);
            const QStringList argumenty = narzedzie == QStringLiteral("oferty")
                                              ? QStringList{"--db", plik, "--eksportuj", cel}
                                              : QStringList{"--db", plik, "--ics", cel};
            const TWynikPolecenia wynik = UruchomPolecenie(narzedzie, argumenty);
            if (cel == zwykly) {
                EXPECT_EQ(wynik.kod, 0) << wynik.err.toStdString();
                continue;
            }
            EXPECT_EQ(wynik.kod, 1);
            EXPECT_TRUE(wynik.err.startsWith("Nie można zapisać eksportu do pliku"))
                << wynik.err.toStdString();
            EXPECT_EQ(Bajty(cel), przed);
        }
    }
}

} // namespace
