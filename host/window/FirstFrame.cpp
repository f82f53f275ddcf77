#include "window/FirstFrame.h"

#include <QApplication>
#include <QEvent>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

FirstFrame::FirstFrame(const QString& file) : QObject(qApp), fFile(file) {}

void FirstFrame::InstallIfAsked() {
    const QString file = qEnvironmentVariable("TALVORA_FIRST_FRAME");
    if (!file.isEmpty())
        qApp->installEventFilter(new FirstFrame(file));
}

bool FirstFrame::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (fTaken || event->type() != QEvent::Paint || !widget || !widget->isWindow())
        return false;
    fTaken = true;
    // After this paint has ended: the picture is then complete.
    QTimer::singleShot(0, widget, [this, widget] {
        if (!widget->grab().save(fFile))
            qWarning("Nie udało się zapisać obrazu %s", qPrintable(fFile));
        widget->close();
    });
    return false;
}
