#pragma once
// What the two import dialogs share for their lists of check boxes: the
// counts, ticking every row, the toggle button and the pop-up menu.
class QAbstractItemView;
class QAction;
class QMenu;
class QPushButton;
class QString;
class QTreeWidget;
class QWidget;

int IloscZaznaczonychWierszy(const QTreeWidget& lista);
void ZaznaczWszystkieWiersze(QTreeWidget& lista, bool zaznacz);
// The toggle "Wybierz/Pomiń wszystkie" keeps its state in the button's tag
// (0 at first): true (tick all) when the tag was 0; the tag is flipped.
bool PrzelaczWyborWszystkich(QPushButton& przycisk);
// A dialog's push button that is not its default one.
QPushButton* UtworzPrzycisk(const char* nazwa, const QString& tekst, QWidget* rodzic);
// The list's pop-up menu "PopupMenu1" with "Wybierz wszystkie" and "Pomiń
// wszystkie", shown where the list is right-clicked.
QMenu* UtworzMenuWyboru(QAbstractItemView& lista, QWidget& okno, QAction*& wybierz,
                        QAction*& pomin);
