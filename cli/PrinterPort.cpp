#include "cli/PrinterPort.h"

#include <CLI/CLI.hpp>
#include <cstdlib>

#include "cli/CStopSignals.h"
#include "serial/CRS232C.h"
#include "serial/SerialPortName.h"

void PrinterPort::AddOption(CLI::App& command) {
    command.add_option("--port", m_port,
                       "Serial port: COM1..COM20 (COMn is /dev/ttyS<n-1>) or a device path; "
                       "default $STAMPIX_PORT, else COM1");
}

std::string PrinterPort::Resolve() const {
    if (!m_port.empty()) return m_port;
    return serial::PortFromEnvironment(std::getenv("STAMPIX_PORT"));
}

std::unique_ptr<CLogoSession> PrinterPort::OpenSession(IOperator& op) const {
    auto session = std::make_unique<CLogoSession>(op, std::make_unique<CRS232C>());
    session->m_portName = Resolve();
    session->FollowStopFlag(CStopSignals::Flag());
    return session;
}
