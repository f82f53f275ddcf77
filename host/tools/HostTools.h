#pragma once
#include "tools/CommandLineOptions.h"

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <vector>

// What a tool's run function gets: the tool's name, its arguments already
// parsed and checked, and the two streams.
struct ToolCall {
    const QString& tool;
    const CommandLineOptions& options;
    QTextStream& out;
    QTextStream& err;
    bool json() const { return options.has(QStringLiteral("--json")); }
    bool csv() const { return options.has(QStringLiteral("--csv")); }
    // Wrong arguments that only the work finds, reported as the opening
    // reports the others. Returns the exit code for them, 2.
    int wrongArguments(const QString& error) const {
        return CommandLineOptions::reportError(err, tool, error);
    }
};

// One command-line tool of the host ("talvora NAME ..."): what "--help"
// lists and prints, the options it accepts and the work it does. Every tool
// goes through one opening (RunHostCommand): "--help" or "-h" prints the
// help; wrong arguments print the message and a pointer to the help (exit
// 2); an error that leaves the work prints its message (exit 1).
struct Tool {
    QString name;
    QString summary;
    QString help;
    QStringList valueOptions; // "--name VALUE"
    QStringList flags;        // "--name"; --help and -h are always accepted
    int maxPositional = 0;
    bool dataFile = false; // "--db FILE" is required
    // Checks of the arguments beyond the parser's: an error text, or empty.
    QString (*check)(const CommandLineOptions& options) = nullptr;
    // The work: returns the exit code (0 done, 1 failed, 2 wrong arguments).
    int (*run)(const ToolCall& call) = nullptr;
};

// The tools, in the order "talvora --help" lists them: the program's own,
// then those of the web library (WebToolsLibrary), which this loads.
const std::vector<Tool>& HostTools();
// The tool called `name`; the web library is loaded only for a name that is
// none of the program's own tools.
const Tool* FindHostTool(const QString& name);

// Runs "talvora NAME ARGS..." when NAME is a tool; returns -1 when it is not.
int RunHostCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

// The table's entries, one per tool, each defined beside its work and named
// after the tool; StronaTool, BankiTool and GwarancjeTool (it downloads the
// euro rate) are built into the web library and listed by it.
Tool ZyskTool();
Tool BazaTool();
Tool LokatyTool();
Tool OfertyTool();
Tool KalendarzTool();
Tool StronaTool();
Tool BankiTool();
Tool HarmonogramTool();
Tool RankingTool();
Tool KopieTool();
Tool GwarancjeTool();
