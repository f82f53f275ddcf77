#include "HostTools.h"

#include "WebToolsLibrary.h"
#include "format/TFormatSettings.h"

#include <exception>

namespace {

bool AsksForHelp(const QStringList& arguments) {
    return arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"));
}

// Parsing, the tool's own checks, the work, and the report of its failure.
int RunTool(const Tool& tool, const QStringList& arguments, QTextStream& out, QTextStream& err) {
    UstawFormaty();
    if (AsksForHelp(arguments)) {
        out << tool.help;
        return 0;
    }
    CommandLineOptions options(tool.valueOptions, tool.flags, tool.maxPositional);
    QString error;
    if (options.parse(arguments, error) && tool.dataFile)
        options.requireDataFile(error);
    if (error.isEmpty() && tool.check)
        error = tool.check(options);
    if (!error.isEmpty())
        return CommandLineOptions::reportError(err, tool.name, error);
    try {
        return tool.run(ToolCall{options, out, err});
    } catch (const std::exception& failure) {
        return CommandLineOptions::reportFailure(err, failure);
    }
}

// The program's own tools: they need no window and no web.
const std::vector<Tool>& OwnTools() {
    static const std::vector<Tool> tools = {ZyskTool(),    BazaTool(),      LokatyTool(),
                                            OfertyTool(),  KalendarzTool(), HarmonogramTool(),
                                            RankingTool(), KopieTool()};
    return tools;
}

const Tool* FindTool(const std::vector<Tool>& tools, const QString& name) {
    for (const Tool& tool : tools)
        if (tool.name == name)
            return &tool;
    return nullptr;
}

} // namespace

const std::vector<Tool>& HostTools() {
    static const std::vector<Tool> tools = [] {
        std::vector<Tool> all = OwnTools();
        const std::vector<Tool>& web = WebToolsLibrary::Tools();
        all.insert(all.end(), web.begin(), web.end());
        return all;
    }();
    return tools;
}

const Tool* FindHostTool(const QString& name) {
    if (const Tool* tool = FindTool(OwnTools(), name))
        return tool;
    // An option is no tool's name: the window's options load no web library.
    if (name.isEmpty() || name.startsWith(u'-'))
        return nullptr;
    return FindTool(WebToolsLibrary::Tools(), name);
}

int RunHostCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const Tool* tool = arguments.isEmpty() ? nullptr : FindHostTool(arguments.first());
    if (!tool)
        return -1;
    const int code = RunTool(*tool, arguments.mid(1), out, err);
    out.flush();
    err.flush();
    return code;
}
