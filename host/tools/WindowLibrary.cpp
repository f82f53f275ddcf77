#include "tools/WindowLibrary.h"

#include "tools/PrivateLibrary.h"

int WindowLibrary::Run(int& argc, char** argv, const WindowOptions& options, QTextStream& err) {
    QString error;
    const auto entry = reinterpret_cast<EntryFn>(PrivateLibrary::Symbol(kFileName, kEntry, error));
    if (!entry) {
        err << error << "\n";
        return 1;
    }
    err.flush();
    return entry(argc, argv, options);
}
