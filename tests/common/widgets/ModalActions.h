#pragma once
#include <QMessageBox>
#include <QString>
#include <functional>

class QAbstractItemView;
class QModelIndex;
class QWidget;

// Helpers for driving real modal windows from a test.

// Runs `action` on the next modal window that opens (a message box or a
// dialog in its own exec()), from inside that window's event loop. Fails the
// test when none opens within `timeoutMs`.
void WhenModalShows(std::function<void(QWidget&)> action, int timeoutMs = 20000);

// Clicks the button named `objectName` inside `window`; fails the test when
// it is missing or disabled.
void ClickButton(QWidget& window, const QString& objectName);

// Clicks a standard button of a message box; fails the test when `box` is no
// message box or lacks the button.
void ClickMessageBoxButton(QWidget& box, QMessageBox::StandardButton button);

// Clicks the check box of the cell at `index` with the mouse, as a user
// would; fails the test when the cell has none.
void ClickCheckBox(QAbstractItemView& view, const QModelIndex& index);
