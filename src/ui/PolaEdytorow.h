#pragma once
// Pieces both editors, of a deposit and of an offer, are made of.
#include "domain/TJednostkaOkresu.h"

#include <QString>

class QComboBox;
class QEvent;
class QLabel;
class QWidget;
class TAMHSensitiveLabel;

// A field's label; its shortcut key moves to the field.
QLabel* Etykieta(const QString& tekst, QWidget* pole, QWidget* rodzic);

// The drop-down list of term units: "Dzień", "Tydzeń", "Miesiąc", "Rok".
QComboBox* ListaJednostek(const char* nazwa, QWidget* rodzic);
// The unit's item is selected; any other value leaves none selected.
void UstawJednostke(QComboBox* lista, TJednostkaOkresu jednostka);
// The selected unit; Brak when none is selected.
TJednostkaOkresu JednostkaZListy(const QComboBox* lista);

// Whether the event types the double quote, the apostrophe or the semicolon,
// which may not be typed into names and notes: they would break the texts
// these are stored in.
bool WpisujeZakazanyZnak(const QEvent* zdarzenie);

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
