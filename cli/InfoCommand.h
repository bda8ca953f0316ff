#pragma once

#include "cli/CCliCommand.h"
#include "cli/PrinterPort.h"

// `info --port PORT [--model N] [--json]`: reads back what the printer holds and prints one
// row per registered ID and the memory line, or the same data (with the character codes)
// as JSON.
class InfoCommand : public CCliCommand {
  public:
    CLI::App* Register(CLI::App& app) override;
    int Run(CCliContext& context) override;

  private:
    PrinterPort m_port;
    int m_model = 0;
    bool m_json = false;
};
