#include "platform/SystemClock.h"

#include "platform/Platform.h"

TDateTime SystemClock::now() const {
    // Turning the time into local time looks the time zone up on every call;
    // within one millisecond the answer is the same, so each thread keeps
    // the last one (loaders stamp thousands of records in a few milliseconds).
    thread_local qint64 ostatnieMs = -1;
    thread_local TDateTime ostatniaChwila = 0;
    const qint64 ms = QDateTime::currentMSecsSinceEpoch();
    if (ms != ostatnieMs) {
        ostatnieMs = ms;
        ostatniaChwila = FromQDateTime(QDateTime::fromMSecsSinceEpoch(ms));
    }
    return ostatniaChwila;
}

TDateTime Now() {
    return Platform::clock().now();
}

TDateTime Today() {
    return DateOf(Now());
}
