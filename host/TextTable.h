#pragma once
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <vector>

// Writes rows of cells (the first row being the titles) as a plain text
// table: each column as wide as its widest cell, columns two blanks apart,
// each cell padded on the right, or on the left where `rightAligned` says so.
void WriteTextTable(QTextStream& out, const std::vector<QStringList>& rows,
                    const std::function<bool(qsizetype column)>& rightAligned);
