#pragma once
#include <QList>

class QDialog;
class QWidget;

// Lays a dialog out as every dialog of the module is laid out: the header
// panel across the top, then the content with 12-pixel margins and spacing,
// and the buttons at the bottom. The dialog keeps the size of its layout, at
// least `szerokosc` pixels wide; on a screen too low for it the content
// scrolls between the header and the buttons and the dialog can be resized.
void UlozDialog(QDialog* dialog, QWidget* naglowek, const QList<QWidget*>& tresc,
                QWidget* przyciski, int szerokosc);
