// `stampix-cli sync` of 5 logos (45,056 pattern bytes, 44 Kbyte in all) into virtual
// printers paced at 115200 baud, every logo sent again (--force) at each iteration.
//  - BM_Sync/N: one sync into N printers; "wire_s" is the wire time of one printer's bytes.
//  - BM_SyncFourVersusOne: syncs into one printer and into four in turn; "ratio" is the
//    time of four over the time of one. Must stay <= 1.2: the ports run side by side.
#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <sstream>

#include "cli/CliProgram.h"
#include "sim/CPrinterSimProcess.h"
#include "tests/imaging/BmpBuilder.h"

namespace {

constexpr int kWidth = 704;                         // 88 bytes a row
constexpr int kRows[] = {102, 102, 102, 102, 104};  // 512 rows: 45,056 pattern bytes
constexpr double kBaud = 115200;

class CSyncSetup {
  public:
    CSyncSetup() {
        std::ofstream manifest(m_folder / "logos.toml");
        manifest << "model = \"NV210a\"\n";
        int id = 10;
        for (int rows : kRows) {
            bmptest::BmpFile file{
                .width = kWidth, .height = rows, .bitCount = 1, .palette = {0xFFFFFF, 0}};
            file.pixels = bmptest::PackPixels(1, kWidth, rows,
                                              [](int x, int y) { return (x * 7 + y) % 3 == 0; });
            const std::string name = "logo" + std::to_string(id) + ".bmp";
            bmptest::WriteFile(m_folder / name, bmptest::Build(file));
            manifest << "[[logo]]\nid = " << id << "\nname = \"L" << id << "\"\nfile = \"" << name
                     << "\"\n";
            ++id;
        }
        m_started = m_sim.Start(STAMPIX_SIM_PROGRAM, {"--count", "4", "--baud", "115200"}, m_error,
                                std::chrono::seconds(10), 4);
    }

    bool Started() const { return m_started; }
    const std::string& Error() const { return m_error; }

    // One sync of every logo into the first `ports` printers; its wall time in seconds, or a
    // negative figure when it failed.
    double Sync(int ports) {
        std::vector<std::string> args{"stampix-cli", "sync", (m_folder / "logos.toml").string(),
                                      "--force"};
        for (int i = 0; i < ports; ++i) {
            args.push_back("--port");
            args.push_back(m_sim.DevicePaths()[static_cast<std::size_t>(i)]);
        }
        std::vector<const char*> argv;
        for (const std::string& arg : args) argv.push_back(arg.c_str());
        std::ostringstream out;
        std::ostringstream err;
        std::istringstream in;
        const auto start = std::chrono::steady_clock::now();
        const int status = RunCli(static_cast<int>(argv.size()), argv.data(), out, err, in, false);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        return status == 0 ? elapsed.count() : -1.0;
    }

  private:
    bmptest::TempFolder m_folder;
    CPrinterSimProcess m_sim;
    bool m_started = false;
    std::string m_error;
};

CSyncSetup& Setup() {
    static CSyncSetup setup;
    return setup;
}

// Bytes one printer's line carries from the tool for one download to an occupied ID.
double WireSeconds() {
    double bytes = 0;
    for (int rows : kRows) bytes += 6 + 100 + 3 + 3 + 1 + 10 + rows * (kWidth / 8) + 1;
    return bytes * 10.0 / kBaud;
}

void BM_Sync(benchmark::State& state) {
    if (!Setup().Started()) {
        state.SkipWithError(Setup().Error().c_str());
        return;
    }
    for (auto _ : state) {
        const double seconds = Setup().Sync(static_cast<int>(state.range(0)));
        if (seconds < 0) {
            state.SkipWithError("sync failed");
            return;
        }
        state.SetIterationTime(seconds);
    }
    state.counters["wire_s"] = WireSeconds();
}
BENCHMARK(BM_Sync)->Arg(1)->Arg(4)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_SyncFourVersusOne(benchmark::State& state) {
    if (!Setup().Started()) {
        state.SkipWithError(Setup().Error().c_str());
        return;
    }
    double one = 0;
    double four = 0;
    for (auto _ : state) {
        const double oneRun = Setup().Sync(1);
        const double fourRun = Setup().Sync(4);
        if (oneRun < 0 || fourRun < 0) {
            state.SkipWithError("sync failed");
            return;
        }
        one += oneRun;
        four += fourRun;
        state.SetIterationTime(oneRun + fourRun);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["one_s"] = one / n;
    state.counters["four_s"] = four / n;
    state.counters["ratio"] = four / one;
}
BENCHMARK(BM_SyncFourVersusOne)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
