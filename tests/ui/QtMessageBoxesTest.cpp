#include "ui/QtMessageBoxes.h"
#include "common/widgets/ModalActions.h"
#include "common/widgets/ModalWatchdog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// What the box looked like while it was open.
struct Seen {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    Qt::TextFormat format = Qt::AutoText;
    QPointer<QWidget> parent;
    QStringList buttonTexts;
};

TMessageResult ShowAndAnswer(QtMessageBoxes& boxes, const TMessage& message,
                             std::function<void(QMessageBox&)> answer, Seen& seen) {
    WhenModalShows([&seen, answer](QWidget& window) {
        auto* box = qobject_cast<QMessageBox*>(&window);
        ASSERT_NE(box, nullptr);
        seen = {box->windowTitle(), box->text(),         box->icon(), box->standardButtons(),
                box->textFormat(),  box->parentWidget(), {}};
        for (const QAbstractButton* button : box->buttons())
            seen.buttonTexts << button->text();
        seen.buttonTexts.sort();
        answer(*box);
    });
    return boxes.show(message);
}

std::function<void(QMessageBox&)> Click(QMessageBox::StandardButton button) {
    return [button](QMessageBox& box) { ClickMessageBoxButton(box, button); };
}

TEST(QtMessageBoxes, ShowsCaptionIconButtonsAndLineBrokenText) {
    ModalWatchdog watchdog;
    QtMessageBoxes boxes;
    struct Case {
        TMessage message;
        std::function<void(QMessageBox&)> answer;
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        TMessageResult result;
    } cases[] = {
        {{"BŁĄD !!!", "Pierwsza linia\rDruga linia", TMessageIcon::Error, TMessageButtons::Ok},
         Click(QMessageBox::Ok),
         "Pierwsza linia\nDruga linia",
         QMessageBox::Critical,
         QMessageBox::Ok,
         TMessageResult::Ok},
        {{"UWAGA !!!", "Usunąć?\r\nNa pewno?", TMessageIcon::Warning, TMessageButtons::YesNo},
         Click(QMessageBox::Yes),
         "Usunąć?\nNa pewno?",
         QMessageBox::Warning,
         QMessageBox::Yes | QMessageBox::No,
         TMessageResult::Yes},
        {{"UWAGA !!!", "Usunąć?", TMessageIcon::Warning, TMessageButtons::YesNo},
         Click(QMessageBox::No),
         "Usunąć?",
         QMessageBox::Warning,
         QMessageBox::Yes | QMessageBox::No,
         TMessageResult::No},
        {{"UWAGA !!!", "Escape", TMessageIcon::Warning, TMessageButtons::YesNo},
         [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); },
         "Escape",
         QMessageBox::Warning,
         QMessageBox::Yes | QMessageBox::No,
         TMessageResult::No},
        {{"Informacja", "<b>Bank</b> & co\r\r", TMessageIcon::Information, TMessageButtons::Ok},
         [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); },
         "<b>Bank</b> & co\n\n",
         QMessageBox::Information,
         QMessageBox::Ok,
         TMessageResult::Ok},
        {{"Pytanie", "?", TMessageIcon::Question, TMessageButtons::YesNo},
         [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); },
         "?",
         QMessageBox::Question,
         QMessageBox::Yes | QMessageBox::No,
         TMessageResult::Yes},
        // A question that would destroy something: a stray Enter answers No.
        {{"UWAGA !!!", "Usunąć?", TMessageIcon::Warning, TMessageButtons::YesNo, true},
         [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); },
         "Usunąć?",
         QMessageBox::Warning,
         QMessageBox::Yes | QMessageBox::No,
         TMessageResult::No},
        {{"BŁĄD !!!", "Enter", TMessageIcon::Error, TMessageButtons::Ok},
         [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); },
         "Enter",
         QMessageBox::Critical,
         QMessageBox::Ok,
         TMessageResult::Ok},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message.text.toStdString());
        Seen seen;
        EXPECT_EQ(ShowAndAnswer(boxes, c.message, c.answer, seen), c.result);
        EXPECT_EQ(seen.title, c.message.caption);
        EXPECT_EQ(seen.text, c.text);
        EXPECT_EQ(seen.icon, c.icon);
        EXPECT_EQ(seen.buttons, c.buttons);
        EXPECT_EQ(seen.format, Qt::PlainText);
        EXPECT_EQ(seen.buttonTexts, c.buttons == QMessageBox::Ok ? QStringList({"OK"})
                                                                 : QStringList({"&Nie", "&Tak"}));
    }
}

// The box is as wide as its longest line, so a sentence keeps its last word;
// a line longer than the screen allows still wraps. The text can be selected
// for copying (an address the browser could not open).
TEST(QtMessageBoxes, SizesItselfToItsTextWhichCanBeSelected) {
    ModalWatchdog watchdog;
    QtMessageBoxes boxes;
    const QString zdanie =
        "Czas zakończenia lokaty już minął, nie można jej ponownie aktywować !!!";
    for (const QString& tekst : {zdanie, zdanie + " " + zdanie + " " + zdanie}) {
        SCOPED_TRACE(tekst.toStdString());
        int linie = 0;
        Qt::TextInteractionFlags flagi;
        WhenModalShows([&](QWidget& box) {
            auto* etykieta = box.findChild<QLabel*>("qt_msgbox_label");
            ASSERT_NE(etykieta, nullptr);
            linie = etykieta->height() / etykieta->fontMetrics().lineSpacing();
            flagi = etykieta->textInteractionFlags();
            ClickMessageBoxButton(box, QMessageBox::Ok);
        });
        boxes.show({"BŁĄD !!!", tekst, TMessageIcon::Error, TMessageButtons::Ok});
        const bool miesciSie = QFontMetrics(QApplication::font()).horizontalAdvance(tekst) <
                               QApplication::primaryScreen()->availableGeometry().width() - 200;
        if (miesciSie)
            EXPECT_EQ(linie, 1);
        else
            EXPECT_GT(linie, 1);
        EXPECT_TRUE(flagi & Qt::TextSelectableByMouse);
    }
}

TEST(QtMessageBoxes, BelongsToTheOpenModalWindowElseToTheOwner) {
    ModalWatchdog watchdog;
    QWidget owner;
    owner.show();
    QtMessageBoxes boxes(&owner);
    const TMessage error{"BŁĄD !!!", "x", TMessageIcon::Error, TMessageButtons::Ok};
    Seen seen;
    ShowAndAnswer(boxes, error, Click(QMessageBox::Ok), seen);
    EXPECT_EQ(seen.parent, &owner);

    QDialog dialog(&owner);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    ShowAndAnswer(boxes, error, Click(QMessageBox::Ok), seen);
    EXPECT_EQ(seen.parent, &dialog);
}

TEST(QtMessageBoxes, ABoxClosedFromOutsideAnswersNothingThatProceeds) {
    ModalWatchdog watchdog;
    QtMessageBoxes boxes;
    Seen seen;
    const TMessage question{"UWAGA !!!", "?", TMessageIcon::Warning, TMessageButtons::YesNo};
    const TMessageResult result = ShowAndAnswer(
        boxes, question, [](QMessageBox& box) { box.reject(); }, seen);
    EXPECT_NE(result, TMessageResult::Yes);
}

} // namespace
