#include "ui/TIkonyLokat.h"

#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace {

using Rysunek = std::function<void(QPainter&)>;

// Draws on a 32 by 32 grid, scaled to the requested size.
QPixmap Narysuj(int rozmiar, const Rysunek& rysunek) {
    QPixmap obraz(rozmiar, rozmiar);
    obraz.fill(Qt::transparent);
    QPainter malarz(&obraz);
    malarz.setRenderHint(QPainter::Antialiasing);
    malarz.scale(rozmiar / 32.0, rozmiar / 32.0);
    rysunek(malarz);
    return obraz;
}

QIcon Ikona(const Rysunek& rysunek) {
    QIcon ikona;
    for (int rozmiar : {16, 24, 32})
        ikona.addPixmap(Narysuj(rozmiar, rysunek));
    return ikona;
}

void Moneta(QPainter& p, qreal x, qreal y) {
    const QColor zloto(232, 180, 40), brzeg(150, 105, 10);
    p.setPen(QPen(brzeg, 1.2));
    p.setBrush(zloto.darker(115));
    p.drawRoundedRect(QRectF(x, y + 2, 20, 5), 3, 3);
    p.setBrush(zloto);
    p.drawEllipse(QRectF(x, y, 20, 6));
}

void Monety(QPainter& p) {
    for (int i = 0; i < 4; ++i)
        Moneta(p, 2, 24 - i * 4);
    for (int i = 0; i < 3; ++i)
        Moneta(p, 10, 25 - i * 4 + 1);
    p.setPen(QPen(QColor(150, 105, 10), 1.2));
    p.setFont(QFont(QStringLiteral("Sans"), 5, QFont::Bold));
    p.drawText(QRectF(10, 17, 20, 6), Qt::AlignCenter, QStringLiteral("zł"));
}

void Budynek(QPainter& p) {
    const QColor kamien(214, 220, 230), cien(70, 90, 120);
    p.setPen(QPen(cien, 1.2));
    p.setBrush(kamien);
    QPainterPath dach;
    dach.moveTo(16, 2);
    dach.lineTo(30, 10);
    dach.lineTo(2, 10);
    dach.closeSubpath();
    p.drawPath(dach);
    p.drawRect(QRectF(3, 10, 26, 3));
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(5 + i * 6.3, 14, 3.4, 11));
    p.drawRect(QRectF(2, 25, 28, 3));
    p.drawRect(QRectF(1, 28, 30, 3));
}

// The bank building with a clock over its corner: an offer whose data is old.
void BudynekNieaktualny(QPainter& p) {
    Budynek(p);
    p.setPen(QPen(QColor(150, 90, 0), 1.4));
    p.setBrush(QColor(255, 200, 60));
    p.drawEllipse(QRectF(15, 13, 16, 16));
    p.setPen(QPen(QColor(90, 50, 0), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(23, 21), QPointF(23, 16));
    p.drawLine(QPointF(23, 21), QPointF(27, 23));
}

void Plus(QPainter& p) {
    p.setPen(QPen(QColor(30, 120, 40), 1.2));
    p.setBrush(QColor(70, 175, 80));
    p.drawEllipse(QRectF(3, 3, 26, 26));
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 9), QPointF(16, 23));
    p.drawLine(QPointF(9, 16), QPointF(23, 16));
}

void Olowek(QPainter& p) {
    p.translate(16, 16);
    p.rotate(45);
    p.setPen(QPen(QColor(120, 80, 10), 1.1));
    p.setBrush(QColor(245, 190, 50));
    p.drawRect(QRectF(-4, -14, 8, 20));
    p.setBrush(QColor(230, 120, 130));
    p.drawRect(QRectF(-4, -15, 8, 4));
    QPainterPath grot;
    grot.moveTo(-4, 6);
    grot.lineTo(4, 6);
    grot.lineTo(0, 14);
    grot.closeSubpath();
    p.setBrush(QColor(240, 220, 180));
    p.drawPath(grot);
}

void Krzyzyk(QPainter& p) {
    p.setPen(QPen(QColor(150, 20, 20), 1.2));
    p.setBrush(QColor(215, 50, 45));
    p.drawEllipse(QRectF(3, 3, 26, 26));
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(11, 11), QPointF(21, 21));
    p.drawLine(QPointF(21, 11), QPointF(11, 21));
}

