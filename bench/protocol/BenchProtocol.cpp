// Download of a 44 Kbyte logo (45,056 pattern bytes) through CRS232C to stampix-printer-sim.
//  - BM_DownloadPaced: the sim paced at 115200 baud; "ratio" is the download's wall time
//    over the wire time of the bytes the tool sent (10 bits a byte). Must stay <= 1.03.
//  - BM_DownloadUnpaced: no pacing; "cpu_us_per_byte" is this process's CPU time per data
//    byte of the frame. Must stay below 5 us.
//  - BM_DownloadInProcess: the same transaction against the in-process printer, for the
//    protocol's own cost without system calls.
#include <benchmark/benchmark.h>
#include <time.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "protocol/CPrinterProtocol.h"
#include "serial/CRS232C.h"
#include "sim/CPrinterModel.h"
#include "sim/CPrinterSimProcess.h"
#include "sim/CSimLink.h"
#include "tests/support/CSilentOperator.h"

namespace {

constexpr int kWidth = 704;   // 88 bytes a row
constexpr int kHeight = 512;  // 45,056 pattern bytes
constexpr std::uint32_t kBaud = 115200;

CFontPT LargeLogo() {
    CFontPT item;
    item.m_id = 1;
    item.m_name = "BENCH";
    item.m_width = kWidth;
    item.m_height = kHeight;
    item.m_patternSize = kHeight * (kWidth / 8);
    item.m_state = ITEM_NEW;
    item.BuildHeader();
    return item;
}

std::vector<std::uint8_t> TransferBytes(const CFontPT& item) {
    std::vector<std::uint8_t> bytes{
        0x6B, 0x82, 0, 0, kWidth >> 8, kWidth & 0xFF, 0, 0, kHeight >> 8, kHeight & 0xFF};
    for (int i = 0; i < item.m_patternSize; ++i) bytes.push_back(static_cast<std::uint8_t>(i * 13));
    return bytes;
}

// Bytes the tool puts on the line for one download to a free ID.
std::size_t BytesSent(std::size_t dataBytes) { return 6 + 100 + 3 + 3 + 1 + dataBytes + 1; }

double ProcessCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

void RunAgainstSim(benchmark::State& state, const std::string& baud) {
    CPrinterSimProcess sim;
    std::string error;
    if (!sim.Start(STAMPIX_SIM_PROGRAM, {"--baud", baud}, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    CRS232C port;
    CSilentOperator op(true);
    CPrinterProtocol protocol(port, op);
    const CFontPT model = LargeLogo();
    const auto data = TransferBytes(model);
    double wall = 0;
    double cpu = 0;
    for (auto _ : state) {
        protocol.DeleteAllIds(sim.DevicePath());  // the ID is free each time
        CFontPT item = model;
        const double cpuStart = ProcessCpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        const bool ok = static_cast<bool>(protocol.DownloadData(sim.DevicePath(), data, item, 1));
        const auto elapsed =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
        cpu += ProcessCpuSeconds() - cpuStart;
        wall += elapsed.count();
        state.SetIterationTime(elapsed.count());
        if (!ok) {
            state.SkipWithError("download failed");
            return;
        }
    }
    const double n = static_cast<double>(state.iterations());
    const double wire = static_cast<double>(BytesSent(data.size())) * 10.0 / kBaud;
    state.counters["wire_s"] = wire;
    state.counters["wall_s"] = wall / n;
    state.counters["ratio"] = wall / n / wire;
    state.counters["cpu_us_per_byte"] = cpu / n / static_cast<double>(data.size()) * 1e6;
}

void BM_DownloadPaced(benchmark::State& state) { RunAgainstSim(state, std::to_string(kBaud)); }
BENCHMARK(BM_DownloadPaced)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_DownloadUnpaced(benchmark::State& state) { RunAgainstSim(state, "0"); }
BENCHMARK(BM_DownloadUnpaced)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

void BM_DownloadInProcess(benchmark::State& state) {
    CSimRegistrations registrations;
    CPrinterModel printer(registrations);
    CSimLink link(printer);
    CSilentOperator op(true);
    CPrinterProtocol protocol(link, op);
    const CFontPT model = LargeLogo();
    const auto data = TransferBytes(model);
    for (auto _ : state) {
        registrations.EraseAll();
        link.ClearRecord();
        CFontPT item = model;
        benchmark::DoNotOptimize(protocol.DownloadData("sim", data, item, 1));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(data.size()));
}
BENCHMARK(BM_DownloadInProcess)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
