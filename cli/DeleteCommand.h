#pragma once

#include <vector>

#include "cli/CCliCommand.h"
#include "cli/PrinterPort.h"

// `delete --port PORT ID...` deletes registrations one ID at a time, in ascending order,
// stopping at the first failure; `delete --all` deletes everything the printer holds after
// its question (or --yes / --no).
class DeleteCommand : public CCliCommand {
  public:
    CLI::App* Register(CLI::App& app) override;
    int Run(CCliContext& context) override;

  private:
    PrinterPort m_port;
    bool m_all = false;
    std::vector<int> m_ids;
};
