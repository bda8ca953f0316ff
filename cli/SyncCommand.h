#pragma once

#include <string>
#include <vector>

#include "cli/CCliCommand.h"

// `sync MANIFEST --port P [--port Q ...] [--prune] [--force] [--dry-run] [--json]`: brings
// every printer named to the logos of the manifest, all ports at once. Each port reads its
// registrations and plans; the plans are shown; then each port deletes (--prune), downloads
// what is missing or different, reads back and verifies. Exit status 0 when every port
// succeeded, 1 when some failed, 2 when the manifest or the ports were refused.
class SyncCommand : public CCliCommand {
  public:
    CLI::App* Register(CLI::App& app) override;
    int Run(CCliContext& context) override;

  private:
    std::string m_manifest;
    std::vector<std::string> m_ports;
    bool m_prune = false;
    bool m_force = false;
    bool m_dryRun = false;
    bool m_json = false;
};
