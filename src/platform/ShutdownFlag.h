#pragma once

// The application's shutting-down flag: set once the program has begun to
// close. Work on other threads (a page download) reads it and ends early.
// Safe to read and set from any thread.
class ShutdownFlag {
public:
    static bool isSet();
    static void set(bool value);
};
