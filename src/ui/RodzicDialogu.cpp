#include "ui/RodzicDialogu.h"

#include <QApplication>
#include <QWidget>

QWidget* RodzicDialogu(QWidget* owner) {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (owner)
        return owner->window();
    return QApplication::activeWindow();
}
