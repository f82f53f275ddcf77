// The window path's arguments, the file it may be given, its default data
// files and the display check.
#include "window/WindowProgram.h"
#include "window/DisplayCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

TEST(WindowOptions, ReadsTheDataFileAndTheDemoFlag) {
    struct Case {
        QStringList arguments;
        bool ok;
        QString dataFile;
        bool demo;
        const char* error;
    };
    const Case cases[] = {
        {{}, true, {}, false, ""},
        {{"--demo"}, true, {}, true, ""},
        {{"--db", "moje.dat"}, true, "moje.dat", false, ""},
        {{"--db=inne.dat", "--demo"}, true, "inne.dat", true, ""},
        {{"--db"}, false, {}, false, "Argument --db wymaga wartości."},
        {{"--db="}, false, {}, false, "Po --db brakuje ścieżki pliku danych."},
        {{"--demo", "--demo"}, false, {}, false, "Argument --demo podano więcej niż raz."},
        {{"--bd", "moje.dat"}, false, {}, false, "Nieznany argument: --bd"},
    };
    for (const Case& c : cases) {
        WindowOptions options;
        QString error;
        const std::string where = c.arguments.join(' ').toStdString();
        ASSERT_EQ(ParseWindowOptions(c.arguments, options, error), c.ok) << where;
        EXPECT_EQ(error, QString::fromUtf8(c.error)) << where;
        if (c.ok) {
            EXPECT_EQ(options.dataFile, c.dataFile) << where;
            EXPECT_EQ(options.demo, c.demo) << where;
        }
    }
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    return path;
}

// "talvora FILE": the first bytes, not the name, tell a data file from an
// offer file; anything else is refused, named with what is wrong with it,
// before anything is opened. A FIFO is never read (it would block).
TEST(WindowOptions, TellsADataFileFromAnOfferFileByItsFirstBytes) {
    QTemporaryDir dir;
    const QString data =
        WriteFile(dir, "moje.dat", QByteArray("SQLite format 3\0", 16) + QByteArray(84, '\0'));
    const QString offers = WriteFile(dir, "oferty z banku", QByteArray("TPF0\x01\x00", 6));
    const QString notOffers = WriteFile(dir, "stare.vq_lb", "TPF");
    const QString empty = WriteFile(dir, "pusty.dat", "");
    const QString text = WriteFile(dir, "notatki.txt", "SQLite format 2");
    const QString fifo = dir.filePath("kolejka");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    struct Case {
        QStringList arguments;
        QString dataFile;
        QString offerFile;
        QString error;
    };
    const Case cases[] = {
        {{data}, data, {}, {}},
        {{offers}, {}, offers, {}},
        {{"--db", data, offers}, data, offers, {}},
        {{offers, "--demo"}, {}, offers, {}},
        {{"--db", "inny.dat", data},
         {},
         {},
         "Plik danych \"" + data + "\" podano obok --db inny.dat: podaj jeden plik danych."},
        {{"--demo", data},
         {},
         {},
         "Plik danych \"" + data + "\" podano obok --demo: podaj jeden plik danych."},
        {{data, offers}, {}, {}, "Nieznany argument: " + offers},
        {{notOffers},
         {},
         {},
         "Plik \"" + notOffers +
             "\" nie jest plikiem lokat bankowych: nie zaczyna się od \"TPF0\"."},
        {{empty},
         {},
         {},
         "Plik \"" + empty +
             "\" jest pusty, więc nie jest ani plikiem danych, ani plikiem lokat bankowych. Nowy "
             "plik danych zakłada: talvora --db PLIK"},
        {{text},
         {},
         {},
         "Plik \"" + text +
             "\" nie jest ani plikiem danych programu (bazą SQLite), ani plikiem lokat bankowych "
             "(.vq_lb)."},
        {{fifo},
         {},
         {},
         "\"" + fifo + "\" nie jest zwykłym plikiem (to folder, kolejka lub urządzenie)."},
        {{dir.path()},
         {},
         {},
         "\"" + dir.path() + "\" nie jest zwykłym plikiem (to folder, kolejka lub urządzenie)."},
        {{"lokatyy"}, {}, {}, "Nie ma pliku ani polecenia \"lokatyy\"."},
    };
    for (const Case& c : cases) {
        const std::string where = c.arguments.join(' ').toStdString();
        WindowOptions options;
        QString error;
        EXPECT_EQ(ParseWindowOptions(c.arguments, options, error), c.error.isEmpty()) << where;
        EXPECT_EQ(error, c.error) << where;
        if (c.error.isEmpty()) {
            EXPECT_EQ(options.dataFile, c.dataFile) << where;
            EXPECT_EQ(options.offerFile, c.offerFile) << where;
        }
    }
}

// The real program refuses such a file with exit code 2 before it looks for
// a display, and creates no data file or folder.
TEST(WindowOptions, ARefusedFileCreatesNothing) {
    QTemporaryDir dir;
    const QString text = WriteFile(dir, "notatki.txt", "lokaty");
    const QString dataHome = dir.filePath("dane");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", dataHome);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QCoreApplication::applicationDirPath() + "/talvora", {text});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), 2);
    EXPECT_EQ(QString::fromUtf8(program.readAllStandardError()),
              "Plik \"" + text +
                  "\" nie jest ani plikiem danych programu (bazą SQLite), ani plikiem lokat "
                  "bankowych (.vq_lb).\nOpis argumentów: talvora --help\n");
    EXPECT_FALSE(QFileInfo::exists(dataHome));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{"notatki.txt"});
}

// The user's file and the demo file are different files in the user's data folder.
TEST(WindowOptions, DefaultDataFilesLiveInTheUsersDataFolder) {
    const QString dataHome = QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME"));
    ASSERT_FALSE(dataHome.isEmpty());
    EXPECT_EQ(DefaultDataFile(false), QDir(dataHome).filePath("Talvora/DataFile.dat"));
    EXPECT_EQ(DefaultDataFile(true), QDir(dataHome).filePath("Talvora/DemoDataFile.dat"));
}

// Qt's own dialog texts (standard buttons) come out in Polish.
TEST(WindowOptions, QtsOwnTextsAreTranslated) {
    InstallQtTranslation(*QCoreApplication::instance());
    auto* translator = QCoreApplication::instance()->findChild<QTranslator*>();
    ASSERT_NE(translator, nullptr) << "qtbase_pl.qm is not installed";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Anuluj");
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

TEST(DisplayCheck, RefusesOnlyWhenNoWindowCanBeOpened) {
    struct Case {
        const char* platform;
        const char* display;
        const char* wayland;
        bool refused;
    };
    const Case cases[] = {
        {"", "", "", true},
        {"", ":0", "", false},
        {"", "", "wayland-0", false},
        {"xcb", "", "wayland-0", true},
        {"xcb", ":99", "", false},
        {"wayland", ":0", "", true},
        {"wayland-egl", "", "wayland-1", false},
        {"offscreen", "", "", false},
        {"offscreen:configfile=/tmp/x.json", "", "", false},
        {"minimal", "", "", false},
    };
    for (const Case& c : cases) {
        const QString message = MissingDisplayMessage(c.platform, c.display, c.wayland);
        EXPECT_EQ(!message.isEmpty(), c.refused)
            << c.platform << " / " << c.display << " / " << c.wayland;
        if (c.refused) {
            EXPECT_TRUE(
                message.startsWith("Brak ekranu: nie ustawiono DISPLAY ani WAYLAND_DISPLAY"));
        }
    }
}

} // namespace
