#pragma once
#include "ui/TEtykietaKlikalna.h"

class QTimer;

// A label that blinks: while Flash is on, its owned timer shows and hides it
// every Interval milliseconds. It keeps its place in a layout while hidden.
class TAMHFlashLabel : public TEtykietaKlikalna {
    Q_OBJECT

public:
    explicit TAMHFlashLabel(QWidget* parent = nullptr);
    explicit TAMHFlashLabel(const QString& text, QWidget* parent = nullptr);

    bool Flash() const { return fFlash; }
    // Off stops the blinking and leaves the label shown.
    void SetFlash(bool value);
    int Interval() const { return fInterval; }
    // An interval of zero or less stops the timer.
    void SetInterval(int value);

    QTimer* Timer() const { return fTimer; }

private:
    void Init();
    void UpdateTimer();
    void Toggle();

    bool fFlash = true;
    int fInterval = 500;
    QTimer* fTimer = nullptr;
};
