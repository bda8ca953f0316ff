// The stampix-cli program run as a process on generated files.
#include <gtest/gtest.h>

#include <cstdlib>

#include "CliRun.h"
#include "tests/imaging/BmpBuilder.h"

using bmptest::Bytes;

namespace {

using Outcome = CliOutcome;

// A 4 x 3 one-bit bitmap: top row "#..#", middle ".##.", bottom "#...".
Bytes SmallLogo() {
    const std::vector<std::string> rowsTopFirst = {"#..#", ".##.", "#..."};
    bmptest::BmpFile f{.width = 4, .height = 3, .bitCount = 1};
    f.palette = {0xFFFFFF, 0x000000};
    f.pixels = bmptest::MonoRows(4, 3, [&](int x, int y) {
        return rowsTopFirst[static_cast<std::size_t>(2 - y)][static_cast<std::size_t>(x)] == '#';
    });
    return bmptest::Build(f);
}

class CliProgramTest : public ::testing::Test {
  protected:
    // Runs stampix-cli with `args` (already quoted for the shell) in the test's folder.
    Outcome Run(const std::string& args) {
        return RunInFolder(folder.Path(), "'" STAMPIX_CLI_PATH "' " + args);
    }

    bmptest::TempFolder folder;
};

const std::string kDoneLine =
    "実行結果: 変換処理を完了しました。\n処理の途中でエラーメッセージが表示された場合、\n"
    "ファイルが正常なビットマップファイルか確認してください。\n";

}  // namespace

TEST_F(CliProgramTest, ConvertExitStatusFollowsFailures) {
    bmptest::WriteFile(folder / "a.bmp", SmallLogo());
    bmptest::WriteFile(folder / "b.bmp", Bytes{'B', 'M'});
    bmptest::WriteFile(folder / "c.BMP", SmallLogo());

    Outcome all = Run("convert a.bmp c.BMP");
    EXPECT_EQ(all.status, 0);
    EXPECT_EQ(all.err, kDoneLine);
    EXPECT_EQ(all.out, "");
    EXPECT_EQ(bmptest::ReadFile(folder / "c.pld").size(), 154u + 3u);

    std::filesystem::remove(folder / "a.pld");
    Outcome some = Run("convert a.bmp b.bmp c.BMP");
    EXPECT_EQ(some.status, 1);
    EXPECT_EQ(some.err, "エラー: サポートしていないBMPファイルです。\n" + kDoneLine);
    const Bytes c = bmptest::ReadFile(folder / "c.pld");
    EXPECT_EQ(std::string(c.begin() + 6, c.begin() + 15), "QUILSAVE1");
    EXPECT_TRUE(std::filesystem::exists(folder / "a.pld"));
    EXPECT_FALSE(std::filesystem::exists(folder / "b.pld"));

    Outcome missing = Run("convert nothing.bmp");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "エラー: BMPファイルのオープンに失敗しました。\n" + kDoneLine);
}

TEST_F(CliProgramTest, UsageErrorsHelpAndVersion) {
    EXPECT_EQ(Run("").status, 2);
    EXPECT_EQ(Run("convert").status, 2);
    EXPECT_EQ(Run("show").status, 2);
    EXPECT_EQ(Run("show --frobnicate x.bmp").status, 2);
    EXPECT_EQ(Run("--yes --no convert a.bmp").status, 2);
    EXPECT_EQ(Run("show --ascii --pbm out.pbm a.bmp").status, 2);

    const Outcome version = Run("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_NE(version.out.find("9.1.0.20"), std::string::npos);
    for (const char* args : {"--help", "convert --help", "show --help"}) {
        SCOPED_TRACE(args);
        const Outcome help = Run(args);
        EXPECT_EQ(help.status, 0);
        EXPECT_NE(help.out.find("Usage"), std::string::npos);
    }
    EXPECT_NE(Run("show --help").out.find("--pbm"), std::string::npos);
}

TEST_F(CliProgramTest, ShowDrawsTheTransferImage) {
    bmptest::WriteFile(folder / "logo.bmp", SmallLogo());
    const std::string sizes = "width: 4\nheight: 3\npattern size: 3\n";

    const Outcome ascii = Run("show --ascii logo.bmp");
    EXPECT_EQ(ascii.status, 0);
    EXPECT_EQ(ascii.out, "#..#\n.##.\n#...\n" + sizes);
    EXPECT_EQ(ascii.err, "");

    const Outcome blocks = Run("show logo.bmp");
    EXPECT_EQ(blocks.status, 0);
    EXPECT_EQ(blocks.out, "▀▄▄▀\n▀   \n" + sizes);

    // The same picture through a .pld file.
    ASSERT_EQ(Run("convert logo.bmp").status, 0);
    EXPECT_EQ(Run("show --ascii logo.pld").out, ascii.out);

    const Outcome pbm = Run("show --pbm out.pbm logo.bmp");
    EXPECT_EQ(pbm.status, 0);
    EXPECT_EQ(pbm.out, sizes);
    EXPECT_EQ(bmptest::ReadFile(folder / "out.pbm"),
              (Bytes{'P', '4', '\n', '4', ' ', '3', '\n', 0x90, 0x60, 0x80}));
}

TEST_F(CliProgramTest, ShowRefusals) {
    bmptest::WriteFile(folder / "logo.txt", SmallLogo());
    const Outcome other = Run("show logo.txt");
    EXPECT_EQ(other.status, 1);
    EXPECT_EQ(other.err,
              "エラー: " + (folder / "logo.txt").string() + "\nは未対応のファイル形式です。\n");
    EXPECT_EQ(other.out, "");
    // A picture name goes to the decoder, which cannot read a bitmap in disguise.
    bmptest::WriteFile(folder / "logo.jpeg", SmallLogo());
    const Outcome disguised = Run("show logo.jpeg");
    EXPECT_EQ(disguised.status, 1);
    EXPECT_EQ(
        disguised.err,
        "エラー: JPEGファイルを読み込めませんでした。\nファイルが壊れているか、途中で切れています。"
        "\n詳細: PNG、JPEG、GIF、WebP、TIFFのどの画像でもありません。\n");

    const Outcome missing = Run("show missing.pld");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "エラー: BMPファイルのオープンに失敗しました。\n");

    bmptest::WriteFile(folder / "bad.pld", Bytes{2, 0});
    const Outcome version = Run("show bad.pld");
    EXPECT_EQ(version.status, 1);
    EXPECT_EQ(
        version.err,
        "エラー: "
        "ダウンロードロゴファイルのバージョンが異なります。\nこのファイルは、使用できません。\n");

    bmptest::WriteFile(folder / "logo.bmp", SmallLogo());
    const Outcome itself = Run("show --pbm ./logo.bmp logo.bmp");
    EXPECT_EQ(itself.status, 2);
    EXPECT_NE(itself.err.find("names the input file itself"), std::string::npos);
    EXPECT_EQ(bmptest::ReadFile(folder / "logo.bmp"), SmallLogo());
    const Outcome unwritable = Run("show --pbm no/such/folder.pbm logo.bmp");
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("cannot write"), std::string::npos);
}
