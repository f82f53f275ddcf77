#include "tools/TextTable.h"

#include "tools/ConsoleText.h"

#include <algorithm>

void WriteTextTable(QTextStream& out, const std::vector<QStringList>& tableCells,
                    const std::vector<bool>& rightAligned) {
    std::vector<QStringList> rows;
    rows.reserve(tableCells.size());
    for (const QStringList& row : tableCells) {
        QStringList safe;
        for (const QString& cell : row)
            safe << ConsoleCell(cell);
        rows.push_back(std::move(safe));
    }
    std::vector<qsizetype> widths;
    for (const QStringList& row : rows) {
        widths.resize(std::max<size_t>(widths.size(), row.size()), 0);
        for (qsizetype i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], row[i].size());
    }
    for (const QStringList& row : rows) {
        QStringList cells;
        for (qsizetype i = 0; i < row.size(); ++i) {
            const bool right = static_cast<size_t>(i) < rightAligned.size() && rightAligned[i];
            const bool last = i + 1 == row.size();
            cells << (right  ? row[i].rightJustified(widths[i])
                      : last ? row[i]
                             : row[i].leftJustified(widths[i]));
        }
        out << cells.join(QStringLiteral("  ")) << u'\n';
    }
}

std::vector<bool> FirstColumnLeft(size_t columns) {
    std::vector<bool> rightAligned(columns, true);
    if (columns > 0)
        rightAligned[0] = false;
    return rightAligned;
}
