// Every tool goes through one opening: "-h" is "--help", and "talvora
// --help" lists the tools from the same table, their summaries in the column
// of the window's options.
#include "tools/HostTools.h"
#include "UruchomPolecenie.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

TEST(HostTools, ShortHelpIsTheHelpOfEveryTool) {
    ASSERT_EQ(HostTools().size(), 11u);
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

// The window's options and the tools share one column for their texts.
TEST(HostTools, TheProgramsHelpListsOptionsAndToolsInOneColumn) {
    for (const char* pomoc : {"--help", "-h"}) {
        QProcess program;
        program.start(QCoreApplication::applicationDirPath() + "/talvora", {pomoc});
        ASSERT_TRUE(program.waitForFinished(30000));
        EXPECT_EQ(program.exitCode(), 0);
        const QString tekst = QString::fromUtf8(program.readAllStandardOutput());
        const QStringList narzedzia =
            tekst.section("Polecenia:\n", 1).split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(narzedzia.size(), 11) << tekst.toStdString();
        const QRegularExpression wzor(QStringLiteral("^  (\\S+)  +\\S"));
        for (const QString& linia : narzedzia)
            EXPECT_TRUE(wzor.match(linia).hasMatch()) << linia.toStdString();
        const qsizetype kolumna = QStringLiteral("  harmonogram  ").size();
        const QString tabela = "  --db" + tekst.section("\n  --db", 1);
        int wcietych = 0;
        for (const QString& linia : tabela.split('\n')) {
            if (!linia.startsWith("  "))
                continue;
            ++wcietych;
            EXPECT_TRUE(linia.size() > kolumna && linia.mid(kolumna - 2, 2) == "  " &&
                        linia[kolumna] != ' ')
                << linia.toStdString();
        }
        EXPECT_EQ(wcietych, 16) << "five option lines and eleven tools";
    }
}

} // namespace
