#pragma once
#include <QStringList>
#include <QTextStream>
#include <vector>

// Writes rows of cells as a text table: the first column left-aligned, the
// others right-aligned, each as wide as its widest cell, two blanks apart.
void PiszTabeleTekstowa(QTextStream& out, const std::vector<QStringList>& wiersze);
