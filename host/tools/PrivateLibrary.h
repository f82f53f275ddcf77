#pragma once
#include <QString>

// A library of the program's own that it loads at run time with
// dlopen(RTLD_NOW | RTLD_LOCAL) instead of linking it: the deposits module,
// the window program and the web tools, so that a tool needing none of them
// starts without Qt Widgets, libcurl and gumbo. A library is looked for next
// to the running program, where the build puts it, else in the private
// library folder of an installed program (lib/<triplet>/talvora/ beside its
// bin/); both are found from the program's own path, never from the current
// folder. A loaded library stays loaded until the process ends (Qt may keep
// references into a widget library's code until the application is gone).
class PrivateLibrary {
public:
    static QString Path(const char* fileName);

    // Loads Path(fileName) and finds `symbol` in it; nullptr with `error`
    // set (a Polish sentence naming the file) when either fails.
    static void* Symbol(const char* fileName, const char* symbol, QString& error);

    // The folder of the running program's file; works before the Qt
    // application object exists.
    static QString ProgramDir();
};
