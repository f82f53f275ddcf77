#include "ui/import/TPasekOczekiwania.h"

#include <QLinearGradient>
#include <QPainter>

namespace {
constexpr int kKrokPikseli = 4;
} // namespace

TPasekOczekiwania::TPasekOczekiwania(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("bar_TrwaPobieranie"));
    setFixedHeight(kWysokosc);
    fZegar.setInterval(kOdstepMs);
    connect(&fZegar, &QTimer::timeout, this, &TPasekOczekiwania::Krok);
}

void TPasekOczekiwania::Krok() {
    fPozycja += kKrokPikseli;
    if (fPozycja > width())
        fPozycja = -kSzerokoscSmugi;
    update();
}

void TPasekOczekiwania::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    QLinearGradient gradient(fPozycja, 0, fPozycja + kSzerokoscSmugi, 0);
    gradient.setColorAt(0, palette().window().color());
    gradient.setColorAt(1, QColor(Qt::darkBlue));
    painter.fillRect(QRect(fPozycja, 0, kSzerokoscSmugi, height()), gradient);
}

void TPasekOczekiwania::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    fPozycja = -kSzerokoscSmugi;
    fZegar.start();
}

void TPasekOczekiwania::hideEvent(QHideEvent* event) {
    fZegar.stop();
    QWidget::hideEvent(event);
}
