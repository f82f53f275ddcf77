// The entry of libtalvora_web.so: the tools that need the web, in the order
// "talvora --help" lists them after the program's own.
#include "tools/WebToolsLibrary.h"

#include <type_traits>

static_assert(std::is_same_v<decltype(&TalvoraWebTools), WebToolsLibrary::EntryFn>);

const std::vector<Tool>* TalvoraWebTools() {
    static const std::vector<Tool> tools = {StronaTool(), BankiTool(), GwarancjeTool()};
    return &tools;
}
