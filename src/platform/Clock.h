#pragma once
#include "platform/DateTimeUtils.h"

// Source of "now". Every current date and time of the system comes from the
// clock installed in Platform, so a test can fix the day and the hour.
class Clock {
public:
    virtual ~Clock() = default;
    virtual TDateTime now() const = 0;
};

// The current local date and time, and today's midnight, from the installed clock.
TDateTime Now();
TDateTime Today();
