#include "cli/CCliCommand.h"
#include "cli/ConvertCommand.h"
#include "cli/ShowCommand.h"

// A new command is one more line here (and its files in CMakeLists.txt).
std::vector<std::unique_ptr<CCliCommand>> MakeCommands() {
    std::vector<std::unique_ptr<CCliCommand>> commands;
    commands.push_back(std::make_unique<ConvertCommand>());
    commands.push_back(std::make_unique<ShowCommand>());
    return commands;
}
