#include "platform/SystemClock.h"

#include "platform/Platform.h"

TDateTime SystemClock::now() const { return FromQDateTime(QDateTime::currentDateTime()); }

TDateTime Now() { return Platform::clock().now(); }

TDateTime Today() { return DateOf(Now()); }
