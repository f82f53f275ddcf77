#pragma once
#include "tools/HostTools.h"

#include <QString>
#include <QtGlobal>
#include <vector>

// The tools that download pages or read HTML (libcurl, gumbo) live in
// libtalvora_web.so, which the program loads only when one of them is named
// or the whole list of tools is asked for ("talvora --help"), so that every
// other tool starts without those libraries. A tool that needs the web is
// built into that library (WEB_SOURCES in host/CMakeLists.txt) and listed by
// its exported function TalvoraWebTools (web/WebTools.cpp).
class WebToolsLibrary {
public:
    static constexpr const char* kFileName = "libtalvora_web.so";
    static constexpr const char* kEntry = "TalvoraWebTools";
    using EntryFn = const std::vector<Tool>* (*)();

    // Its tools, the library being loaded on the first call; none when it
    // cannot be loaded, and then LoadError() says why.
    static const std::vector<Tool>& Tools();
    static QString LoadError();
};

// The library's one exported function (web/WebTools.cpp), of type EntryFn.
extern "C" Q_DECL_EXPORT const std::vector<Tool>* TalvoraWebTools();
