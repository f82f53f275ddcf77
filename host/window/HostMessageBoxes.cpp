#include "window/HostMessageBoxes.h"

#include "platform/Platform.h"

#include <QMessageBox>

HostMessageBoxes::HostMessageBoxes() : fPrevious(Platform::setMessageBoxes(this)) {}

HostMessageBoxes::~HostMessageBoxes() {
    Platform::setMessageBoxes(fPrevious);
}

TMessageResult HostMessageBoxes::show(const TMessage& message) {
    QMessageBox box(message.icon == TMessageIcon::Error ? QMessageBox::Critical
                                                        : QMessageBox::Warning,
                    message.caption, QString(message.text).replace(u'\r', u'\n'));
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (message.buttons == TMessageButtons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return TMessageResult::Ok;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(message.defaultNo ? QMessageBox::No : QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes ? TMessageResult::Yes : TMessageResult::No;
}
