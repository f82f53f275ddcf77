#include "ui/DopasowanieDoEkranu.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QRect ObszarEkranu(const QWidget& okno) {
    const QWidget* wzor = okno.isVisible() || !okno.parentWidget() ? &okno : okno.parentWidget();
    const QScreen* ekran = wzor->screen() ? wzor->screen() : QGuiApplication::primaryScreen();
    return ekran ? ekran->availableGeometry() : QRect();
}

void DopasujDoEkranu(QWidget& okno) {
    const QRect obszar = ObszarEkranu(okno);
    if (obszar.isEmpty())
        return;
    const QSize ramka = okno.frameGeometry().size() - okno.geometry().size();
    const QSize miejsce = obszar.size() - ramka;
    okno.setMinimumSize(okno.minimumSize().boundedTo(miejsce));
    if (okno.width() > miejsce.width() || okno.height() > miejsce.height())
        okno.resize(okno.size().boundedTo(miejsce));
    QRect polozenie = okno.frameGeometry();
    polozenie.moveRight(std::min(polozenie.right(), obszar.right()));
    polozenie.moveBottom(std::min(polozenie.bottom(), obszar.bottom()));
    polozenie.moveLeft(std::max(polozenie.left(), obszar.left()));
    polozenie.moveTop(std::max(polozenie.top(), obszar.top()));
    okno.move(polozenie.topLeft());
}
