#include "ui/TAMHSensitiveLabel.h"

#include <QMouseEvent>

TAMHSensitiveLabel::TAMHSensitiveLabel(QWidget* parent) : TEtykietaKlikalna(parent) {
    InitFonts();
}

TAMHSensitiveLabel::TAMHSensitiveLabel(const QString& text, QWidget* parent)
    : TEtykietaKlikalna(text, parent) {
    InitFonts();
}

void TAMHSensitiveLabel::InitFonts() {
    fFontMouseDown = {font(), QColor(Qt::red)};
    fFontMouseMove = {font(), palette().color(QPalette::WindowText)};
}

void TAMHSensitiveLabel::SetActiveMouseDown(bool value) {
    if (fActiveMouseDown == value)
        return;
    fActiveMouseDown = value;
    update();
}

void TAMHSensitiveLabel::SetActiveMouseMove(bool value) {
    if (fActiveMouseMove == value)
        return;
    fActiveMouseMove = value;
    update();
}

void TAMHSensitiveLabel::SetFontMouseDown(const TLabelFont& value) {
    fFontMouseDown = value;
    update();
}

void TAMHSensitiveLabel::SetFontMouseMove(const TLabelFont& value) {
    fFontMouseMove = value;
    update();
}

TLabelFont TAMHSensitiveLabel::OwnFont() const {
    if (fInEffect)
        return {fOwnFont, fOwnPalette.color(QPalette::WindowText)};
    return {font(), palette().color(QPalette::WindowText)};
}

void TAMHSensitiveLabel::TakeFont(const TLabelFont& look) {
    if (!fInEffect) {
        fInEffect = true;
        fOwnFontSet = testAttribute(Qt::WA_SetFont);
        fOwnPaletteSet = testAttribute(Qt::WA_SetPalette);
        fOwnFont = font();
        fOwnPalette = palette();
    }
    setFont(look.font);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, look.color);
    setPalette(colours);
}

void TAMHSensitiveLabel::ReturnOwnFont() {
    if (!fInEffect)
        return;
    fInEffect = false;
    // A font or palette the label only inherited is inherited again.
    setFont(fOwnFontSet ? fOwnFont : QFont());
    setPalette(fOwnPaletteSet ? fOwnPalette : QPalette());
}

void TAMHSensitiveLabel::mousePressEvent(QMouseEvent* event) {
    const bool button = event->button() == Qt::LeftButton || event->button() == Qt::RightButton;
    if (button && fActiveMouseDown)
        TakeFont(fFontMouseDown);
    TEtykietaKlikalna::mousePressEvent(event);
}

void TAMHSensitiveLabel::mouseReleaseEvent(QMouseEvent* event) {
    ReturnOwnFont();
    TEtykietaKlikalna::mouseReleaseEvent(event);
}

void TAMHSensitiveLabel::enterEvent(QEnterEvent* event) {
    TakeFont(fFontMouseMove);
    TEtykietaKlikalna::enterEvent(event);
}

void TAMHSensitiveLabel::leaveEvent(QEvent* event) {
    ReturnOwnFont();
    TEtykietaKlikalna::leaveEvent(event);
}
