// The batch conversion of bitmaps into .pld files.
#include <gtest/gtest.h>

#include "imaging/BatchConversion.h"
#include "tests/imaging/ImagingTestSupport.h"

using bmptest::Bytes;

namespace {

Bytes SmallBitmap() {
    bmptest::BmpFile f{.width = 2, .height = 2, .bitCount = 24};
    f.pixels = bmptest::PackPixels(24, 2, 2, [](int x, int) { return x == 0 ? 0u : 0xFFFFFFu; });
    return bmptest::Build(f);
}

std::string NameIn(const std::filesystem::path& pld) {
    const Bytes bytes = bmptest::ReadFile(pld);
    return std::string(reinterpret_cast<const char*>(bytes.data()) + 6);  // zero-terminated here
}

const CRecordingOperator::Message kDone{
    "実行結果",
    "変換処理を完了しました。\r\n処理の途中でエラーメッセージが表示された場合、\r\nファイルが正"
    "常なビットマップファイルか確認してください。",
    MessageIcon::Information};

}  // namespace

class BatchConversionTest : public ImagingTest {
  protected:
    bmptest::TempFolder folder;
};

TEST_F(BatchConversionTest, BrokenFilesAreSkippedWithoutUsingANumber) {
    bmptest::WriteFile(folder / "a.bmp", SmallBitmap());
    bmptest::WriteFile(folder / "b.bmp", Bytes{'B', 'M', 1, 2, 3});
    bmptest::WriteFile(folder / "c.bmp", SmallBitmap());
    const std::vector<std::filesystem::path> files = {folder / "a.bmp", folder / "b.bmp",
                                                      folder / "c.bmp"};

    const BatchConversionResult result = ConvertBitmapsToLogoFiles(files, image, op);
    EXPECT_EQ(result.converted, 2);
    EXPECT_EQ(result.failed, 1);
    EXPECT_EQ(NameIn(folder / "a.pld"), "QUILSAVE0");
    EXPECT_FALSE(std::filesystem::exists(folder / "b.pld"));
    EXPECT_EQ(NameIn(folder / "c.pld"), "QUILSAVE1");
    ASSERT_EQ(op.Messages().size(), 2u);
    EXPECT_EQ(op.Messages()[0], ErrorBox(texts::IDS_BMP_UNSUPPORTED));
    EXPECT_EQ(op.Messages()[1], kDone);
    EXPECT_EQ(image.Width(), 2);  // the last bitmap read stays

    // A second run numbers from 0 again.
    op.Clear();
    const std::vector<std::filesystem::path> again = {folder / "c.bmp"};
    EXPECT_EQ(ConvertBitmapsToLogoFiles(again, image, op).converted, 1);
    EXPECT_EQ(NameIn(folder / "c.pld"), "QUILSAVE0");
}

TEST_F(BatchConversionTest, OutputPathReplacesTheLastThreeCharacters) {
    EXPECT_EQ(LogoDataPathFor("/d/LOGO.BMP"), "/d/LOGO.pld");
    EXPECT_EQ(LogoDataPathFor("/d/x.bitmap"), "/d/x.bitpld");
    EXPECT_EQ(LogoDataPathFor("/d/ロゴ画像"), "/d/ロpld");  // characters, not bytes
    EXPECT_EQ(LogoDataPathFor("/d/a.ロゴ画"), "/d/a.pld");

    bmptest::WriteFile(folder / "LOGO.BMP", SmallBitmap());
    const std::vector<std::filesystem::path> files = {folder / "LOGO.BMP"};
    EXPECT_EQ(ConvertBitmapsToLogoFiles(files, image, op).converted, 1);
    EXPECT_EQ(bmptest::ReadFile(folder / "LOGO.pld").size(), 154u + 2u);
}

TEST_F(BatchConversionTest, FailedWriteUsesUpItsNumber) {
    bmptest::WriteFile(folder / "a.bmp", SmallBitmap());
    bmptest::WriteFile(folder / "b.bmp", SmallBitmap());
    std::filesystem::create_directory(folder / "a.pld");  // cannot be replaced by a file
    const std::vector<std::filesystem::path> files = {folder / "a.bmp", folder / "b.bmp"};
    const BatchConversionResult result = ConvertBitmapsToLogoFiles(files, image, op);
    EXPECT_EQ(result.converted, 1);
    EXPECT_EQ(result.failed, 1);
    EXPECT_EQ(NameIn(folder / "b.pld"), "QUILSAVE1");
    EXPECT_EQ(
        op.MessageTexts(),
        (std::vector<std::string>{"ダウンロード用ロゴファイルの作成に失敗しました。", kDone.text}));
}

TEST_F(BatchConversionTest, CompletionMessageEvenWhenNothingConverted) {
    const std::vector<std::filesystem::path> files = {folder / "missing.bmp"};
    const BatchConversionResult result = ConvertBitmapsToLogoFiles(files, image, op);
    EXPECT_EQ(result.converted, 0);
    EXPECT_EQ(result.failed, 1);
    ASSERT_EQ(op.Messages().size(), 2u);
    EXPECT_EQ(op.Messages()[0], ErrorBox(texts::IDS_BMP_OPEN_FAILED));
    EXPECT_EQ(op.Messages()[1], kDone);
}

TEST_F(BatchConversionTest, AnOutputThatTheRunAlreadyNamesIsRefused) {
    bmptest::WriteFile(folder / "a.bmp", SmallBitmap());
    bmptest::WriteFile(folder / "b.bmp", SmallBitmap());
    // a.bmp twice (once by another spelling), b.bmp whose output b.pld is an input too, and
    // b.pld, a bitmap by its content, whose output is itself.
    std::filesystem::copy_file(folder / "a.bmp", folder / "b.pld");
    const std::vector<std::filesystem::path> files = {
        folder / "a.bmp", folder.Path() / "." / "a.bmp", folder / "b.bmp", folder / "b.pld"};
    const BatchConversionResult result = ConvertBitmapsToLogoFiles(files, image, op);
    EXPECT_EQ(result.converted, 1);
    EXPECT_EQ(result.failed, 3);
    EXPECT_EQ(NameIn(folder / "a.pld"), "QUILSAVE0");
    EXPECT_EQ(bmptest::ReadFile(folder / "b.pld"), SmallBitmap()) << "an input is never written";
    ASSERT_EQ(op.Messages().size(), 4u);
    EXPECT_NE(op.Messages()[0].text.find("同じ変換の別のファイルと重なる"), std::string::npos);
    EXPECT_EQ(op.Messages()[0].text.rfind((folder.Path() / "." / "a.bmp").string(), 0), 0u);
    EXPECT_EQ(op.Messages()[3], kDone);
}

TEST_F(BatchConversionTest, AStopEndsTheRunWithoutTheCompletionMessage) {
    for (const char* name : {"a.bmp", "b.bmp", "c.bmp"}) {
        bmptest::WriteFile(folder / name, SmallBitmap());
    }
    CLogoFileReader reader;
    int asked = 0;
    reader.m_request.stopRequested = [&asked] { return ++asked > 1; };  // after the first
    const std::vector<std::filesystem::path> files = {folder / "a.bmp", folder / "b.bmp",
                                                      folder / "c.bmp"};
    const BatchConversionResult result = ConvertBitmapsToLogoFiles(files, reader, image, op);
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.converted, 1);
    EXPECT_TRUE(std::filesystem::exists(folder / "a.pld"));
    EXPECT_FALSE(std::filesystem::exists(folder / "b.pld"));
    EXPECT_TRUE(op.Messages().empty()) << "no completion is claimed";
}
