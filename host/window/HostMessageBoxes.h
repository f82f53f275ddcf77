#pragma once
#include "platform/IMessageBoxes.h"

// The program's own message boxes before and after the module's window: the
// question about a data file open in another window and the start-up
// failures, which a program started from the desktop menu (no terminal)
// must show on screen. Installed by the window path of main() for its
// lifetime; linked into the program only, so the tools need no widgets.
class HostMessageBoxes : public IMessageBoxes {
public:
    HostMessageBoxes();
    ~HostMessageBoxes() override;
    HostMessageBoxes(const HostMessageBoxes&) = delete;
    HostMessageBoxes& operator=(const HostMessageBoxes&) = delete;

    TMessageResult show(const TMessage& message) override;

private:
    IMessageBoxes* fPrevious;
};
