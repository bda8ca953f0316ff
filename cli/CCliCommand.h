#pragma once

#include <memory>
#include <vector>

#include "cli/CCliContext.h"

namespace CLI {
class App;
}

// One command of stampix-cli ("convert", "show", ...). A command adds its subcommand and
// options to the program's parser and, when the operator chose it, runs with the context.
class CCliCommand {
  public:
    virtual ~CCliCommand() = default;
    // Adds the subcommand to `app` and returns it.
    virtual CLI::App* Register(CLI::App& app) = 0;
    // Runs after a successful parse; returns the exit status (0 success, 1 failure).
    virtual int Run(CCliContext& context) = 0;
};

// Every command of the program, in the order `--help` lists them (CommandList.cpp).
std::vector<std::unique_ptr<CCliCommand>> MakeCommands();
