#include "cli/SyncCommand.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <functional>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <thread>

#include "cli/CDecoderModule.h"
#include "cli/CStopSignals.h"
#include "cli/CSyncBoard.h"
#include "cli/ManifestErrorText.h"
#include "cli/PortDevices.h"
#include "cli/SyncReport.h"
#include "ops/CPortSync.h"
#include "ops/CSyncManifest.h"
#include "serial/CRS232C.h"
#include "serial/StablePortName.h"

namespace {

constexpr int kExitFailed = 1;
constexpr int kExitRefused = 2;
// Port names and file names come from the command line and need not be UTF-8.
constexpr auto kReplace = nlohmann::json::error_handler_t::replace;

using PortList = std::vector<std::unique_ptr<CPortSync>>;

// Runs `phase` on every port at once, one thread each, and waits for all of them.
void OnEveryPort(const PortList& ports, const std::function<void(CPortSync&)>& phase) {
    std::vector<std::thread> threads;
    threads.reserve(ports.size());
    for (const auto& port : ports) threads.emplace_back([&phase, &port] { phase(*port); });
    for (std::thread& thread : threads) thread.join();
}

void ReportManifestErrors(CCliContext& context, const std::string& manifest,
                          const std::vector<ManifestError>& errors, bool json) {
    nlohmann::json list = nlohmann::json::array();
    for (const ManifestError& error : errors) {
        context.err << "sync: " << manifest;
        if (error.line > 0) context.err << ':' << error.line;
        const std::string text = ManifestErrorText(error);
        context.err << ": " << text << '\n';
        list.push_back({{"line", error.line},
                        {"code", std::string(ManifestProblemCode(error.problem))},
                        {"message", text}});
    }
    if (json)
        context.out << nlohmann::json{{"manifest_errors", list}}.dump(2, ' ', false, kReplace)
                    << '\n';
}

}  // namespace

CLI::App* SyncCommand::Register(CLI::App& app) {
    CLI::App* sub = app.add_subcommand(
        "sync", "Bring several printers at once to the logos a manifest names, and verify them");
    sub->add_option("MANIFEST", m_manifest, "The logo manifest (TOML)")->required();
    sub->add_option("--port", m_ports,
                    "A printer's serial port: COM1..COM20 or a device path; once per printer")
        ->required()
        ->expected(1)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    sub->add_flag("--prune", m_prune, "Also delete the IDs the manifest does not name");
    sub->add_flag("--force", m_force, "Send every logo again, also those the printer holds");
    sub->add_flag("--dry-run", m_dryRun, "Read the printers and print the plans; change nothing");
    sub->add_flag("--json", m_json, "Print the plans and results as JSON");
    return sub;
}

int SyncCommand::Run(CCliContext& context) {
    if (const auto shared = FindSharedDevice(m_ports)) {
        context.err << "sync: --port " << m_ports[shared->first] << " and --port "
                    << m_ports[shared->second] << " name the same device\n";
        return kExitRefused;
    }
    CDecoderModule decoder;  // loaded only when the manifest names a picture
    CSyncManifest manifest;
    manifest.SetDecoder(&decoder);
    manifest.SetStopRequest([] { return CStopSignals::Flag().IsRequested(); });
    std::vector<ManifestError> errors;
    if (!manifest.Load(m_manifest, errors)) {
        ReportManifestErrors(context, m_manifest, errors, m_json);
        return kExitRefused;
    }
    // What earlier runs sent: a ledger that cannot be read knows nothing, so the printers'
    // fields alone decide, as they do for a printer never synced from here.
    CSyncLedger ledger(CSyncLedger::DefaultPath());
    std::string ledgerError;
    if (!ledger.Load(ledgerError)) {
        context.err << "sync: the ledger " << ledger.Path().string()
                    << " cannot be read: " << ledgerError << '\n';
    }

    const bool onTerminal = &context.err == &std::cerr && ::isatty(STDERR_FILENO) == 1;
    std::size_t columns = 0;
    winsize size{};
    if (onTerminal && ::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 1) {
        columns = size.ws_col - 1u;  // the last cell would wrap on some terminals
    }
    const SyncOptions options{m_prune, m_force};
    std::unique_ptr<CSyncBoard> board;
    PortList ports;
    for (std::size_t i = 0; i < m_ports.size(); ++i) {
        ports.push_back(std::make_unique<CPortSync>(
            m_ports[i], manifest, options, std::make_unique<CRS232C>(),
            [&board, i](CPortSync::Stage stage, int range, int position, const std::string& text) {
                if (board) board->Update(i, stage, range, position, text);
            }));
        // Ctrl+C stops every port: each ends its step as on a failed line.
        ports.back()->FollowStopFlag(CStopSignals::Flag());
        ports.back()->UseLedger(&ledger, serial::StablePortName(m_ports[i]));
    }

    board = std::make_unique<CSyncBoard>(context.err, m_ports, onTerminal, columns);
    OnEveryPort(ports, [](CPortSync& port) { port.ReadAndPlan(); });
    board.reset();  // the plans come below the lines of the first phase
    if (!m_json) {
        for (const auto& port : ports) {
            if (port->Planned()) PrintSyncPlan(context.out, *port);
        }
        context.out << std::flush;
    }
    if (!m_dryRun) {
        board = std::make_unique<CSyncBoard>(context.err, m_ports, onTerminal, columns);
        OnEveryPort(ports, [](CPortSync& port) { port.Apply(); });
        board.reset();
    }

    bool allOk = true;
    for (const auto& port : ports) {
        allOk = allOk && !port->Failed();
        if (const auto& ledger = port->LedgerNotRecorded()) {
            context.err << "sync: " << LedgerFailureText(*ledger) << '\n';
        }
        if (!m_json) PrintSyncResult(context.out, *port, m_dryRun);
    }
    if (m_json) context.out << SyncJson(ports, m_dryRun).dump(2, ' ', false, kReplace) << '\n';
    return allOk ? 0 : kExitFailed;
}
