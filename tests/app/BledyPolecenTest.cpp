// The failed batches the data layer hands back reach the user here, each in
// the error box the batch runner's failures have always had.
#include "app/BledyPolecen.h"
#include "common/ScriptedMessageBoxes.h"
#include "data/EBazaTylkoDoOdczytu.h"
#include "data/TProjektDB.h"
#include "data/TempDatabaseFile.h"
#include "data/ZrzutBazy.h"
#include "data/sqlite/TSQLiteDatabase.h"

#include <gtest/gtest.h>

namespace {

using TStan = TWynikPolecenSQL::TStan;

TWynikPolecenSQL Nieudany(const QString& tekst) {
    return {TStan::Blad, tekst, 19};
}

void SprawdzSkrzynke(const TMessage& m) {
    EXPECT_EQ(m.caption, "BŁĄD !!!");
    EXPECT_EQ(m.icon, TMessageIcon::Error);
    EXPECT_EQ(m.buttons, TMessageButtons::Ok);
}

TEST(BledyPolecen, EachFailureInItsOwnErrorBoxInOrder) {
    ScriptedMessageBoxes boxes;
    PokazBledyPolecen(QList<TWynikPolecenSQL>{Nieudany("pierwszy"),
                                              TWynikPolecenSQL{},
                                              {TStan::Pominieto, QString(), 0},
                                              Nieudany("drugi\rz przyczyną")});
    ASSERT_EQ(boxes.messages.size(), 2) << "a batch that ran or was skipped shows nothing";
    for (const TMessage& m : boxes.messages)
        SprawdzSkrzynke(m);
    EXPECT_EQ(boxes.texts(), QStringList({"pierwszy", "drugi\rz przyczyną"}));
}

// A start-up that goes on past a creation that failed: the failure is shown
// once, and the project has none left to hand over.
TEST(BledyPolecen, OpeningShowsTheFailuresTheStartUpKept) {
    TempDatabaseFile plik;
    { TProjektDB pierwszy(plik.path()); }
    UtworzPlik(plik.path(), {"DROP INDEX index_Osoby", "CREATE TABLE index_Osoby (x)"});
    ScriptedMessageBoxes boxes;

    const std::unique_ptr<TProjektDB> projekt = OtworzProjektDB(plik.path());
    ASSERT_EQ(boxes.messages.size(), 1) << boxes.texts().join('\n').toStdString();
    SprawdzSkrzynke(boxes.messages[0]);
    EXPECT_TRUE(boxes.messages[0].text.endsWith("there is already a table named index_Osoby"))
        << boxes.messages[0].text.toStdString();
    EXPECT_TRUE(projekt->WezBledyPolecen().isEmpty());
}

// A start-up that fails: the write test's failure is shown before the
// refusal leaves, which the caller then shows.
TEST(BledyPolecen, AFailedOpeningShowsTheFailuresBeforeItsError) {
    TempDatabaseFile plik;
    { TProjektDB pierwszy(plik.path()); }
    TSQLiteDatabase inny(plik.path());
    inny.ExecSQL("BEGIN IMMEDIATE");
    ScriptedMessageBoxes boxes;

    try {
        OtworzProjektDB(plik.path());
        ADD_FAILURE() << "the file is being written by another program";
    } catch (const EBazaTylkoDoOdczytu& blad) {
        ASSERT_EQ(boxes.messages.size(), 1) << boxes.texts().join('\n').toStdString();
        SprawdzSkrzynke(boxes.messages[0]);
        EXPECT_TRUE(boxes.messages[0].text.endsWith("database is locked"))
            << boxes.messages[0].text.toStdString();
        EXPECT_TRUE(blad.Message().endsWith(boxes.messages[0].text)) << "the refusal quotes it";
    }
    inny.ExecSQL("ROLLBACK");
}

} // namespace
