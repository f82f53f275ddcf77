#include "ui/THeaderPanel.h"

#include <QImage>
#include <QLabel>
#include <gtest/gtest.h>

namespace {

TEST(THeaderPanel, DrawsTheHeaderBandWithHeadingAndPicture) {
    QWidget form;
    form.resize(500, 200);
    auto* header = new THeaderPanel("Lokaty", TObrazekNaglowka::Lokaty, &form);
    header->setGeometry(0, 0, 500, THeaderPanel::kWysokosc);
    form.show();

    const QImage image = header->grab().toImage();
    EXPECT_EQ(header->height(), 49);
    EXPECT_EQ(image.pixelColor(2, 2), QColor(64, 62, 55));
    EXPECT_EQ(image.pixelColor(250, 47), QColor(64, 62, 55));

    QLabel* heading = header->HeadingLabel();
    EXPECT_EQ(heading->objectName(), "lbl_Head");
    EXPECT_EQ(heading->text(), "Lokaty");
    EXPECT_EQ(heading->x(), 10);
    EXPECT_NEAR(heading->geometry().center().y(), 24, 1);
    EXPECT_TRUE(heading->font().bold());
    EXPECT_EQ(heading->font().pixelSize(), 15);
    EXPECT_EQ(heading->palette().color(QPalette::WindowText), QColor(Qt::white));

    // The picture sits at the right edge and is drawn in colours of its own.
    const QRect picture = header->PictureLabel()->geometry();
    EXPECT_EQ(picture.size(), QSize(48, 48));
    EXPECT_GT(picture.x(), 500 - 48 - 12);
    int drawn = 0;
    for (int y = picture.top(); y <= picture.bottom(); ++y)
        for (int x = picture.left(); x <= picture.right(); ++x)
            drawn += image.pixelColor(x, y) != QColor(64, 62, 55);
    EXPECT_GT(drawn, 48 * 48 / 5);
}

TEST(THeaderPanel, EveryPictureIsDrawn) {
    for (auto picture : {TObrazekNaglowka::Lokaty, TObrazekNaglowka::LokatyBankowe,
                         TObrazekNaglowka::Zysk, TObrazekNaglowka::Import}) {
        SCOPED_TRACE(static_cast<int>(picture));
        const QImage image = RysujObrazekNaglowka(picture, 48, 2.0).toImage();
        EXPECT_EQ(image.size(), QSize(96, 96));
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                opaque += image.pixelColor(x, y).alpha() > 0;
        EXPECT_GT(opaque, 96 * 96 / 6);
    }
}

} // namespace
