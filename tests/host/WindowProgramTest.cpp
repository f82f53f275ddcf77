// The window path's arguments, its default data files and the display check.
#include "WindowProgram.h"
#include "DisplayCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>
#include <gtest/gtest.h>

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
        {{"lokaty"}, false, {}, false, "Nieznany argument: lokaty"},
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
