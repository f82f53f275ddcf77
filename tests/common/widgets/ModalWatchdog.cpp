#include "common/widgets/ModalWatchdog.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

QString Describe(const QWidget& window) {
    return QStringLiteral("%1 '%2'").arg(QString::fromLatin1(window.metaObject()->className()),
                                         window.windowTitle());
}

QWidget* OpenWindow() {
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    return QApplication::activeModalWidget();
}

} // namespace

ModalWatchdog::ModalWatchdog(int timeoutMs) {
    fTimer.setInterval(timeoutMs);
    QObject::connect(&fTimer, &QTimer::timeout, [this] { CloseLeftOpen(); });
    fTimer.start();
}

ModalWatchdog::~ModalWatchdog() {
    fTimer.stop();
}

void ModalWatchdog::CloseLeftOpen() {
    // Bounded: a window that refuses to close must not keep this loop going.
    for (int attempt = 0; attempt < 20; ++attempt) {
        QWidget* window = OpenWindow();
        if (!window)
            return;
        fClosed << Describe(*window);
        if (!fExpected)
            ADD_FAILURE() << "watchdog closed " << Describe(*window).toStdString()
                          << ", left open by the test";
        if (auto* dialog = qobject_cast<QDialog*>(window))
            dialog->reject();
        else
            window->close();
        if (window == OpenWindow())
            window->hide();
    }
}
