#pragma once
#include <QColor>
#include <QPalette>
#include <initializer_list>

// Text that can be read on the background it is painted on, in a light and in
// a dark desktop palette alike (the contrast rule of WCAG 2: at least 4.5 : 1).

// The contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double WspolczynnikKontrastu(const QColor& a, const QColor& b);

// The first of `kandydaci` that reaches the ratio on `tlo`; when none does,
// black or white, whichever contrasts more.
QColor KolorCzytelnyNa(const QColor& tlo, std::initializer_list<QColor> kandydaci);

inline constexpr double kMinimalnyKontrast = 4.5;

// The warning colour (red) for text on the palette's window background.
QColor KolorOstrzezeniaNa(const QPalette& paleta);
