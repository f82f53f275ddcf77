#pragma once
#include <QString>

class TProjektDB;

// The deposits module, loaded at run time from libVQ.Lokaty.so with
// dlopen(RTLD_NOW | RTLD_LOCAL) and reached only through its four exported
// functions. The library stays loaded until the process ends: Qt may keep
// references into a widget library's code (meta-objects, style and font
// caches) until the application object is gone, as with Qt's own plugins.
class ModuleLibrary {
public:
    static constexpr const char* kFileName = "libVQ.Lokaty.so";

    // Where the module is looked for: $TALVORA_MODULE when set, else where
    // the program's other private libraries are (PrivateLibrary::Path).
    static QString DefaultPath();

    // Loads the library and finds the exports; false with `error` set when
    // the file cannot be loaded or lacks one of them.
    bool Load(const QString& path, QString& error);
    bool IsLoaded() const { return fShowFormVQ != nullptr; }

    void SetApplicationVariables(void* hostAppHandle, TProjektDB* hostProjektDB) const;
    // An offer file for the next ShowFormVQ to read into its import window
    // once the deposits window shows; "" for none.
    void SetOfferFile(const QString& path) const;
    void ShowFormVQ() const;
    // The text of the error that ended the last showing, "" when it ran its course.
    QString LastError() const;

private:
    using SetApplicationVariablesFn = void (*)(void*, TProjektDB*);
    using ShowFormVQFn = void (*)();
    using LastErrorVQFn = const char* (*)();
    using SetOfferFileVQFn = void (*)(const char*);

    SetApplicationVariablesFn fSetApplicationVariables = nullptr;
    ShowFormVQFn fShowFormVQ = nullptr;
    LastErrorVQFn fLastErrorVQ = nullptr;
    SetOfferFileVQFn fSetOfferFileVQ = nullptr;
};
