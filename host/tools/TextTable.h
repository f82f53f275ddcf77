#pragma once
#include <QStringList>
#include <QTextStream>
#include <vector>

// Writes rows of cells (the first row the titles) as columns padded to their
// widest cell and separated by two blanks. Column i is right-aligned when
// rightAligned[i] is true, else left-aligned (the last cell of a line without
// trailing blanks).
void WriteTextTable(QTextStream& out, const std::vector<QStringList>& rows,
                    const std::vector<bool>& rightAligned);

// The usual alignment of a tool's table: the first column (a name) left, the
// others (numbers, amounts, dates) right.
std::vector<bool> FirstColumnLeft(size_t columns);
