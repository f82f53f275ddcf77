#pragma once
#include <QRect>

class QWidget;

// The sizes a window is laid out with are its defaults, not floors: on a
// screen whose work area is smaller the window shrinks to it.

// The work area of the screen the window is on (or will open on: its
// parent's, else the primary screen's).
QRect ObszarEkranu(const QWidget& okno);

// Lowers the window's minimum size to the work area where it is larger, and
// makes the window, frame included, no larger than the work area and placed
// within it.
void DopasujDoEkranu(QWidget& okno);

// Fits the window once more when the window manager has put its frame around
// it: before the window is mapped its title bar and borders are not known, so
// a window fitted or centred without them may reach above or below the work
// area by the height of its title bar.
void DopasujPoOprawieniu(QWidget& okno);
