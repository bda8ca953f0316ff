// stampix-cli's printer commands against stampix-printer-sim on a pseudo-terminal, through
// the real serial code.
#include <gtest/gtest.h>

#include <cstdlib>
#include <nlohmann/json.hpp>

#include "CliRun.h"
#include "sim/CPrinterSimProcess.h"
#include "tests/imaging/BmpBuilder.h"

namespace {

using Outcome = CliOutcome;

class PrinterCommands : public testing::Test {
  protected:
    void StartPrinter(std::vector<std::string> arguments = {}) {
        arguments.insert(arguments.begin(), {"--baud", "0"});
        std::string error;
        ASSERT_TRUE(m_printer.Start(STAMPIX_SIM_PATH, arguments, error)) << error;
    }

    // Runs stampix-cli with `args` (quoted for the shell) against the virtual printer. The
    // virtual printer answers at once, so time-outs are shortened (to a fifth) for the faults of
    // silence.
    Outcome Run(const std::string& args) {
        return RunInFolder(m_folder.Path(), "STAMPIX_TIMEOUT_SCALE=0.2 STAMPIX_PORT='" +
                                                m_printer.DevicePath() +
                                                "' '" STAMPIX_CLI_PATH "' " + args);
    }

    void MakeLogo(const std::string& name, int width, int height) {
        bmptest::BmpFile file{
            .width = width, .height = height, .bitCount = 1, .palette = {0xFFFFFF, 0x000000}};
        file.pixels = bmptest::PackPixels(1, width, height, [](int x, int) { return x % 3 == 0; });
        bmptest::WriteFile(m_folder / name, bmptest::Build(file));
    }

