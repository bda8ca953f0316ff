// stampix-printer-sim: a virtual label printer on a pseudo-terminal.
#include <CLI/CLI.hpp>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>

#include "sim/CPrinterModel.h"
#include "sim/CPtyPrinterServer.h"
#include "sim/CSimRegistrations.h"
#include "sim/SimContent.h"
#include "sim/SimFault.h"

namespace {

volatile std::sig_atomic_t g_stop = 0;

void OnSignal(int) { g_stop = 1; }

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
        "Virtual label printer on a pseudo-terminal. Prints the device path, then "
        "serves the printer dialogue until SIGTERM or SIGINT."};
    std::string link;
    std::string stateFile;
    unsigned baud = 115200;
    bool preloadDemo = false;
    std::string faultName = "none";
    long long eraseMs = CPrinterModel::kDefaultEraseDelayMs;
    app.add_option("--link", link, "Symbolic link to create to the device");
    app.add_option("--state", stateFile, "File that keeps the registrations across runs");
    app.add_option("--baud", baud, "Line rate to pace reading and writing (0: no pacing)")
        ->check(CLI::Range(0u, 4000000u));
    app.add_flag("--preload-demo", preloadDemo, "Start with a few logos and a font");
    app.add_option("--fault", faultName, "Fault to show")->check(CLI::IsMember(SimFaultNames()));
    app.add_option("--erase-ms", eraseMs, "How long a slow erase lasts (with --fault slow-erase)")
        ->check(CLI::Range(0LL, 3600000LL));
    CLI11_PARSE(app, argc, argv);

    CSimRegistrations registrations;
    std::string error;
    if (!stateFile.empty() && std::filesystem::exists(stateFile) &&
        !registrations.LoadFrom(stateFile, error)) {
        std::cerr << "stampix-printer-sim: " << error << "\n";
        return 1;
    }
    if (preloadDemo) simcontent::PreloadDemo(registrations);

    CPrinterModel model(registrations);
    model.SetFault(*ParseSimFault(faultName));
    model.SetEraseDelay(eraseMs);
    if (!stateFile.empty()) {
        model.SetChangeHandler([&registrations, stateFile] {
            std::string saveError;
            if (!registrations.SaveTo(stateFile, saveError)) {
                std::cerr << "stampix-printer-sim: " << saveError << "\n";
            }
        });
    }

    CPtyPrinterServer server(model, baud);
    if (!server.Open(error) || (!link.empty() && !server.CreateLink(link, error))) {
        std::cerr << "stampix-printer-sim: " << error << "\n";
        return 1;
    }
    InstallSignals();
    std::cout << server.DevicePath() << std::endl;  // the first line, flushed at once
    server.Serve(g_stop);
    return 0;
}
