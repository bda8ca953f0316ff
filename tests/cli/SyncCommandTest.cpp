// stampix-cli sync against several virtual printers on pseudo-terminals, through the real
// serial code, one thread per port.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

#include "CliRun.h"
#include "sim/CPrinterSimProcess.h"
#include "tests/imaging/BmpBuilder.h"

namespace {

class SyncCommand : public testing::Test {
  protected:
    void SetUp() override {
        for (const auto& [name, width] : {std::pair{"a.bmp", 64}, {"b.bmp", 24}, {"c.bmp", 8}}) {
            bmptest::BmpFile file{
                .width = width, .height = 8, .bitCount = 1, .palette = {0xFFFFFF, 0x000000}};
            file.pixels = bmptest::PackPixels(1, width, 8, [](int x, int) { return x % 2; });
            bmptest::WriteFile(m_folder / name, bmptest::Build(file));
        }
        WriteManifest(
            "model = \"NV210a\"\n"
            "[[logo]]\nid = 1\nname = \"サンプルロゴ\"\nfile = \"a.bmp\"\n"
            "[[logo]]\nid = 7\nname = \"seven\"\nfile = \"b.bmp\"\n");
    }

    void WriteManifest(const std::string& text) { std::ofstream(m_folder / "m.toml") << text; }

    // `count` virtual printers in one process, answering at once.
    void StartPrinters(CPrinterSimProcess& sim, std::size_t count,
                       std::vector<std::string> arguments = {}) {
        arguments.insert(arguments.end(), {"--baud", "0", "--count", std::to_string(count)});
        std::string error;
        ASSERT_TRUE(sim.Start(STAMPIX_SIM_PATH, arguments, error, std::chrono::seconds(10), count))
            << error;
    }

    CliOutcome Run(const std::string& args) {
        return RunInFolder(m_folder.Path(),
                           "STAMPIX_TIMEOUT_SCALE=0.2 '" STAMPIX_CLI_PATH "' " + args);
    }

    static std::string Ports(const std::vector<std::string>& devices) {
        std::string ports;
        for (const std::string& device : devices) ports += " --port '" + device + "'";
        return ports;
    }

    // The IDs the printer on `device` holds.
    std::vector<int> HeldIds(const std::string& device) {
        const CliOutcome info = Run("info --json --port '" + device + "'");
        EXPECT_EQ(info.status, 0) << info.err;
        std::vector<int> ids;
        const nlohmann::json held = nlohmann::json::parse(info.out);
        for (const auto& item : held["items"]) ids.push_back(item["id"]);
        return ids;
    }

