#pragma once
#include <QList>
#include <QStringList>

// A table of texts: rows, each row an array of cells.
using TTabDwuwymiarowa = QList<QStringList>;
