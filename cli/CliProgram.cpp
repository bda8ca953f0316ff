#include "cli/CliProgram.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <optional>

#include "cli/CCliCommand.h"
#include "cli/CCliContext.h"

#ifndef STAMPIX_VERSION
#error "STAMPIX_VERSION must come from the build"
#endif

namespace {

constexpr int kExitUsage = 2;

}  // namespace

int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
           std::istream& in, bool detectTerminal) {
    CLI::App app(
        "Stampix logo tool for the command line: converts and shows logo images, and downloads,\n"
        "reads back and deletes the logos of a printer.",
        "stampix-cli");
    app.set_version_flag("--version", std::string("stampix-cli ") + STAMPIX_VERSION);
    app.require_subcommand(1);
    app.fallthrough();  // --yes and --no may follow the command's name
    bool yes = false;
    bool no = false;
    CLI::Option* yesOption = app.add_flag("--yes", yes, "Answer yes to every question");
    app.add_flag("--no", no, "Answer no to every question")->excludes(yesOption);

    std::vector<std::unique_ptr<CCliCommand>> commands = MakeCommands();
    std::vector<CLI::App*> subcommands;
    for (auto& command : commands) subcommands.push_back(command->Register(app));

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e, out, err);
        return code == 0 ? 0 : kExitUsage;
    }

    std::optional<bool> preset;
    if (yes) preset = true;
    if (no) preset = false;
    CTerminalOperator::Options options;
    if (detectTerminal) {
        options = CTerminalOperator::DetectOptions(preset);
    } else {
        options.presetAnswer = preset;
    }
    CTerminalOperator op(err, in, options);
    CCliContext context{op, out, err, {}};
    for (std::size_t i = 0; i < commands.size(); ++i) {
        if (subcommands[i]->parsed()) return commands[i]->Run(context);
    }
    return kExitUsage;
}
