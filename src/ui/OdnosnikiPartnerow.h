#pragma once
#include <QString>

class QLabel;
class QWidget;
class TAMHSensitiveLabel;

// A link label: blue under the mouse (and underlined when asked), red while
// pressed, with a pointing hand.
TAMHSensitiveLabel* Odnosnik(const QString& tekst, const char* nazwa, bool podkreslPodMysza,
                             QWidget* rodzic);

// The "Warto zobaczyć:" panel of the editors: the rankings of deposits and of
// savings accounts on the partner site, opened in the web browser.
struct TOdnosnikiPartnerow {
    QWidget* GridPanel1;
    QLabel* _lbl1;
    TAMHSensitiveLabel* _lbl4;
    TAMHSensitiveLabel* _lbl3;
};
TOdnosnikiPartnerow UtworzOdnosnikiPartnerow(QWidget* rodzic);