void Stop(QPainter& p) {
    p.setPen(QPen(QColor(150, 20, 20), 1.2));
    p.setBrush(QColor(215, 50, 45));
    p.drawEllipse(QRectF(3, 3, 26, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(11, 11, 10, 10));
}

void Start(QPainter& p) {
    p.setPen(QPen(QColor(30, 120, 40), 1.2));
    p.setBrush(QColor(70, 175, 80));
    p.drawEllipse(QRectF(3, 3, 26, 26));
    QPainterPath trojkat;
    trojkat.moveTo(12, 9);
    trojkat.lineTo(23, 16);
    trojkat.lineTo(12, 23);
    trojkat.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(trojkat);
}

void Kartka(QPainter& p, qreal x, qreal y) {
    p.setPen(QPen(QColor(90, 100, 120), 1.1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(x, y, 15, 19));
    p.setPen(QPen(QColor(150, 160, 180), 1));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(x + 3, y + 5 + i * 3.5), QPointF(x + 12, y + 5 + i * 3.5));
}

void Kopia(QPainter& p) {
    Kartka(p, 4, 3);
    Kartka(p, 13, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 175, 80));
    p.drawEllipse(QRectF(2, 20, 10, 10));
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(QPointF(7, 22), QPointF(7, 28));
    p.drawLine(QPointF(4, 25), QPointF(10, 25));
}

void Strzalka(QPainter& p, QPointF od, QPointF dokad, const QColor& kolor) {
    p.setPen(QPen(kolor, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(od, dokad);
    const QPointF kierunek = (dokad - od) / std::hypot(dokad.x() - od.x(), dokad.y() - od.y());
    const QPointF prostopadly(-kierunek.y(), kierunek.x());
    p.drawLine(dokad, dokad - kierunek * 5 + prostopadly * 5);
    p.drawLine(dokad, dokad - kierunek * 5 - prostopadly * 5);
}

void Globus(QPainter& p) {
    p.setPen(QPen(QColor(30, 80, 150), 1.2));
    p.setBrush(QColor(120, 180, 235));
    p.drawEllipse(QRectF(2, 2, 24, 24));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(8, 2, 12, 24));
    p.drawLine(QPointF(2, 14), QPointF(26, 14));
    p.drawLine(QPointF(14, 2), QPointF(14, 26));
    Strzalka(p, QPointF(25, 16), QPointF(25, 30), QColor(40, 140, 50));
}

void Folder(QPainter& p) {
    p.setPen(QPen(QColor(160, 110, 20), 1.1));
    p.setBrush(QColor(240, 200, 90));
    p.drawRect(QRectF(2, 11, 28, 18));
    p.drawRect(QRectF(2, 8, 11, 3));
}

void Import(QPainter& p) {
    Folder(p);
    Strzalka(p, QPointF(16, 1), QPointF(16, 22), QColor(40, 140, 50));
}

void Eksport(QPainter& p) {
    Kartka(p, 3, 6);
    Strzalka(p, QPointF(12, 22), QPointF(29, 22), QColor(30, 100, 190));
}

// A wall calendar page: red top band with two rings, a grid of days, one
// day marked.
void Kalendarz(QPainter& p) {
    p.setPen(QPen(QColor(90, 100, 120), 1.1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3, 5, 26, 24));
    p.setBrush(QColor(200, 50, 40));
    p.drawRect(QRectF(3, 5, 26, 6));
    p.setPen(QPen(QColor(60, 60, 60), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 2), QPointF(10, 8));
    p.drawLine(QPointF(22, 2), QPointF(22, 8));
    p.setPen(Qt::NoPen);
    for (int wiersz = 0; wiersz < 3; ++wiersz)
        for (int kolumna = 0; kolumna < 4; ++kolumna) {
            const bool zaznaczony = wiersz == 1 && kolumna == 2;
            p.setBrush(zaznaczony ? QColor(70, 175, 80) : QColor(170, 180, 195));
            p.drawRect(QRectF(6 + kolumna * 5.5, 14 + wiersz * 4.8, 3.6, 3.2));
        }
}

} // namespace

QIcon TIkonyLokat::Kalendarz() {
    return Ikona(::Kalendarz);
}
QIcon TIkonyLokat::Lokata() {
    return Ikona(Monety);
}
QIcon TIkonyLokat::Bank() {
    return Ikona(Budynek);
}
QIcon TIkonyLokat::BankNieaktualny() {
    return Ikona(BudynekNieaktualny);
}
QIcon TIkonyLokat::Dodaj() {
    return Ikona(Plus);
}
QIcon TIkonyLokat::Edytuj() {
    return Ikona(Olowek);
}
QIcon TIkonyLokat::Usun() {
    return Ikona(Krzyzyk);
}
QIcon TIkonyLokat::Zakoncz() {
    return Ikona(Stop);
}
QIcon TIkonyLokat::Rozpocznij() {
    return Ikona(Start);
}
QIcon TIkonyLokat::NowaJakTa() {
    return Ikona(Kopia);
}
QIcon TIkonyLokat::Internet() {
    return Ikona(Globus);
}
QIcon TIkonyLokat::Importuj() {
    return Ikona(Import);
}
QIcon TIkonyLokat::Eksportuj() {
    return Ikona(Eksport);
}
