// stampix-cli when the operator stops it, when the printer vanishes mid-operation, when the
// printer answers nonsense, and after a run that was killed outright.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <sstream>
#include <thread>

#include "CliRun.h"
#include "sim/CPrinterSimProcess.h"
#include "tests/imaging/BmpBuilder.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// stampix-cli running in the background, with its own TMPDIR, so that a test can signal it
// or pull the printer away while it waits.
class CBackgroundCli {
  public:
    CBackgroundCli(const fs::path& folder, const std::string& environment, const std::string& args)
        : m_folder(folder) {
        fs::create_directories(folder / "tmp");
        const std::string command = "exec env TMPDIR='" + (folder / "tmp").string() + "' " +
                                    environment + " '" STAMPIX_CLI_PATH "' " + args;
        m_pid = fork();
        if (m_pid == 0) {
            // The signals' actions as a terminal gives them, whatever this process was given.
            for (const int signal : {SIGINT, SIGTERM, SIGHUP}) std::signal(signal, SIG_DFL);
            const int in = open("/dev/null", O_RDONLY);
            const int out = open((folder / "out.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            const int err = open((folder / "err.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            dup2(in, 0);
            dup2(out, 1);
            dup2(err, 2);
            execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    ~CBackgroundCli() {
        if (m_pid > 0) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
    }
    CBackgroundCli(const CBackgroundCli&) = delete;
    CBackgroundCli& operator=(const CBackgroundCli&) = delete;

    // Waits until the program's error stream shows `text`.
    bool WaitForMessage(const std::string& text, std::chrono::milliseconds wait = 10s) {
        const auto deadline = Clock::now() + wait;
        while (Clock::now() < deadline) {
            if (Err().find(text) != std::string::npos) return true;
            std::this_thread::sleep_for(10ms);
        }
        return false;
    }
    void Signal(int signal) { kill(m_pid, signal); }
    // The raw wait status once the program ended within `wait`; -1 if it did not.
    int WaitForEnd(std::chrono::milliseconds wait) {
        const auto deadline = Clock::now() + wait;
        while (Clock::now() < deadline) {
            int status = 0;
            if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
                m_pid = -1;
                return status;
            }
            std::this_thread::sleep_for(5ms);
        }
        return -1;
    }
    std::string Out() const { return Slurp(m_folder / "out.txt"); }
    std::string Err() const { return Slurp(m_folder / "err.txt"); }
    // Entries left in the program's TMPDIR.
    int TempEntries() const {
        int count = 0;
        for ([[maybe_unused]] const auto& entry : fs::directory_iterator(m_folder / "tmp")) ++count;
        return count;
    }

  private:
    fs::path m_folder;
    pid_t m_pid = -1;
};

class StopAndFaults : public testing::Test {
  protected:
    void StartPrinter(CPrinterSimProcess& printer, std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"--baud", "0"});
        std::string error;
        ASSERT_TRUE(printer.Start(STAMPIX_SIM_PATH, arguments, error)) << error;
    }
    std::string PortOf(const CPrinterSimProcess& printer) const {
        return "STAMPIX_PORT='" + printer.DevicePath() + "'";
    }

    bmptest::TempFolder m_folder;
};

const std::vector<std::string> kEndlessErase{"--preload-demo", "--fault", "slow-erase",
                                             "--erase-ms", "600000"};

}  // namespace

TEST_F(StopAndFaults, SignalDuringAnOperationEndsItWith128PlusTheSignal) {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        CPrinterSimProcess printer;
        StartPrinter(printer, kEndlessErase);
        const fs::path folder = m_folder / ("run" + std::to_string(signal));
        // Real time-outs: only the signal can end the wait for the erase.
        CBackgroundCli cli(folder, PortOf(printer), "delete --all --yes");
        ASSERT_TRUE(cli.WaitForMessage("登録データの削除中です。")) << cli.Err();
        std::this_thread::sleep_for(100ms);  // into the wait for the erase
        cli.Signal(signal);
        const int status = cli.WaitForEnd(1500ms);
        ASSERT_TRUE(WIFEXITED(status)) << "signal " << signal << ": " << cli.Err();
        EXPECT_EQ(WEXITSTATUS(status), 128 + signal);
        EXPECT_NE(cli.Err().find("登録データの削除に失敗しました。"), std::string::npos)
            << cli.Err();
        EXPECT_EQ(cli.TempEntries(), 0);  // its transfer folder went with it
    }
}

