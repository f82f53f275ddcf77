#include "ui/TClickableLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

TClickableLabel::TClickableLabel(QWidget* parent) : QLabel(parent) {}

TClickableLabel::TClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void TClickableLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        fPressed = true;
    QLabel::mousePressEvent(event);
}

void TClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = fPressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        fPressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

void TClickableLabel::keyPressEvent(QKeyEvent* event) {
    const int klawisz = event->key();
    if ((klawisz == Qt::Key_Space || klawisz == Qt::Key_Return || klawisz == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void TClickableLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter p(this);
    QStyleOptionFocusRect ramka;
    ramka.initFrom(this);
    ramka.rect = contentsRect();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &ramka, &p, this);
}
