#pragma once
#include "platform/Clock.h"

// A clock that stands still at a moment the owner sets (tests, scripted runs).
class FixedClock : public Clock {
public:
    explicit FixedClock(TDateTime moment = 0) : fMoment(moment) {}
    TDateTime now() const override { return fMoment; }
    void set(TDateTime moment) { fMoment = moment; }

private:
    TDateTime fMoment;
};
