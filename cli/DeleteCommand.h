#pragma once

#include <vector>

#include "cli/CCliCommand.h"
#include "cli/PrinterPort.h"

// `delete --port PORT ID...` deletes registrations one ID at a time; `delete --all` deletes
// everything the printer holds. Both ask first (or take --yes / --no).
class DeleteCommand : public CCliCommand {
  public:
    CLI::App* Register(CLI::App& app) override;
    int Run(CCliContext& context) override;

  private:
    PrinterPort m_port;
    bool m_all = false;
    std::vector<int> m_ids;
};