    bmptest::TempFolder m_folder;
    CPrinterSimProcess m_printer;
};

TEST_F(PrinterCommands, DownloadVerifyInfoDelete) {
    StartPrinter();
    MakeLogo("one.bmp", 64, 16);
    MakeLogo("two.bmp", 24, 240);

    const Outcome download = Run("download --start 4 --verify one.bmp two.bmp");
    ASSERT_EQ(download.status, 0) << download.err;
    EXPECT_NE(download.out.find("04  one.bmp  logo  64 x 16 dots"), std::string::npos)
        << download.out;
    EXPECT_NE(download.out.find("05  two.bmp  logo  24 x 240 dots (3.0 x 30.0 mm)"),
              std::string::npos);
    EXPECT_NE(download.out.find("verified 2 ID(s)"), std::string::npos);

    const Outcome info = Run("info --model 2");  // 12 dots per mm
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_NE(info.out.find("05  two.bmp  logo  24 x 240 dots (2.0 x 20.0 mm)  pattern 720 x 1"),
              std::string::npos)
        << info.out;
    EXPECT_NE(info.out.find("メモリ使用量　1/240Kbyte"), std::string::npos);

    const Outcome json = Run("info --json");
    ASSERT_EQ(json.status, 0);
    const auto parsed = nlohmann::json::parse(json.out);
    ASSERT_EQ(parsed["items"].size(), 2u);
    EXPECT_EQ(parsed["items"][0]["id"], 4);
    EXPECT_EQ(parsed["items"][0]["codes"][0], "0x6B82");
    EXPECT_EQ(parsed["memory"]["used_bytes"], 128 + 10 + 720 + 10);

    const Outcome deleted = Run("delete 4 77");  // the IDs named need no question
    ASSERT_EQ(deleted.status, 0) << deleted.err;
    EXPECT_EQ(nlohmann::json::parse(Run("info --json").out)["items"].size(), 1u);

    const Outcome refused = Run("delete --all");  // no terminal and no answer: declined
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(nlohmann::json::parse(Run("info --json").out)["items"].size(), 1u);
    const Outcome all = Run("delete --all --yes");
    ASSERT_EQ(all.status, 0) << all.err;
    const Outcome empty = Run("info");
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(empty.out, "メモリ使用量　0/240Kbyte\n");
}

TEST_F(PrinterCommands, NamesFromThePrinterReachTheTerminalEscaped) {
    StartPrinter();
    // A file name is a registration name: this one clears the screen where it is printed.
    MakeLogo("\x1b[2J.bmp", 8, 8);
    ASSERT_EQ(Run("download '\x1b[2J.bmp'").status, 0);
    const Outcome info = Run("info");
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_NE(info.out.find("00  \\x1B[2J.bmp  logo"), std::string::npos) << info.out;
    EXPECT_EQ(info.out.find('\x1b'), std::string::npos);
    // JSON carries it exactly, escaped as JSON escapes it.
    EXPECT_EQ(nlohmann::json::parse(Run("info --json").out)["items"][0]["name"], "\x1b[2J.bmp");
}

TEST_F(PrinterCommands, DeclinedOverwriteLeavesTheOldLogo) {
    StartPrinter({"--preload-demo"});
    MakeLogo("new.bmp", 16, 16);
    const Outcome declined = Run("download --start 1 --no --verify new.bmp");
    EXPECT_EQ(declined.status, 0) << declined.err;
    EXPECT_NE(declined.err.find("ID 1 was not overwritten"), std::string::npos) << declined.err;
    const auto info = nlohmann::json::parse(Run("info --json").out);
    EXPECT_NE(info["items"][0]["name"], "new.bmp");

    const Outcome accepted = Run("download --start 1 --yes --verify new.bmp");
    EXPECT_EQ(accepted.status, 0) << accepted.err;
}

TEST_F(PrinterCommands, SilentPrinterAndBrokenStream) {
    StartPrinter({"--fault", "silence"});
    MakeLogo("a.bmp", 8, 8);
    const Outcome download = Run("download a.bmp");
    const Outcome info = Run("info");
    EXPECT_EQ(download.status, 1);
    EXPECT_NE(download.err.find("データ送信に失敗しました。"), std::string::npos) << download.err;
    EXPECT_NE(download.err.find("\ndownload: the printer did not answer at ID 00\n"),
              std::string::npos)
        << download.err;
    EXPECT_EQ(info.status, 1);
    EXPECT_NE(info.err.find("情報取得に失敗しました。"), std::string::npos) << info.err;
    EXPECT_NE(info.err.find("\ninfo: the printer did not answer\n"), std::string::npos) << info.err;
}

TEST_F(PrinterCommands, BrokenStreamKeepsWhatArrived) {
    StartPrinter({"--preload-demo", "--fault", "no-etx"});
    const Outcome info = Run("info");
    EXPECT_EQ(info.status, 1);
    EXPECT_NE(info.err.find("プリンタを再起動し"), std::string::npos) << info.err;
    EXPECT_NE(info.err.find("info: the printer's answer broke off"), std::string::npos);
    EXPECT_NE(info.out.find("10  "), std::string::npos) << info.out;  // the demo font
}

TEST_F(PrinterCommands, PortThatCannotBeOpenedAndUsageErrors) {
    StartPrinter();
    const Outcome missing = Run("info --port /dev/nonexistent-stampix-port");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("エラー: COMﾎﾟｰﾄをｵｰﾌﾟﾝできませんでした。"), std::string::npos);
    EXPECT_NE(missing.err.find("終了させてください。\n/dev/nonexistent-stampix-port: No such file"),
              std::string::npos)
        << missing.err;
    EXPECT_NE(missing.err.find("\ninfo: the port could not be opened "
                               "(/dev/nonexistent-stampix-port: No such file or directory)\n"),
              std::string::npos)
        << missing.err;
    EXPECT_EQ(missing.out, "");  // nothing read: nothing claimed
    // A STAMPIX_PORT that is no port name is reported, as the desktop program reports it.
    const Outcome named =
        RunInFolder(m_folder.Path(), "STAMPIX_PORT=nonsense '" STAMPIX_CLI_PATH "' info");
    EXPECT_EQ(named.status, 1);
    EXPECT_NE(named.err.find("\nnonsense：ポートの名前ではありません"), std::string::npos)
        << named.err;
    EXPECT_NE(named.err.find("info: the port could not be opened (nonsense: not a port name)"),
              std::string::npos);
    EXPECT_EQ(Run("delete 100").status, 2);
    EXPECT_EQ(Run("delete").status, 2);
    EXPECT_EQ(Run("download --start 100 a.bmp").status, 2);
}

}  // namespace
