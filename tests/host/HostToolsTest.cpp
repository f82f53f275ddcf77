// Every tool goes through one opening: "-h" is "--help", and "talvora
// --help" lists the tools from the same table, their summaries in a column.
#include "HostTools.h"
#include "UruchomPolecenie.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

TEST(HostTools, ShortHelpIsTheHelpOfEveryTool) {
    ASSERT_EQ(HostTools().size(), 10u);
    for (const Tool& tool : HostTools()) {
        SCOPED_TRACE(tool.name.toStdString());
        const TWynikPolecenia krotka = UruchomPolecenie(tool.name, {"-h"});
        EXPECT_EQ(krotka.kod, 0);
        EXPECT_EQ(krotka.out, UruchomPolecenie(tool.name, {"--help"}).out);
        EXPECT_TRUE(krotka.out.startsWith("Użycie: talvora " + tool.name))
            << krotka.out.toStdString();
        EXPECT_EQ(krotka.out, tool.help);
    }
}

TEST(HostTools, TheProgramsHelpListsTheToolsInAColumn) {
    for (const char* pomoc : {"--help", "-h"}) {
        QProcess program;
        program.start(QCoreApplication::applicationDirPath() + "/talvora", {pomoc});
        ASSERT_TRUE(program.waitForFinished(30000));
        EXPECT_EQ(program.exitCode(), 0);
        const QString tekst = QString::fromUtf8(program.readAllStandardOutput());
        const QStringList linie = tekst.section("Polecenia:\n", 1).split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(linie.size(), 10) << tekst.toStdString();
        const QRegularExpression wzor(QStringLiteral("^  (\\S+) +\\S"));
        for (const QString& linia : linie) {
            const auto m = wzor.match(linia);
            ASSERT_TRUE(m.hasMatch()) << linia.toStdString();
            EXPECT_EQ(m.capturedEnd(0) - 1, QStringLiteral("  harmonogram  ").size())
                << linia.toStdString();
        }
    }
}

} // namespace
