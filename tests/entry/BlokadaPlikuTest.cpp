// One writer at a time: a data file open in a window is locked; a second
// window may only read it, the other writer (`baza`) is refused, reading
// tools are not blocked, and the lock of a killed program is taken over.
#include "common/ScriptedMessageBoxes.h"
#include "common/widgets/ModalActions.h"
#include "common/widgets/ModalWatchdog.h"
#include "data/TempDatabaseFile.h"
#include "data/ZrzutBazy.h"
#include "data/sqlite/TSQLiteDatabase.h"
#include "platform/DataFileLock.h"
#include "tools/HostTools.h"
#include "window/WindowProgram.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class BlokadaPliku : public testing::Test {
protected:
    int Okno(QString& bledy) {
        QTextStream err(&bledy);
        return RunWindowProgram({plik.path(), true, false}, err);
    }
    // Every row of every table: the data, whatever the file's header counts.
    QStringList Dane() {
        TSQLiteDatabase baza(plik.path());
        baza.SetTimeout(5000); // another process may be writing
        return ZrzutBazy(baza);
    }
    static int Narzedzie(const QStringList& argumenty, QString& bledy) {
        QString wynik;
        QTextStream out(&wynik);
        QTextStream err(&bledy);
        return RunHostCommand(argumenty, out, err);
    }

    ScriptedMessageBoxes komunikaty;
    ModalWatchdog straznik;
    TempDatabaseFile plik{QStringLiteral("DemoDataFile.dat")};
};

TEST_F(BlokadaPliku, ASecondWindowOpensTheFileOnlyToReadIt) {
    QString bledy;
    WhenModalShows([](QWidget& okno) { ClickButton(okno, "btn_OK"); });
    ASSERT_EQ(Okno(bledy), 0) << bledy.toStdString();
    const QStringList przed = Dane();

    DataFileLock pierwsze(plik.path());
    ASSERT_TRUE(pierwsze.tryLock());
    komunikaty.answers = {TMessageResult::Yes};
    QString tytul;
    bool zapisWlaczony = true, dodawanieWlaczone = true;
    WhenModalShows([&](QWidget& okno) {
        tytul = okno.windowTitle();
        zapisWlaczony = okno.findChild<QWidget*>("btn_OK")->isEnabled();
        dodawanieWlaczone = okno.findChild<QWidget*>("sbtn_DodajLokate")->isEnabled();
        okno.close();
    });
    EXPECT_EQ(Okno(bledy), 0) << bledy.toStdString();
    ASSERT_FALSE(komunikaty.messages.isEmpty());
    EXPECT_TRUE(
        komunikaty.messages[0].text.contains("jest otwarty w innym oknie programu (proces " +
                                             QString::number(QCoreApplication::applicationPid())));
    EXPECT_TRUE(komunikaty.messages[0].defaultNo);
    EXPECT_EQ(tytul, "Lokaty — DemoDataFile.dat (tylko do odczytu)");
    EXPECT_FALSE(zapisWlaczony);
    EXPECT_FALSE(dodawanieWlaczone);
    EXPECT_EQ(Dane(), przed);

    komunikaty.answers = {TMessageResult::No};
    bledy.clear();
    EXPECT_EQ(Okno(bledy), 1);
    EXPECT_TRUE(bledy.contains("jest otwarty w innym oknie programu")) << bledy.toStdString();
    EXPECT_EQ(Dane(), przed);
}

// The real program twice on one file: the first holds it, the second writer
// is refused; killed, the first leaves its lock behind and the next start
// takes it over.
TEST_F(BlokadaPliku, TheLockHoldsAcrossProcessesAndOutlivesNoKilledProgram) {
    QString bledy;
    ASSERT_EQ(Narzedzie({"baza", "--db", plik.path()}, bledy), 0) << bledy.toStdString();
    QProcess okno;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    okno.setProcessEnvironment(env);
    okno.start(QCoreApplication::applicationDirPath() + "/talvora", {"--db", plik.path()});
    ASSERT_TRUE(okno.waitForStarted(10000));
    const QString blokada = DataFileLock::lockFileName(plik.path());
    // The lock file is created first and names its owner a moment later.
    const QByteArray wlasciciel = QByteArray::number(okno.processId());
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            QFile f(blokada);
            return f.open(QIODevice::ReadOnly) && f.readLine().trimmed() == wlasciciel;
        },
        30000))
        << "the window never took its lock";
    const QStringList przed = Dane();

    bledy.clear();
    EXPECT_EQ(Narzedzie({"baza", "--db", plik.path()}, bledy), 1);
    EXPECT_TRUE(bledy.contains("jest otwarty w innym oknie programu (proces " +
                               QString::number(okno.processId())))
        << bledy.toStdString();
    EXPECT_EQ(Dane(), przed);
    bledy.clear();
    EXPECT_EQ(Narzedzie({"lokaty", "--db", plik.path()}, bledy), 0) << "reading is not blocked";

    okno.kill();
    ASSERT_TRUE(okno.waitForFinished(10000));
    EXPECT_TRUE(QFile::exists(blokada)) << "SIGKILL leaves the lock file";
    bledy.clear();
    EXPECT_EQ(Narzedzie({"baza", "--db", plik.path()}, bledy), 0) << bledy.toStdString();
}

// Started from the desktop menu nobody reads stderr: a failure to start is
// shown in a box too.
TEST_F(BlokadaPliku, AStartUpFailureIsShownOnScreen) {
    QString bledy;
    QTextStream err(&bledy);
    EXPECT_EQ(RunWindowProgram({QDir::tempPath(), false, false}, err), 1);
    ASSERT_EQ(komunikaty.messages.size(), 1);
    EXPECT_EQ(komunikaty.messages[0].caption, "BŁĄD !!!");
    EXPECT_TRUE(komunikaty.messages[0].text.contains("nie jest zwykły plik"));
    EXPECT_TRUE(bledy.contains("nie jest zwykły plik")) << bledy.toStdString();
}

} // namespace
