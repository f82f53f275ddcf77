// Text from a data file or a web page reaches the terminal only as text: a
// bank name with ESC cannot clear the screen or set the window's title.
#include "ConsoleText.h"
#include "TextTable.h"

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

} // namespace
