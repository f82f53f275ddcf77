#include "ui/TAMHFlashLabel.h"
#include "ui/TAMHSensitiveLabel.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

void Press(QWidget& w, Qt::MouseButton button, QPoint at = {5, 5}) {
    QMouseEvent event(QEvent::MouseButtonPress, at, w.mapToGlobal(at), button, button,
                      Qt::NoModifier);
    QApplication::sendEvent(&w, &event);
}

void Release(QWidget& w, Qt::MouseButton button, QPoint at = {5, 5}) {
    QMouseEvent event(QEvent::MouseButtonRelease, at, w.mapToGlobal(at), button, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&w, &event);
}

void Enter(QWidget& w) {
    QEnterEvent event(QPointF(5, 5), QPointF(5, 5), w.mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(&w, &event);
}

void Leave(QWidget& w) {
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(&w, &event);
}

QFont Font(const QString& family, int pointSize, bool bold) {
    QFont font(family, pointSize);
    font.setBold(bold);
    return font;
}

TEST(TAMHSensitiveLabel, TakesTheHoverAndPressFontsAndReturnsToItsOwn) {
    QWidget form;
    TAMHSensitiveLabel label("[Kliknij tutaj]", &form);
    EXPECT_TRUE(label.ActiveMouseDown());
    EXPECT_FALSE(label.ActiveMouseMove());
    EXPECT_EQ(label.FontMouseDown().color, QColor(Qt::red));

    // The window gives the label its own look after creating it.
    const TLabelFont own{Font("DejaVu Serif", 11, false), QColor(0, 100, 0)};
    label.setFont(own.font);
    QPalette colours = label.palette();
    colours.setColor(QPalette::WindowText, own.color);
    label.setPalette(colours);
    const TLabelFont hover{Font("DejaVu Sans", 9, true), QColor(Qt::blue)};
    const TLabelFont down{Font("DejaVu Sans Mono", 12, false), QColor(Qt::red)};
    label.SetFontMouseMove(hover);
    label.SetFontMouseDown(down);

    struct Step {
        const char* name;
        std::function<void()> event;
        TLabelFont expected;
    } steps[] = {
        {"enter", [&] { Enter(label); }, hover},
        {"left press", [&] { Press(label, Qt::LeftButton); }, down},
        {"left release", [&] { Release(label, Qt::LeftButton); }, own},
        {"leave", [&] { Leave(label); }, own},
        {"right press", [&] { Press(label, Qt::RightButton); }, down},
        {"right release", [&] { Release(label, Qt::RightButton); }, own},
        {"press with ActiveMouseDown off",
         [&] {
             label.SetActiveMouseDown(false);
             Press(label, Qt::LeftButton);
         },
         own},
        {"enter with ActiveMouseMove off", [&] { Enter(label); }, hover},
        {"leave again", [&] { Leave(label); }, own},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        step.event();
        EXPECT_EQ(label.font().family(), step.expected.font.family());
        EXPECT_EQ(label.font().pointSize(), step.expected.font.pointSize());
        EXPECT_EQ(label.font().bold(), step.expected.font.bold());
        EXPECT_EQ(label.palette().color(QPalette::WindowText), step.expected.color);
    }
}

TEST(TAMHSensitiveLabel, AnInheritedFontIsInheritedAgainAfterTheEffect) {
    QWidget form;
    form.setFont(Font("DejaVu Serif", 14, false));
    TAMHSensitiveLabel label("link", &form);
    label.SetFontMouseMove({Font("DejaVu Sans", 8, true), QColor(Qt::blue)});
    Enter(label);
    Leave(label);
    form.setFont(Font("DejaVu Serif", 16, false));
    EXPECT_EQ(label.font().pointSize(), 16);
}

TEST(TEtykietaKlikalna, ClicksOnALeftPressAndReleaseOverIt) {
    QWidget form;
    TAMHSensitiveLabel label("link", &form);
    label.resize(100, 20);
    QSignalSpy clicks(&label, &TEtykietaKlikalna::clicked);
    Press(label, Qt::LeftButton);
    Release(label, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
    Press(label, Qt::RightButton);
    Release(label, Qt::RightButton);
    Press(label, Qt::LeftButton);
    Release(label, Qt::LeftButton, {300, 5}); // let go outside
    Release(label, Qt::LeftButton);           // a release without a press
    EXPECT_EQ(clicks.count(), 1);
}

TEST(TAMHFlashLabel, BlinksEveryIntervalAndKeepsItsPlace) {
    QWidget form;
    auto* layout = new QVBoxLayout(&form);
    auto* flash = new TAMHFlashLabel("Obliczony zysk ma charakter przybliżony.", &form);
    auto* below = new QLabel("pod spodem", &form);
    layout->addWidget(flash);
    layout->addWidget(below);
    EXPECT_TRUE(flash->Flash());
    EXPECT_EQ(flash->Interval(), 500);
    EXPECT_EQ(flash->Timer()->interval(), 500);
    form.show();
    const int belowAt = below->y();

    flash->SetInterval(20);
    EXPECT_EQ(flash->Timer()->interval(), 20);
    EXPECT_TRUE(QTest::qWaitFor([&] { return flash->isHidden(); }, 10000));
    EXPECT_EQ(below->y(), belowAt);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !flash->isHidden(); }, 10000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return flash->isHidden(); }, 10000));

    flash->SetFlash(false);
    EXPECT_FALSE(flash->isHidden());
    EXPECT_FALSE(flash->Timer()->isActive());
    // Five intervals without a blink.
    EXPECT_FALSE(QTest::qWaitFor([&] { return flash->isHidden(); }, 100));

    flash->SetFlash(true);
    EXPECT_TRUE(flash->Timer()->isActive());
    flash->SetInterval(0);
    EXPECT_FALSE(flash->Timer()->isActive());
}

} // namespace
