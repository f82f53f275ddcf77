#pragma once
#include "platform/FixedClock.h"
#include "platform/Platform.h"

// A fixed clock installed for the lifetime of the object.
class ScopedClock : public FixedClock {
public:
    explicit ScopedClock(TDateTime moment)
        : FixedClock(moment), fPrevious(Platform::setClock(this)) {}
    ~ScopedClock() override { Platform::setClock(fPrevious); }

private:
    Clock* fPrevious;
};