    bmptest::TempFolder m_folder;
};

TEST_F(SyncCommand, PlanDryRunChangesAndPrune) {
    CPrinterSimProcess sim;
    StartPrinters(sim, 3, {"--preload-demo"});  // IDs 1, 2, 5 and a font at 10
    const std::vector<std::string>& devices = sim.DevicePaths();
    ASSERT_EQ(devices.size(), 3u);
    EXPECT_NE(devices[0], devices[1]);
    const std::vector<int> demo = HeldIds(devices[0]);
    EXPECT_EQ(demo, (std::vector<int>{1, 2, 5, 10}));

    const CliOutcome dry = Run("sync m.toml --dry-run --prune" + Ports(devices));
    ASSERT_EQ(dry.status, 0) << dry.err;
    EXPECT_NE(dry.out.find("plan for " + devices[2] + ":\n"), std::string::npos) << dry.out;
    EXPECT_NE(dry.out.find("  02  delete  \"会社ロゴ\"\n"), std::string::npos) << dry.out;
    EXPECT_NE(dry.out.find("  07  add     \"seven\"\n"), std::string::npos);
    EXPECT_NE(dry.out.find(devices[1] + ": dry run: 2 to send, 3 to delete, nothing changed"),
              std::string::npos);
    for (const std::string& device : devices) EXPECT_EQ(HeldIds(device), demo);

    const CliOutcome pruned = Run("sync m.toml --prune --json" + Ports(devices));
    ASSERT_EQ(pruned.status, 0) << pruned.err;
    const auto json = nlohmann::json::parse(pruned.out);
    EXPECT_TRUE(json["ok"]);
    ASSERT_EQ(json["ports"].size(), 3u);
    for (const auto& port : json["ports"]) {
        EXPECT_EQ(port["deleted"], 3);
        EXPECT_EQ(port["sent"], 2);
        EXPECT_TRUE(port["verified"]);
        EXPECT_EQ(port["plan"][0]["action"], "replace");  // ID 1: another picture
        EXPECT_EQ(port["plan"][0]["differences"][0]["field"], "width");
    }
    for (const std::string& device : devices) EXPECT_EQ(HeldIds(device), (std::vector<int>{1, 7}));
    // One line per step when stderr is not a terminal.
    EXPECT_NE(pruned.err.find(devices[0] + ": sending: データ送信中です。 (1/2)\n"),
              std::string::npos)
        << pruned.err;

    const CliOutcome again = Run("sync m.toml" + Ports(devices));
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_NE(again.out.find("  07  keep    \"seven\"\n"), std::string::npos) << again.out;
    EXPECT_NE(again.out.find(devices[0] + ": done: 0 deleted, 0 sent, 2 logo(s) verified"),
              std::string::npos);
}

TEST_F(SyncCommand, AFailingPortBesideGoodOnes) {
    CPrinterSimProcess good;
    CPrinterSimProcess silent;
    CPrinterSimProcess hangingUp;
    StartPrinters(good, 2);
    StartPrinters(silent, 1, {"--fault", "silence"});
    StartPrinters(hangingUp, 1, {"--fault", "hang-up"});
    std::vector<std::string> devices = good.DevicePaths();
    devices.push_back(silent.DevicePath());
    devices.push_back(hangingUp.DevicePath());

    const CliOutcome outcome = Run("sync m.toml" + Ports(devices));
    EXPECT_EQ(outcome.status, 1) << outcome.err;
    EXPECT_NE(outcome.out.find(devices[0] + ": done: 0 deleted, 2 sent"), std::string::npos)
        << outcome.out;
    EXPECT_NE(outcome.out.find(devices[1] + ": done: 0 deleted, 2 sent"), std::string::npos);
    EXPECT_NE(outcome.out.find(devices[2] + ": failed while reading: the printer did not answer\n"),
              std::string::npos);
    EXPECT_NE(outcome.out.find(devices[3] +
                               ": failed while sending: the printer did not answer at ID 01\n"),
              std::string::npos);
    EXPECT_EQ(outcome.out.find("plan for " + devices[2]), std::string::npos);
    EXPECT_EQ(HeldIds(devices[1]), (std::vector<int>{1, 7}));
}

TEST_F(SyncCommand, AStopSignalEndsEveryPortCleanly) {
    CPrinterSimProcess paced;
    std::string error;
    ASSERT_TRUE(paced.Start(STAMPIX_SIM_PATH, {"--count", "2"}, error, std::chrono::seconds(10), 2))
        << error;
    bmptest::BmpFile file{.width = 704, .height = 200, .bitCount = 1, .palette = {0xFFFFFF, 0}};
    file.pixels = bmptest::PackPixels(1, 704, 200, [](int x, int) { return x % 2; });
    bmptest::WriteFile(m_folder / "big.bmp", bmptest::Build(file));  // 1.5 s on a paced line
    WriteManifest("model = \"NV210a\"\n[[logo]]\nid = 3\nname = \"big\"\nfile = \"big.bmp\"\n");
    std::filesystem::create_directory(m_folder / "tmp");

    // The shell's background job ignores SIGINT; SIGTERM takes the same way.
    const auto start = std::chrono::steady_clock::now();
    const CliOutcome stopped =
        RunInFolder(m_folder.Path(), "( TMPDIR=tmp '" STAMPIX_CLI_PATH "' sync m.toml" +
                                         Ports(paced.DevicePaths()) +
                                         " & pid=$!; sleep 0.6; kill -TERM $pid; wait $pid )");
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(stopped.status, 128 + 15) << stopped.err;
    EXPECT_LT(elapsed, std::chrono::milliseconds(1400)) << "the download would take 1.5 s";
    for (const std::string& device : paced.DevicePaths()) {
        EXPECT_NE(stopped.out.find(device + ": failed while "), std::string::npos) << stopped.out;
    }
    EXPECT_NE(stopped.out.find(": stopped"), std::string::npos) << stopped.out;
    EXPECT_TRUE(std::filesystem::is_empty(m_folder / "tmp")) << "no transfer file or folder left";
}

// A 16 x 8 gray PNG whose left half is black.
const std::vector<std::uint8_t> kHalfBlackPng = {
    0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44,
    0x52, 0x00, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00, 0x08, 0x08, 0x00, 0x00, 0x00, 0x00, 0xd5,
    0x1d, 0x20, 0x4b, 0x00, 0x00, 0x00, 0x11, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9c, 0x63, 0x60,
    0x80, 0x82, 0xff, 0x50, 0xc0, 0x30, 0x30, 0x02, 0x00, 0xf1, 0x69, 0x3f, 0xc1, 0xab, 0x0f,
    0x33, 0xbe, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};

TEST_F(SyncCommand, PicturesOfEveryFormatAndTheLedgerOfWhatWasSent) {
    bmptest::WriteFile(m_folder / "logo.png", kHalfBlackPng);
    std::ofstream(m_folder / "round.svg")
        << "<svg xmlns='http://www.w3.org/2000/svg' width='40mm' height='10mm' "
           "viewBox='0 0 100 100'><circle cx='50' cy='50' r='50'/></svg>";
    WriteManifest(
        "model = \"NV210a\"\n"
        "[[logo]]\nid = 2\nname = \"png\"\nfile = \"logo.png\"\n"
        "[[logo]]\nid = 3\nname = \"svg\"\nfile = \"round.svg\"\nwidth_mm = 20\n"
        "[[logo]]\nid = 7\nname = \"bmp\"\nfile = \"b.bmp\"\n");
    CPrinterSimProcess sim;
    StartPrinters(sim, 1);
    const std::string port = Ports(sim.DevicePaths());

    const CliOutcome first = Run("sync m.toml" + port);
    ASSERT_EQ(first.status, 0) << first.err << first.out;
    const nlohmann::json held = nlohmann::json::parse(Run("info --json" + port).out)["items"];
    ASSERT_EQ(held.size(), 3u);
    EXPECT_EQ(held[0]["width"], 16);
    EXPECT_EQ(held[1]["width"], 160);  // 20 mm at 8 dots per mm; the height keeps 4:1
    EXPECT_EQ(held[1]["height"], 40);
    EXPECT_TRUE(std::filesystem::exists(m_folder / "state" / "stampix" / "sync-ledger"));

    const CliOutcome again = Run("sync m.toml --json" + port);
    ASSERT_EQ(again.status, 0) << again.err;
    const nlohmann::json againJson = nlohmann::json::parse(again.out);
    for (const auto& step : againJson["ports"][0]["plan"]) {
        EXPECT_EQ(step["action"], "keep");
        EXPECT_TRUE(step["pixels_compared"]);
    }

    // The same size with other pixels: replaced, not kept.
    std::vector<std::uint8_t> bitmap = bmptest::ReadFile(m_folder / "b.bmp");
    // The top four rows of b.bmp (24 x 8, one bit, 4 bytes a row) inverted.
    for (std::size_t i = bitmap.size() - 16; i < bitmap.size(); ++i) bitmap[i] ^= 0xFF;
    bmptest::WriteFile(m_folder / "b.bmp", bitmap);
    const CliOutcome changed = Run("sync m.toml" + port);
    ASSERT_EQ(changed.status, 0) << changed.err;
    EXPECT_NE(changed.out.find("  07  replace \"bmp\"  (pixels: "), std::string::npos)
        << changed.out;
    EXPECT_NE(changed.out.find(": done: 0 deleted, 1 sent"), std::string::npos) << changed.out;

    // Without the ledger (another machine, say) the fields decide, and the plan says so.
    std::filesystem::remove_all(m_folder / "state");
    const CliOutcome unknown = Run("sync m.toml --dry-run" + port);
    EXPECT_NE(unknown.out.find("  07  keep    \"bmp\"  (pixels not compared"), std::string::npos)
        << unknown.out;
}

TEST_F(SyncCommand, ManifestAndPortsRefusedBeforeAnyPortOpens) {
    WriteManifest(
        "model = \"NV210a\"\n"
        "[[logo]]\nid = 100\nname = \"x\"\nfile = \"a.bmp\"\n"
        "[[logo]]\nid = 3\nname = \"x\"\nfile = \"gone.bmp\"\nsize = 2\n");
    const CliOutcome refused = Run("sync m.toml --json --port /dev/nonexistent-stampix-port");
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err,
              "sync: m.toml:3: id must be a whole number from 0 to 99\n"
              "sync: m.toml:9: file \"gone.bmp\" not found\n"
              "sync: m.toml:10: unknown key \"size\"\n");
    EXPECT_EQ(nlohmann::json::parse(refused.out)["manifest_errors"].size(), 3u);

