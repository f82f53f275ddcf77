#include "SavePicture.h"

#include <QApplication>
#include <QPixmap>
#include <QWidget>

void SavePicture(QWidget& widget, const QDir& folder, const QString& name) {
    QApplication::processEvents();
    const QString file = folder.filePath(name);
    if (!widget.grab().save(file))
        qWarning("Nie udało się zapisać obrazu %s", qPrintable(file));
}
