#pragma once
#include <QList>

class QWidget;

// The side column of a tab's command buttons: `gora` from the top, `dol` at
// the bottom. It keeps one width whichever of its buttons are shown: that of
// the widest button, hidden ones included. On a screen too low for all of its
// buttons the column scrolls (the focus brings a button into view).
QWidget* KolumnaPrzyciskow(QWidget* rodzic, const QList<QWidget*>& gora,
                           const QList<QWidget*>& dol);
