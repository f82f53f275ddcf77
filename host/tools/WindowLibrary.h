#pragma once
#include "tools/WindowOptions.h"

#include <QTextStream>
#include <QtGlobal>

// The window program (the deposits window, the program's own message boxes,
// the module's loader: Qt Widgets) lives in libtalvora_window.so, which the
// program loads only on its window path; no tool loads it.
class WindowLibrary {
public:
    static constexpr const char* kFileName = "libtalvora_window.so";
    static constexpr const char* kEntry = "TalvoraRunWindow";
    using EntryFn = int (*)(int& argc, char** argv, const WindowOptions& options);

    // Loads the library and runs the window program with the program's
    // arguments (for the QApplication, which keeps argc by reference) and
    // its window options, already checked. Returns the exit code; 1 with the
    // message on `err` when the library cannot be loaded.
    static int Run(int& argc, char** argv, const WindowOptions& options, QTextStream& err);
};

// The library's one exported function (window/WindowEntry.cpp), of type EntryFn.
extern "C" Q_DECL_EXPORT int TalvoraRunWindow(int& argc, char** argv, const WindowOptions& options);
