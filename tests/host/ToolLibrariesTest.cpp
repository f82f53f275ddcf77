// The program loads only what a tool uses: the tools that need no window and
// no web never map Qt Widgets (nor Qt Gui), libcurl or gumbo; the web tools
// and the window load their libraries when they run. What a process maps is
// told by the dynamic loader itself (LD_DEBUG=files logs every library it
// maps, at start and by dlopen), so nothing in the program serves the test.
#include "common/Fixtures.h"
#include "data/TProjektDB.h"
#include "platform/BuildConfig.h"
#include "tools/HouseholdSetup.h"
#include "window/DemoData.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QStringList kHeavyLibraries = {"libQt6Widgets", "libQt6Gui", "libcurl", "libgumbo"};

struct MappedRun {
    int code = -1;
    QString err;
    QSet<QString> libraries; // file names, "libcurl.so.4"
};

// Runs `program` with `arguments` in `folder` and collects the libraries the
// loader mapped into its process.
MappedRun RunMapped(const QString& program, const QStringList& arguments, const QString& folder,
                    const QProcessEnvironment& environment) {
    static int runs = 0;
    const QString log = QDir(folder).filePath(QStringLiteral("ld-%1").arg(++runs));
    QProcessEnvironment env = environment;
    env.insert("LD_DEBUG", "files");
    env.insert("LD_DEBUG_OUTPUT", log);
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    MappedRun run;
    if (!process.waitForFinished(60000))
        return run;
    run.code = process.exitCode();
    run.err = QString::fromUtf8(process.readAllStandardError());
    // The loader writes LOG.PID.
    const QRegularExpression mapped(
        QStringLiteral("file=(\\S+) \\[\\d+\\];\\s+generating link map"));
    for (const QString& name : QDir(folder).entryList({QFileInfo(log).fileName() + ".*"})) {
        QFile file(QDir(folder).filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(file.readAll());
        for (const auto& match : mapped.globalMatch(text))
            run.libraries.insert(QFileInfo(match.captured(1)).fileName());
    }
    return run;
}

QStringList HeavyLibrariesIn(const MappedRun& run) {
    QStringList found;
    for (const QString& library : run.libraries)
        for (const QString& heavy : kHeavyLibraries)
            if (library.startsWith(heavy + ".so"))
                found << library;
    return found;
}

QString Program() {
    return QCoreApplication::applicationDirPath() + "/talvora";
}

// A data file with the household records, sample offers and deposits.
class ToolLibraries : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        TProjektDB project(dataFile);
        AddHouseholdRecords(project);
        AddDemoData(project);
    }

    MappedRun Run(const QStringList& arguments,
                  const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
                  const QString& program = Program()) {
        return RunMapped(program, arguments, folder.path(), environment);
    }

    QTemporaryDir folder;
    const QString dataFile = folder.filePath("DataFile.dat");
};

TEST_F(ToolLibraries, ToolsWithoutWindowOrWebMapNeitherWidgetsNorCurlNorGumbo) {
    const QStringList deposit = {"--kwota",         "10000",     "--okres",          "3",
                                 "--jednostka",     "miesiac",   "--oprocentowanie", "4,5",
                                 "--kapitalizacja", "miesieczna"};
    const QString offers = folder.filePath("oferty.vq_lb");
    const QList<QStringList> calls = {
        QStringList{"--version"},
        QStringList{"zysk"} + deposit,
        QStringList{"harmonogram"} + deposit,
        {"lokaty", "--db", dataFile},
        {"lokaty", "--db", dataFile, "--json"},
        {"oferty", "--db", dataFile, "--csv"},
        {"oferty", "--db", dataFile, "--eksportuj", offers},
        {"oferty", "--plik", offers},
        {"ranking", "--db", dataFile, "--kwota", "20000"},
        {"kalendarz", "--db", dataFile},
        {"kalendarz", "--db", dataFile, "--ics", folder.filePath("lokaty.ics")},
        {"baza", "--db", dataFile},
        {"kopie", "--db", dataFile},
    };
    for (const QStringList& call : calls) {
        SCOPED_TRACE(call.join(' ').toStdString());
        const MappedRun run = Run(call);
        EXPECT_EQ(run.code, 0) << run.err.toStdString();
        ASSERT_TRUE(run.libraries.contains("libQt6Core.so.6")) << "the loader's log was not read";
        EXPECT_TRUE(run.libraries.contains("libsqlite3.so.0"));
        EXPECT_EQ(HeavyLibrariesIn(run), QStringList());
        EXPECT_FALSE(run.libraries.contains("libtalvora_web.so"));
        EXPECT_FALSE(run.libraries.contains("libtalvora_window.so"));
    }
}

// The same log shows the libraries that are loaded on use: each part brings
// its own, and only its own.
TEST_F(ToolLibraries, WebToolsAndTheWindowLoadTheirLibrariesWhenTheyRun) {
    const MappedRun page = Run({"strona", SciezkaFixture("strona_lokat.html"), "--bank", "X"});
    EXPECT_EQ(page.code, 0) << page.err.toStdString();
    EXPECT_TRUE(page.libraries.contains("libtalvora_web.so"));
    EXPECT_TRUE(page.libraries.contains("libgumbo.so.1"));
    EXPECT_TRUE(page.libraries.contains("libcurl.so.4"));
    EXPECT_FALSE(page.libraries.contains("libQt6Widgets.so.6"));

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    const QString picture = folder.filePath("first.png");
    environment.insert("TALVORA_FIRST_FRAME", picture);
    const MappedRun window = Run({"--db", dataFile}, environment);
    EXPECT_EQ(window.code, 0) << window.err.toStdString();
    EXPECT_TRUE(QFile::exists(picture)) << "the window did not paint itself";
    EXPECT_TRUE(window.libraries.contains("libtalvora_window.so"));
    EXPECT_TRUE(window.libraries.contains("libQt6Widgets.so.6"));
    EXPECT_TRUE(window.libraries.contains("libVQ.Lokaty.so"));
}

// A program whose libraries are missing says which one and where it looked;
// its own tools still work.
TEST_F(ToolLibraries, AMissingLibraryIsNamed) {
    const QString alone = folder.filePath("talvora");
    ASSERT_TRUE(QFile::copy(Program(), alone));
    // Neither beside the program nor in the private folder of an installation.
    const auto notLoaded = [this](const char* library) {
        return "Nie udało się załadować biblioteki programu " +
               QDir::cleanPath(folder.path() + "/" TALVORA_MODULE_DIR_FROM_BIN "/" + library) +
               ": ";
    };
    struct Case {
        QStringList arguments;
        int code;
        QString errStart;
    };
    const Case cases[] = {
        {{"banki"}, 2, "Nie ma pliku ani polecenia \"banki\".\n" + notLoaded("libtalvora_web.so")},
        {{"--db", dataFile}, 1, notLoaded("libtalvora_window.so")},
        {{"--help"}, 0, notLoaded("libtalvora_web.so")},
        {{"lokaty", "--db", dataFile}, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        const MappedRun run = Run(c.arguments, environment, alone);
        EXPECT_EQ(run.code, c.code);
        if (c.errStart.isEmpty())
            EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
        else
            EXPECT_TRUE(run.err.startsWith(c.errStart)) << run.err.toStdString();
    }
}

} // namespace
