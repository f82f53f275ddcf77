#include "ui/DialogParent.h"

#include <QApplication>
#include <QWidget>

QWidget* DialogParent(QWidget* owner) {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (owner)
        return owner->window();
    return QApplication::activeWindow();
}
