// Text from a data file or a web page reaches the terminal only as text: a
// bank name with ESC cannot clear the screen or set the window's title.
#include "tools/ConsoleText.h"
#include "tools/TextTable.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTextStream>
#include <gtest/gtest.h>

namespace {

const QString kZastepczy(QChar(QChar::ReplacementCharacter));

TEST(ConsoleText, ControlCharactersAreShownNotObeyed) {
    const QString esc = QStringLiteral("\x1b]0;tytuł\x07 Bank\x1b[2J");
    EXPECT_EQ(ConsoleText(esc),
              kZastepczy + "]0;tytuł" + kZastepczy + " Bank" + kZastepczy + "[2J");
    EXPECT_EQ(ConsoleText(QStringLiteral("a\r\nb\rc\td")), "a\nb\nc\td") << "line breaks stay";
    EXPECT_EQ(ConsoleText(QString(QChar(0x7F)) + QChar(0x9B) + "ż"), kZastepczy + kZastepczy + "ż");
    EXPECT_EQ(ConsoleCell(QStringLiteral("dwie\nlinie\tz tabem")),
              "dwie" + kZastepczy + "linie" + kZastepczy + "z tabem");
}

TEST(ConsoleText, TableCellsStayOnTheirLine) {
    QString tekst;
    QTextStream out(&tekst);
    WriteTextTable(out, {{"Bank", "Kwota"}, {QStringLiteral("Zły\x1b[2J\nbank"), "1,00"}},
                   FirstColumnLeft(2));
    out.flush();
    EXPECT_EQ(tekst.count('\n'), 2);
    EXPECT_FALSE(tekst.contains(QChar(0x1B)));
}

// A tool whose output cannot be written says so and fails.
TEST(ConsoleText, OutputThatCannotBeWrittenIsAFailure) {
    QProcess tool;
    tool.setStandardOutputFile(QStringLiteral("/dev/full"));
    tool.start(QCoreApplication::applicationDirPath() + "/talvora",
               {"zysk", "--kwota", "1000", "--okres", "3", "--jednostka", "miesiac",
                "--oprocentowanie", "4", "--kapitalizacja", "miesieczna"});
    ASSERT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(tool.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(tool.readAllStandardError())
                    .startsWith("Nie można zapisać wyniku na standardowe wyjście: "));
}

} // namespace
