#include "ui/QtMessageBoxes.h"
#include "common/widgets/ModalActions.h"
#include "common/widgets/ModalWatchdog.h"

#include <QAbstractButton>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
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
