#pragma once
#include <QColor>
#include <QFont>

// A label's look as one value: the typeface (name, size, style) and the
// colour of the text.
struct TLabelFont {
    QFont font;
    QColor color;
};
