#pragma once
#include "HostCommand.h"

#include <memory>
#include <vector>

// The host's command-line tools, in the order "--help" lists them.
std::vector<std::unique_ptr<HostCommand>> HostCommands();

// Runs "talvora NAME ARGS..." when NAME is a tool; returns -1 when it is not.
int RunHostCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
