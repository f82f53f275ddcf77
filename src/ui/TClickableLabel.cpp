#include "ui/TClickableLabel.h"

#include <QMouseEvent>

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
