#include "ui/THeaderPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

namespace {

QFont HeadingFont(QFont font) {
    font.setFamilies({QStringLiteral("Calibri"), QStringLiteral("Carlito"),
                      QStringLiteral("Segoe UI"), QStringLiteral("Noto Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setPixelSize(15);
    font.setBold(true);
    return font;
}

} // namespace

QColor THeaderPanel::Kolor() {
    return QColor(64, 62, 55);
}

THeaderPanel::THeaderPanel(QWidget* parent)
    : QWidget(parent), fHeading(new QLabel(this)), fPicture(new QLabel(this)) {
    setObjectName(QStringLiteral("pan_1"));
    setFixedHeight(kWysokosc);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    fHeading->setObjectName(QStringLiteral("lbl_Head"));
    fHeading->setFont(HeadingFont(fHeading->font()));
    fHeading->setWordWrap(true);
    fHeading->setTextFormat(Qt::PlainText);
    fHeading->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette colours = fHeading->palette();
    colours.setColor(QPalette::WindowText, Qt::white);
    fHeading->setPalette(colours);

    fPicture->setObjectName(QStringLiteral("img1"));
    fPicture->setFixedSize(kRozmiarObrazka, kRozmiarObrazka);
    fPicture->setAlignment(Qt::AlignCenter);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 0, 6, 0);
    layout->setSpacing(8);
    layout->addWidget(fHeading, 1);
    layout->addWidget(fPicture, 0, Qt::AlignVCenter);
    SetPicture(TObrazekNaglowka::Lokaty);
}

THeaderPanel::THeaderPanel(const QString& heading, TObrazekNaglowka picture, QWidget* parent)
    : THeaderPanel(parent) {
    SetHeading(heading);
    SetPicture(picture);
}

QString THeaderPanel::Heading() const {
    return fHeading->text();
}

void THeaderPanel::SetHeading(const QString& heading) {
    fHeading->setText(heading);
}

void THeaderPanel::SetPicture(TObrazekNaglowka picture) {
    SetPicture(RysujObrazekNaglowka(picture, kRozmiarObrazka, devicePixelRatioF()));
}

void THeaderPanel::SetPicture(const QPixmap& picture) {
    fPicture->setPixmap(picture);
}

void THeaderPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Kolor());
}