    bmptest::TempFolder links;
    std::filesystem::create_symlink("/dev/null", links / "printer");
    const CliOutcome twice =
        Run("sync m.toml --port /dev/null --port '" + (links / "printer").string() + "'");
    EXPECT_EQ(twice.status, 2);
    EXPECT_NE(twice.err.find("name the same device"), std::string::npos) << twice.err;
    EXPECT_EQ(Run("sync m.toml").status, 2) << "at least one port";
}

TEST_F(SyncCommand, ALedgerThatCannotBeWrittenIsNamedAndChangesNothing) {
    CPrinterSimProcess sim;
    StartPrinters(sim, 1);
    const std::string device = sim.DevicePaths().at(0);
    std::ofstream(m_folder / "state") << "a file where the state folder would be";
    const CliOutcome json = Run("sync m.toml --json" + Ports({device}));
    EXPECT_EQ(json.status, 1) << json.err;
    const nlohmann::json port = nlohmann::json::parse(json.out)["ports"].at(0);
    EXPECT_FALSE(port["ok"]);
    EXPECT_EQ(port["failed_while"], "sending");
    ASSERT_EQ(port["messages"].size(), 1u) << port.dump();
    const std::string message = port["messages"][0];
    EXPECT_EQ(message.rfind("the ledger " + (m_folder / "state").string(), 0), 0u) << message;
    EXPECT_NE(message.find(" cannot be written: "), std::string::npos) << message;
    const CliOutcome text = Run("sync m.toml" + Ports({device}));
    EXPECT_NE(text.out.find(device + ": failed while sending: the ledger "), std::string::npos)
        << text.out;
    EXPECT_TRUE(HeldIds(device).empty());
}

}  // namespace
