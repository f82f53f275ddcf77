#include "TextTable.h"

#include <algorithm>

void WriteTextTable(QTextStream& out, const std::vector<QStringList>& rows,
                    const std::function<bool(qsizetype column)>& rightAligned) {
    std::vector<qsizetype> widths;
    for (const QStringList& row : rows) {
        widths.resize(std::max<std::size_t>(widths.size(), row.size()), 0);
        for (qsizetype i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], row[i].size());
    }
    for (const QStringList& row : rows) {
        QStringList cells;
        for (qsizetype i = 0; i < row.size(); ++i)
            cells << (rightAligned(i) ? row[i].rightJustified(widths[i])
                                      : row[i].leftJustified(widths[i]));
        out << cells.join(QStringLiteral("  ")) << u'\n';
    }
}
