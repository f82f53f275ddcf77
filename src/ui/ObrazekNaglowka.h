#pragma once
#include <QPixmap>
#include <cstdint>

// The pictures on the right of the window headers, drawn in code so the
// module carries no image files.
enum class TObrazekNaglowka : int8_t {
    Lokaty,        // stacks of coins: the deposits
    LokatyBankowe, // a bank building: the offers of banks
    Zysk,          // coins with a rising arrow: the profit of a deposit
    Import,        // a bank with a download arrow: reading offers in
};

// The picture as a square pixmap of `size` logical pixels for a screen with
// the given device pixel ratio.
QPixmap RysujObrazekNaglowka(TObrazekNaglowka picture, int size = 48, qreal devicePixelRatio = 1.0);
