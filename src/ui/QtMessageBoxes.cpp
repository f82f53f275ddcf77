#include "ui/QtMessageBoxes.h"

#include "ui/RodzicDialogu.h"
#include "ui/TekstNaEkranie.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
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

// Room a box keeps beside its text: the icon, the spacing and the margins.
constexpr int kIconAndMargins = 120;

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

// Qt wraps a box's text at half the screen's width (500 pixels at most), which
// leaves the last word of a longer sentence alone on a line. The text label is
// made as wide as the text's longest line instead, up to what the screen
// allows; only longer lines wrap.
void FitToText(QMessageBox& box) {
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!label)
        return;
    int widest = 0;
    const QFontMetrics metrics(label->font());
    for (const QString& line : box.text().split(u'\n'))
        widest = qMax(widest, metrics.horizontalAdvance(line));
    const QScreen* screen = box.screen();
    const int screenWidth = screen ? screen->availableGeometry().width() : 1024;
    // What Qt lets a box grow to, less room for the icon and the margins.
    const int limit =
        (screenWidth <= 1024 ? screenWidth : qMin(screenWidth - 480, 1000)) - kIconAndMargins;
    label->setMinimumWidth(qMin(widest + 2, limit));
}

} // namespace

QtMessageBoxes::QtMessageBoxes(QWidget* owner) : fOwner(owner) {}

void QtMessageBoxes::SetOwner(QWidget* owner) {
    fOwner = owner;
}

TMessageResult QtMessageBoxes::show(const TMessage& message) {
    QMessageBox box(IconOf(message.icon), message.caption, TekstNaEkranie(message.text),
                    ButtonsOf(message.buttons), RodzicDialogu(fOwner));
    // Texts come from data the user typed (names, bank pages): never markup.
    box.setTextFormat(Qt::PlainText);
    // The user may copy what a box says (an address, an error to report).
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    NameButtons(box);
    if (message.buttons == TMessageButtons::YesNo) {
        box.setDefaultButton(message.defaultNo ? QMessageBox::No : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
    FitToText(box);
    box.exec();
    return ResultOf(box.standardButton(box.clickedButton()), message.buttons);
}
