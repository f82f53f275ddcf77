#include "HostCommands.h"

#include "BankiCommand.h"
#include "BazaCommand.h"
#include "HarmonogramCommand.h"
#include "KalendarzCommand.h"
#include "LokatyCommand.h"
#include "OfertyCommand.h"
#include "RankingCommand.h"
#include "StronaCommand.h"
#include "ZyskCommand.h"

std::vector<std::unique_ptr<HostCommand>> HostCommands() {
    std::vector<std::unique_ptr<HostCommand>> commands;
    commands.push_back(std::make_unique<ZyskCommand>());
    commands.push_back(std::make_unique<BazaCommand>());
    commands.push_back(std::make_unique<LokatyCommand>());
    commands.push_back(std::make_unique<OfertyCommand>());
    commands.push_back(std::make_unique<KalendarzCommand>());
    commands.push_back(std::make_unique<StronaCommand>());
    commands.push_back(std::make_unique<BankiCommand>());
    commands.push_back(std::make_unique<HarmonogramCommand>());
    commands.push_back(std::make_unique<RankingCommand>());
    return commands;
}

int RunHostCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.isEmpty())
        return -1;
    for (const auto& command : HostCommands()) {
        if (command->name() == arguments.first()) {
            const int code = command->run(arguments.mid(1), out, err);
            out.flush();
            err.flush();
            return code;
        }
    }
    return -1;
}
