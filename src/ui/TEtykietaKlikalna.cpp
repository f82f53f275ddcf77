#include "ui/TEtykietaKlikalna.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

TEtykietaKlikalna::TEtykietaKlikalna(QWidget* parent) : QLabel(parent) {}

TEtykietaKlikalna::TEtykietaKlikalna(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void TEtykietaKlikalna::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        fPressed = true;
    QLabel::mousePressEvent(event);
}

void TEtykietaKlikalna::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = fPressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        fPressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

void TEtykietaKlikalna::keyPressEvent(QKeyEvent* event) {
    const int klawisz = event->key();
    if ((klawisz == Qt::Key_Space || klawisz == Qt::Key_Return || klawisz == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void TEtykietaKlikalna::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter p(this);
    QStyleOptionFocusRect ramka;
    ramka.initFrom(this);
    ramka.rect = contentsRect();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &ramka, &p, this);
}
