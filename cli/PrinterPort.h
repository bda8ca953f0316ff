#pragma once

#include <memory>
#include <string>

#include "host/IOperator.h"
#include "ops/CLogoSession.h"

namespace CLI {
class App;
}

// The --port option of the printer commands: COM1..COM20 or a device path; without it the
// environment's STAMPIX_PORT, else COM1.
class PrinterPort {
  public:
    void AddOption(CLI::App& command);
    std::string Resolve() const;
    // A session on the real serial port named by the option, reporting to `op`; the stop
    // signals (CStopSignals) stop it.
    std::unique_ptr<CLogoSession> OpenSession(IOperator& op) const;

  private:
    std::string m_port;
};
