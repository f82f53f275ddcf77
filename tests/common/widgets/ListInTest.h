#pragma once
// Reading and clicking a report list as a user sees it: the texts come from
// the list's model as the view paints them, clicks go to the viewport. Only
// the Qt view is used, so the same helpers serve a window of a module loaded
// as a library (whose list class is not this binary's).
#include <QList>
#include <QModelIndex>
#include <QStringList>

class QTreeView;
class QWidget;

namespace ListInTest {

// Brings the tab holding the widget to the front, as a user does to see it
// (a list on a hidden tab may wait for its tab to be filled).
void ShowTab(QWidget& widget);
// The list of that object name in the window, its tab in front (a test
// failure if none).
QTreeView* FindList(const QWidget& okno, const char* nazwa);
QStringList ColumnTitles(const QTreeView& lista);
// The rows (first cells) in display order; group headers left out.
QList<QModelIndex> Rows(const QTreeView& lista);
// The texts of a row's cells as shown.
QStringList Cells(const QTreeView& lista, const QModelIndex& wiersz);
// Each group header with its rows' first texts, trimmed: "Grupa: a, b".
QStringList Groups(const QTreeView& lista);
// The first row whose first text, trimmed, is `tekst` (a test failure if none).
QModelIndex RowWithText(const QTreeView& lista, const QString& tekst);
// A left click on the row (or group header) of that index, 40 pixels in.
void Click(QTreeView& lista, const QModelIndex& indeks);

} // namespace ListInTest
