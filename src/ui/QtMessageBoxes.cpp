#include "ui/QtMessageBoxes.h"

#include "ui/DialogParent.h"
#include "ui/ScreenText.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <utility>

namespace {

QMessageBox::Icon IconOf(TMessageIcon icon) {
    switch (icon) {
    case TMessageIcon::Error:
        return QMessageBox::Critical;
    case TMessageIcon::Warning:
        return QMessageBox::Warning;
    case TMessageIcon::Question:
        return QMessageBox::Question;
    case TMessageIcon::Information:
        break;
    }
    return QMessageBox::Information;
}

QMessageBox::StandardButtons ButtonsOf(TMessageButtons buttons) {
    return buttons == TMessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                             : QMessageBox::StandardButtons(QMessageBox::Ok);
}

// A box closed without any of its buttons (the window's close box is mapped to
// No or OK through the escape button; only an outside close gets here).
TMessageResult ResultOf(QMessageBox::StandardButton clicked, TMessageButtons buttons) {
    switch (clicked) {
    case QMessageBox::Yes:
        return TMessageResult::Yes;
    case QMessageBox::No:
        return TMessageResult::No;
    case QMessageBox::Ok:
        return TMessageResult::Ok;
    default:
        return buttons == TMessageButtons::YesNo ? TMessageResult::Cancel : TMessageResult::Ok;
    }
}

// The buttons speak the module's language whatever translations Qt has loaded.
void NameButtons(QMessageBox& box) {
    const std::pair<QMessageBox::StandardButton, const char*> names[] = {
        {QMessageBox::Ok, "OK"}, {QMessageBox::Yes, "&Tak"}, {QMessageBox::No, "&Nie"}};
    for (const auto& [which, name] : names)
        if (QAbstractButton* button = box.button(which))
            button->setText(QString::fromUtf8(name));
}

} // namespace

QtMessageBoxes::QtMessageBoxes(QWidget* owner) : fOwner(owner) {}

void QtMessageBoxes::SetOwner(QWidget* owner) {
    fOwner = owner;
}

TMessageResult QtMessageBoxes::show(const TMessage& message) {
    QMessageBox box(IconOf(message.icon), message.caption, ScreenText(message.text),
                    ButtonsOf(message.buttons), DialogParent(fOwner));
    // Texts come from data the user typed (names, bank pages): never markup.
    box.setTextFormat(Qt::PlainText);
    NameButtons(box);
    if (message.buttons == TMessageButtons::YesNo) {
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setEscapeButton(QMessageBox::Ok);
    }
    box.exec();
    return ResultOf(box.standardButton(box.clickedButton()), message.buttons);
}
