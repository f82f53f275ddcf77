#pragma once

class QWidget;

// Shows a dialog modally and returns its result (1 for OK/accepted, 0
// otherwise). The window layer implements it with QDialog::exec; tests install
// a runner that fills the real dialog and presses its real buttons.
class IModalRunner {
public:
    virtual ~IModalRunner() = default;
    virtual int runModal(QWidget* dialog) = 0;
};
