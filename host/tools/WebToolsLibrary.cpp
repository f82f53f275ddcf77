#include "tools/WebToolsLibrary.h"

#include "tools/PrivateLibrary.h"

namespace {

struct LoadedTools {
    std::vector<Tool> tools;
    QString error;
};

const LoadedTools& Loaded() {
    static const LoadedTools loaded = [] {
        LoadedTools result;
        const auto entry = reinterpret_cast<WebToolsLibrary::EntryFn>(PrivateLibrary::Symbol(
            WebToolsLibrary::kFileName, WebToolsLibrary::kEntry, result.error));
        if (entry)
            result.tools = *entry();
        return result;
    }();
    return loaded;
}

} // namespace

const std::vector<Tool>& WebToolsLibrary::Tools() {
    return Loaded().tools;
}

QString WebToolsLibrary::LoadError() {
    return Loaded().error;
}
