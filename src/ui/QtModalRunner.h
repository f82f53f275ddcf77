#pragma once
#include "platform/IModalRunner.h"

// Shows dialogs modally with QDialog::exec: 1 when the dialog was accepted,
// 0 otherwise (also for a widget that is not a dialog).
class QtModalRunner : public IModalRunner {
public:
    int runModal(QWidget* dialog) override;
};
