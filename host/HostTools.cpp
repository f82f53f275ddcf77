#include "HostTools.h"

#include "domain/TFormatSettings.h"

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

} // namespace

const std::vector<Tool>& HostTools() {
    static const std::vector<Tool> tools = {ZyskTool(),      BazaTool(),        LokatyTool(),
                                            OfertyTool(),    KalendarzTool(),   StronaTool(),
                                            BankiTool(),     HarmonogramTool(), RankingTool(),
                                            GwarancjeTool(), KopieTool()};
    return tools;
}

const Tool* FindHostTool(const QString& name) {
    for (const Tool& tool : HostTools())
        if (tool.name == name)
            return &tool;
    return nullptr;
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
