// stampix-printer-sim: a virtual label printer on a pseudo-terminal.
#include <CLI/CLI.hpp>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "sim/CPrinterModel.h"
#include "sim/CPtyPrinterServer.h"
#include "sim/CSimRegistrations.h"
#include "sim/SimContent.h"
#include "sim/SimFault.h"

namespace {

// Lock-free, so that the handler may set it and every server thread may watch it.
std::atomic<bool> g_stop{false};
static_assert(std::atomic<bool>::is_always_lock_free);

void OnSignal(int) { g_stop.store(true); }

void InstallSignals() {
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{
        "Virtual label printer on a pseudo-terminal. Prints the device path (one a line "
        "with --count), then serves the printer dialogue until SIGTERM or SIGINT."};
    std::string link;
    std::string stateFile;
    unsigned baud = 115200;
    bool preloadDemo = false;
    std::string faultName = "none";
    long long eraseMs = CPrinterModel::kDefaultEraseDelayMs;
    app.add_option("--link", link, "Symbolic link to create to the device");
    app.add_option("--state", stateFile, "File that keeps the registrations across runs");
    // A pseudo-terminal takes about 18 KB ahead of the reader, so the program's write ends
    // (and its reply wait of about 5 s starts) long before a slow line would have carried
    // the bytes.
    app.add_option("--baud", baud,
                   "Line rate to pace reading and writing (0: no pacing). Faithful from 57600 "
                   "up; below that a large logo's data outlasts the program's reply wait, "
                   "since the pseudo-terminal takes about 18 KB ahead")
        ->check(CLI::Range(0u, 4000000u));
    app.add_flag("--preload-demo", preloadDemo, "Start with a few logos and a font");
    app.add_option("--fault", faultName, "Fault to show")->check(CLI::IsMember(SimFaultNames()));
    unsigned count = 1;
    app.add_option("--count", count, "How many printers to start, each on its own device")
        ->check(CLI::Range(1u, 64u));
    app.add_option("--erase-ms", eraseMs, "How long a slow erase lasts (with --fault slow-erase)")
        ->check(CLI::Range(0LL, 3600000LL));
    CLI11_PARSE(app, argc, argv);

    if (count > 1 && (!link.empty() || !stateFile.empty())) {
        std::cerr << "stampix-printer-sim: --link and --state serve one printer, not --count "
                  << count << "\n";
        return 1;
    }

    // One printer each: its own registrations, model and pseudo-terminal.
    std::vector<std::unique_ptr<CSimRegistrations>> registrations;
    std::vector<std::unique_ptr<CPrinterModel>> models;
    std::vector<std::unique_ptr<CPtyPrinterServer>> servers;
    std::string error;
    for (unsigned i = 0; i < count; ++i) {
        auto printer = std::make_unique<CSimRegistrations>();
        if (!stateFile.empty() && std::filesystem::exists(stateFile) &&
            !printer->LoadFrom(stateFile, error)) {
            std::cerr << "stampix-printer-sim: " << error << "\n";
            return 1;
        }
        if (preloadDemo) simcontent::PreloadDemo(*printer);
        auto model = std::make_unique<CPrinterModel>(*printer);
        model->SetFault(*ParseSimFault(faultName));
        model->SetEraseDelay(eraseMs);
        if (!stateFile.empty()) {
            model->SetChangeHandler([saved = printer.get(), stateFile] {
                std::string saveError;
                if (!saved->SaveTo(stateFile, saveError)) {
                    std::cerr << "stampix-printer-sim: " << saveError << "\n";
                }
            });
        }
        auto server = std::make_unique<CPtyPrinterServer>(*model, baud);
        if (!server->Open(error) || (!link.empty() && !server->CreateLink(link, error))) {
            std::cerr << "stampix-printer-sim: " << error << "\n";
            return 1;
        }
        registrations.push_back(std::move(printer));
        models.push_back(std::move(model));
        servers.push_back(std::move(server));
    }
    InstallSignals();
    // The device paths, one a line, flushed at once: the first lines of the output.
    for (const auto& server : servers) std::cout << server->DevicePath() << '\n';
    std::cout << std::flush;
    // Each printer on a thread of its own, so that one paced line never slows another.
    std::vector<std::thread> threads;
    for (const auto& server : servers) {
        threads.emplace_back([printer = server.get()] { printer->Serve(g_stop); });
    }
    for (std::thread& thread : threads) thread.join();
    return 0;
}
