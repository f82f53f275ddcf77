#pragma once
// The pieces the deposits window's tabs share: the side column of buttons and
// the items of a list's popup menu.
#include <QList>

class QAction;
class QKeySequence;
class QMenu;
class QString;
class QWidget;

// The side column of a tab: `gora` at the top, `dol` at the bottom. The
// column keeps one width whichever of its buttons are shown: that of the
// widest button, hidden ones included. On a screen too low for all of its
// buttons the column scrolls (the focus brings a button into view).
QWidget* KolumnaPrzyciskow(QWidget* rodzic, const QList<QWidget*>& gora,
                           const QList<QWidget*>& dol);

// An item of a list's popup menu. Its shortcut acts while the list has the
// focus, with the enabled state the item took at the last opening of the menu.
QAction* DodajPozycjeMenu(QMenu* menu, QWidget* lista, const char* nazwa, const QString& tytul,
                          const QKeySequence& skrot);
void DodajSeparator(QMenu* menu, const char* nazwa);
