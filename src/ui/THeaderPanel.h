#pragma once
#include "ui/ObrazekNaglowka.h"

#include <QWidget>

class QLabel;

// The header every window of the module carries: a 49-pixel band in
// RGB(64,62,55) with a white bold heading 10 pixels from the left, vertically
// centred and word-wrapped, and a 48-pixel picture on the right. The panel is
// named "pan_1", its heading "lbl_Head" and its picture "img1"; a window may
// rename them after its own controls.
class THeaderPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWysokosc = 49;
    static constexpr int kRozmiarObrazka = 48;
    static QColor Kolor();

    explicit THeaderPanel(QWidget* parent = nullptr);
    THeaderPanel(const QString& heading, TObrazekNaglowka picture, QWidget* parent = nullptr);

    QString Heading() const;
    void SetHeading(const QString& heading);
    void SetPicture(TObrazekNaglowka picture);
    void SetPicture(const QPixmap& picture);

    QLabel* HeadingLabel() const { return fHeading; }
    QLabel* PictureLabel() const { return fPicture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* fHeading;
    QLabel* fPicture;
};
