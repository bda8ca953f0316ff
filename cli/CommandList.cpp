#include "cli/CCliCommand.h"
#include "cli/ConvertCommand.h"
#include "cli/DeleteCommand.h"
#include "cli/DownloadCommand.h"
#include "cli/InfoCommand.h"
#include "cli/ShowCommand.h"
#include "cli/SyncCommand.h"

// A new command is one more line here (and its files in CMakeLists.txt).
std::vector<std::unique_ptr<CCliCommand>> MakeCommands() {
    std::vector<std::unique_ptr<CCliCommand>> commands;
    commands.push_back(std::make_unique<ConvertCommand>());
    commands.push_back(std::make_unique<ShowCommand>());
    commands.push_back(std::make_unique<DownloadCommand>());
    commands.push_back(std::make_unique<InfoCommand>());
    commands.push_back(std::make_unique<DeleteCommand>());
    commands.push_back(std::make_unique<SyncCommand>());
    return commands;
}
