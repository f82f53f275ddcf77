#include "entry/ZrzutyZakladek.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>
#include <QTimer>

namespace {

// Time for the window to lay itself out and fill its lists.
constexpr int kOpoznienieMs = 500;

QString NazwaPliku(int zakladka) {
    switch (zakladka) {
    case 0:
        return QStringLiteral("lokaty.png");
    case 1:
        return QStringLiteral("oferty.png");
    default:
        return QStringLiteral("zakladka") + QString::number(zakladka + 1) + QStringLiteral(".png");
    }
}

void ZapiszObraz(QDialog& okno, const QDir& folder, const QString& nazwa) {
    QApplication::processEvents();
    const QString plik = folder.filePath(nazwa);
    if (!okno.grab().save(plik))
        qWarning("Nie udało się zapisać obrazu %s", qPrintable(plik));
}

void ZrobZrzuty(QDialog& okno, const QDir& folder) {
    auto* zakladki = okno.findChild<QTabWidget*>();
    if (!zakladki) {
        ZapiszObraz(okno, folder, NazwaPliku(0));
    } else {
        for (int i = 0; i < zakladki->count(); ++i) {
            zakladki->setCurrentIndex(i);
            ZapiszObraz(okno, folder, NazwaPliku(i));
        }
    }
    okno.reject();
}

} // namespace

void ZaplanujZrzutyZakladek(QDialog& okno) {
    const QString folder = qEnvironmentVariable("TALVORA_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    QTimer::singleShot(kOpoznienieMs, &okno, [&okno, folder] { ZrobZrzuty(okno, QDir(folder)); });
}
