#include "ui/TAMHFlashLabel.h"

#include <QTimer>

TAMHFlashLabel::TAMHFlashLabel(QWidget* parent) : TEtykietaKlikalna(parent) {
    Init();
}

TAMHFlashLabel::TAMHFlashLabel(const QString& text, QWidget* parent)
    : TEtykietaKlikalna(text, parent) {
    Init();
}

void TAMHFlashLabel::Init() {
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
    fTimer = new QTimer(this);
    connect(fTimer, &QTimer::timeout, this, &TAMHFlashLabel::Toggle);
    UpdateTimer();
}

void TAMHFlashLabel::SetFlash(bool value) {
    if (fFlash == value)
        return;
    fFlash = value;
    UpdateTimer();
    if (!fFlash)
        setHidden(false);
    update();
}

void TAMHFlashLabel::SetInterval(int value) {
    if (fInterval == value)
        return;
    fInterval = value;
    UpdateTimer();
}

void TAMHFlashLabel::UpdateTimer() {
    if (fFlash && fInterval > 0)
        fTimer->start(fInterval);
    else
        fTimer->stop();
}

void TAMHFlashLabel::Toggle() {
    setHidden(!isHidden());
}