TEST_F(StopAndFaults, PrinterThatVanishesEndsTheWaitAtOnce) {
    {
        CPrinterSimProcess printer;
        StartPrinter(printer, kEndlessErase);
        CBackgroundCli cli(m_folder / "erase", PortOf(printer), "delete --all --yes");
        ASSERT_TRUE(cli.WaitForMessage("登録データの削除中です。")) << cli.Err();
        std::this_thread::sleep_for(100ms);
        printer.Stop();  // the line hangs up
        const int status = cli.WaitForEnd(1500ms);
        ASSERT_TRUE(WIFEXITED(status)) << cli.Err();
        EXPECT_EQ(WEXITSTATUS(status), 1);
        EXPECT_NE(cli.Err().find("登録データの削除に失敗しました。"), std::string::npos);
    }
    // The printer falls silent halfway through the data frame, then its line goes: the wait
    // for the ACK (5.1 s) ends with the line.
    CPrinterSimProcess printer;
    StartPrinter(printer, {"--fault", "hang-up"});
    bmptest::BmpFile file{.width = 64, .height = 64, .bitCount = 1, .palette = {0xFFFFFF, 0}};
    file.pixels = bmptest::PackPixels(1, 64, 64, [](int x, int) { return x % 2 == 0; });
    bmptest::WriteFile(m_folder / "logo.bmp", bmptest::Build(file));
    CBackgroundCli cli(m_folder / "download", PortOf(printer),
                       "download '" + (m_folder / "logo.bmp").string() + "'");
    ASSERT_TRUE(cli.WaitForMessage("プリンタの応答を待っています。")) << cli.Err();
    std::this_thread::sleep_for(300ms);
    printer.Stop();
    const int status = cli.WaitForEnd(1500ms);
    ASSERT_TRUE(WIFEXITED(status)) << cli.Err();
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_NE(cli.Err().find("データ送信に失敗しました。"), std::string::npos) << cli.Err();
    EXPECT_EQ(cli.TempEntries(), 0);
}

TEST_F(StopAndFaults, NonsenseReplyAndAKilledRunsFolder) {
    CPrinterSimProcess printer;
    StartPrinter(printer, {"--preload-demo", "--fault", "garbage"});
    // What a run killed outright leaves: a transfer folder whose owner is gone.
    const fs::path stale = m_folder / "tmp" / "stampix-kill01";
    fs::create_directories(stale);
    std::ofstream(stale / "QUIL4") << "left behind";
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    std::ofstream(stale / "owner") << child << " 1\n";

    const CliOutcome info =
        RunInFolder(m_folder.Path(), "STAMPIX_TIMEOUT_SCALE=0.2 TMPDIR=tmp " + PortOf(printer) +
                                         " '" STAMPIX_CLI_PATH "' info");
    EXPECT_EQ(info.status, 1);
    EXPECT_NE(info.err.find("情報取得に失敗しました。"), std::string::npos) << info.err;
    EXPECT_EQ(info.out, "");  // no claim of an empty printer
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::is_empty(m_folder / "tmp"));
}

TEST_F(StopAndFaults, SignalDuringABatchOfPicturesStopsItWithoutClaimingCompletion) {
    // Each picture takes a while: 7992 x 7992 dots drawn in bands.
    std::string files;
    for (int i = 0; i < 8; ++i) {
        const fs::path svg = m_folder / ("p" + std::to_string(i) + ".svg");
        std::ofstream(svg) << "<svg xmlns='http://www.w3.org/2000/svg' width='999mm' "
                              "height='999mm' viewBox='0 0 10 10'><circle cx='5' cy='5' "
                              "r='4'/></svg>";
        files += " '" + svg.string() + "'";
    }
    // No runtime folder given: the decoder's own goes with it.
    CBackgroundCli cli(m_folder / "run", "XDG_RUNTIME_DIR=", "convert" + files);
    const auto deadline = Clock::now() + 30s;
    while (!fs::exists(m_folder / "p0.pld") && Clock::now() < deadline) {
        std::this_thread::sleep_for(10ms);
    }
    ASSERT_TRUE(fs::exists(m_folder / "p0.pld")) << cli.Err();
    cli.Signal(SIGINT);
    const int status = cli.WaitForEnd(3000ms);
    ASSERT_TRUE(WIFEXITED(status)) << "one signal ends a picture's drawing: " << cli.Err();
    EXPECT_EQ(WEXITSTATUS(status), 128 + SIGINT);
    EXPECT_EQ(cli.Err().find("変換処理を完了しました。"), std::string::npos) << cli.Err();
    EXPECT_FALSE(fs::exists(m_folder / "p7.pld"));
    for (const auto& entry : fs::directory_iterator(m_folder.Path())) {
        const std::string name = entry.path().filename().string();
        EXPECT_EQ(name.find(".pld."), std::string::npos) << "a half-written file: " << name;
    }
    EXPECT_EQ(cli.TempEntries(), 0) << "no runtime folder of Qt's left behind";
}
