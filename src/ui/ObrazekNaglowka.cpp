#include "ui/ObrazekNaglowka.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

// Every picture is drawn on a 48 by 48 grid and scaled.
namespace {

const QColor kGoldLight(255, 226, 120);
const QColor kGold(236, 180, 46);
const QColor kGoldDark(176, 118, 22);
const QColor kGoldEdge(122, 80, 10);
const QColor kStone(238, 235, 226);
const QColor kStoneShade(188, 182, 168);
const QColor kGreen(104, 196, 92);
const QColor kGreenDark(52, 128, 48);

constexpr qreal kCoinWidth = 20.0;
constexpr qreal kCoinFace = 7.0;
constexpr qreal kCoinEdge = 3.2;

// One coin lying flat; `top` is the centre of its upper face.
void DrawCoin(QPainter& p, qreal centreX, qreal top) {
    const qreal half = kCoinWidth / 2;
    QPainterPath side;
    side.moveTo(centreX - half, top);
    side.lineTo(centreX - half, top + kCoinEdge);
    side.arcTo(QRectF(centreX - half, top + kCoinEdge - kCoinFace / 2, kCoinWidth, kCoinFace), 180,
               180);
    side.lineTo(centreX + half, top);
    side.closeSubpath();
    QLinearGradient sideFill(centreX - half, 0, centreX + half, 0);
    sideFill.setColorAt(0, kGoldDark);
    sideFill.setColorAt(0.45, kGold);
    sideFill.setColorAt(1, kGoldDark);
    p.setPen(QPen(kGoldEdge, 0.8));
    p.setBrush(sideFill);
    p.drawPath(side);

    const QRectF face(centreX - half, top - kCoinFace / 2, kCoinWidth, kCoinFace);
    QLinearGradient faceFill(face.topLeft(), face.bottomRight());
    faceFill.setColorAt(0, kGoldLight);
    faceFill.setColorAt(1, kGold);
    p.setBrush(faceFill);
    p.drawEllipse(face);
    p.setPen(QPen(kGoldDark, 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(face.adjusted(3.5, 1.3, -3.5, -1.3));
}

void DrawStack(QPainter& p, qreal centreX, qreal bottom, int coins) {
    for (int i = 0; i < coins; ++i)
        DrawCoin(p, centreX, bottom - kCoinEdge - i * (kCoinEdge + 0.4));
}

void DrawCoins(QPainter& p) {
    DrawStack(p, 30, 40, 8);
    DrawStack(p, 17, 44, 5);
}

// A bank with a pediment, four columns and steps, in light stone.
void DrawBank(QPainter& p) {
    p.setPen(QPen(kStoneShade, 0.8));
    QLinearGradient stone(0, 4, 0, 44);
    stone.setColorAt(0, Qt::white);
    stone.setColorAt(1, kStone);
    p.setBrush(stone);

    QPainterPath roof;
    roof.moveTo(24, 4);
    roof.lineTo(44, 15);
    roof.lineTo(4, 15);
    roof.closeSubpath();
    p.drawPath(roof);
    p.drawRect(QRectF(6, 15, 36, 3.5));
    for (const qreal x : {9.0, 17.5, 26.0, 34.5})
        p.drawRect(QRectF(x, 19.5, 4.5, 16));
    p.drawRect(QRectF(6, 36, 36, 3));
    p.drawRect(QRectF(3, 39.5, 42, 4));

    QRadialGradient coin(QPointF(23.2, 10.4), 3.4);
    coin.setColorAt(0, kGoldLight);
    coin.setColorAt(1, kGold);
    p.setPen(QPen(kGoldEdge, 0.6));
    p.setBrush(coin);
    p.drawEllipse(QPointF(24, 11), 3, 3);
}

// A thick arrow from `from` to `to` with its head at `to`.
void DrawArrow(QPainter& p, QPointF from, QPointF to, qreal width) {
    QPainterPath arrow;
    const QLineF shaft(from, to);
    const QLineF unit = shaft.unitVector();
    const QPointF along(unit.dx(), unit.dy());
    const QPointF across(-unit.dy(), unit.dx());
    const qreal head = width * 2.3;
    const QPointF neck = to - along * head;
    arrow.moveTo(from + across * width / 2);
    arrow.lineTo(neck + across * width / 2);
    arrow.lineTo(neck + across * head / 2 * 1.15);
    arrow.lineTo(to);
    arrow.lineTo(neck - across * head / 2 * 1.15);
    arrow.lineTo(neck - across * width / 2);
    arrow.lineTo(from - across * width / 2);
    arrow.closeSubpath();
    QLinearGradient fill(from, to);
    fill.setColorAt(0, kGreenDark);
    fill.setColorAt(1, kGreen);
    p.setPen(QPen(QColor(255, 255, 255, 210), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(arrow);
}

void DrawProfit(QPainter& p) {
    DrawStack(p, 15, 44, 5);
    DrawStack(p, 31, 44, 3);
    DrawArrow(p, QPointF(6, 29), QPointF(44, 4), 6);
}

// A green badge with a white arrow pointing down.
void DrawDownloadBadge(QPainter& p, QPointF centre, qreal radius) {
    QRadialGradient fill(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
    fill.setColorAt(0, kGreen);
    fill.setColorAt(1, kGreenDark);
    p.setPen(QPen(QColor(255, 255, 255, 230), 1.2));
    p.setBrush(fill);
    p.drawEllipse(centre, radius, radius);
    QPainterPath arrow;
    const qreal w = radius * 0.32;
    const qreal top = centre.y() - radius * 0.6;
    const qreal neck = centre.y() + radius * 0.05;
    arrow.moveTo(centre.x() - w, top);
    arrow.lineTo(centre.x() + w, top);
    arrow.lineTo(centre.x() + w, neck);
    arrow.lineTo(centre.x() + radius * 0.62, neck);
    arrow.lineTo(centre.x(), centre.y() + radius * 0.66);
    arrow.lineTo(centre.x() - radius * 0.62, neck);
    arrow.lineTo(centre.x() - w, neck);
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(arrow);
}

void DrawImport(QPainter& p) {
    p.save();
    p.translate(1, 1);
    p.scale(0.8, 0.8);
    DrawBank(p);
    p.restore();
    DrawDownloadBadge(p, QPointF(36, 35), 11);
}

} // namespace

QPixmap RysujObrazekNaglowka(TObrazekNaglowka picture, int size, qreal devicePixelRatio) {
    QPixmap pixmap(QSize(size, size) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 48.0, size / 48.0);
    switch (picture) {
    case TObrazekNaglowka::Lokaty:
        DrawCoins(p);
        break;
    case TObrazekNaglowka::LokatyBankowe:
        DrawBank(p);
        break;
    case TObrazekNaglowka::Zysk:
        DrawProfit(p);
        break;
    case TObrazekNaglowka::Import:
        DrawImport(p);
        break;
    }
    return pixmap;
}
