#pragma once
#include <QString>

class QAction;
class QKeySequence;
class QMenu;
class QWidget;

// An item of a list's pop-up menu, named `nazwa`. Its shortcut acts while the
// list has the focus, with the enabled state the item took at the last
// opening of the menu.
QAction* DodajPozycjeMenu(QMenu* menu, QWidget* lista, const char* nazwa, const QString& tytul,
                          const QKeySequence& skrot);
// A named separator.
void DodajSeparator(QMenu* menu, const char* nazwa);
