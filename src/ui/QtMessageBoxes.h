#pragma once
#include "platform/IMessageBoxes.h"

#include <QPointer>
#include <QWidget>

// Message boxes drawn by Qt. The caption, icon and buttons are taken as given;
// the text is shown as plain text with its "\r" (and "\r\n") line breaks as
// real line breaks. The box belongs to the open modal window, else to the owner.
class QtMessageBoxes : public IMessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* owner = nullptr);

    QWidget* Owner() const { return fOwner; }
    void SetOwner(QWidget* owner);

    TMessageResult show(const TMessage& message) override;

private:
    QPointer<QWidget> fOwner;
};
