#pragma once
#include "ui/TEtykietaKlikalna.h"
#include "ui/TLabelFont.h"

#include <QPalette>

// A label that serves as a link: it takes FontMouseMove while the mouse is
// over it and FontMouseDown (red by default) while a mouse button is pressed
// on it, and returns to its own font afterwards.
class TAMHSensitiveLabel : public TEtykietaKlikalna {
    Q_OBJECT

public:
    explicit TAMHSensitiveLabel(QWidget* parent = nullptr);
    explicit TAMHSensitiveLabel(const QString& text, QWidget* parent = nullptr);

    bool ActiveMouseDown() const { return fActiveMouseDown; }
    void SetActiveMouseDown(bool value);
    // Kept for the windows' settings; the hover font is taken whatever it says.
    bool ActiveMouseMove() const { return fActiveMouseMove; }
    void SetActiveMouseMove(bool value);
    const TLabelFont& FontMouseDown() const { return fFontMouseDown; }
    void SetFontMouseDown(const TLabelFont& value);
    const TLabelFont& FontMouseMove() const { return fFontMouseMove; }
    void SetFontMouseMove(const TLabelFont& value);

    // The label's own look, which it shows outside the mouse effects.
    TLabelFont OwnFont() const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void InitFonts();
    void TakeFont(const TLabelFont& look);
    void ReturnOwnFont();

    bool fActiveMouseDown = true;
    bool fActiveMouseMove = false;
    TLabelFont fFontMouseDown;
    TLabelFont fFontMouseMove;
    // The own look, remembered when an effect starts so that fonts the window
    // set after construction come back too.
    bool fInEffect = false;
    bool fOwnFontSet = false;
    bool fOwnPaletteSet = false;
    QFont fOwnFont;
    QPalette fOwnPalette;
};
