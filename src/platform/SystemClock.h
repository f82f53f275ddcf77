#pragma once
#include "platform/Clock.h"

// The machine's local time.
class SystemClock : public Clock {
public:
    TDateTime now() const override;
};
