// What `sync` remembers of the patterns it sent: a changed picture of the same size is
// replaced, and what is sent is the picture read when the plan was made.
#include <fstream>

#include "SessionFixture.h"
#include "imaging/PatternHash.h"
#include "ops/CPortSync.h"
#include "ops/CSyncLedger.h"
#include "ops/CSyncManifest.h"

namespace {

constexpr const char* kPort = "/dev/virtual-printer";

class SyncLedger : public SessionFixture {
  protected:
    void Load(const std::string& logos) {
        std::ofstream(m_files / "logos.toml") << "model = \"NV210a\"\n" << logos;
        std::vector<ManifestError> errors;
        ASSERT_TRUE(m_manifest.Load(m_files / "logos.toml", errors))
            << (errors.empty() ? "" : ManifestProblemCode(errors[0].problem));
    }

    static std::string Logo(int id, const std::string& file) {
        return "[[logo]]\nid = " + std::to_string(id) + "\nname = \"L\"\nfile = \"" + file + "\"\n";
    }

    // A bitmap of the fixture's size whose pixels are `inverted` or not.
    void WriteBitmap(const std::string& name, int width, int height, bool inverted) {
        bmptest::BmpFile file{
            .width = width, .height = height, .bitCount = 1, .palette = {0xFFFFFF, 0x000000}};
        file.pixels = bmptest::PackPixels(1, width, height, [inverted](int x, int y) {
            return ((x + y) % 2 == 0) != inverted ? 1 : 0;
        });
        bmptest::WriteFile(m_files / name, bmptest::Build(file));
    }

    std::unique_ptr<CPortSync> Port(SyncOptions options = {}) {
        auto port = std::make_unique<CPortSync>(kPort, m_manifest, options,
                                                std::make_unique<CSimLink>(m_model), nullptr);
        port->UseLedger(&m_ledger, kPort);
        return port;
    }

    std::vector<std::uint8_t> HeldPattern(int id) const {
        const SimRegistration* held = m_registrations.Find(id);
        return held ? held->data : std::vector<std::uint8_t>{};
    }

    CSyncManifest m_manifest;
    CSyncLedger m_ledger{m_files / "state" / "ledger"};
};

TEST_F(SyncLedger, ChangedPixelsOfTheSameSizeAreReplaced) {
    WriteBitmap("a.bmp", 16, 4, false);
    Load(Logo(5, "a.bmp"));
    {
        auto first = Port();
        ASSERT_TRUE(first->ReadAndPlan());
        ASSERT_TRUE(first->Apply());
    }
    const std::vector<std::uint8_t> before = HeldPattern(5);
    EXPECT_EQ(m_ledger.SentTo(kPort), (SentPatterns{{5, m_manifest.Logos()[0].patternHash}}));

    WriteBitmap("a.bmp", 16, 4, true);  // same size, every pixel inverted
    Load(Logo(5, "a.bmp"));
    auto second = Port();
    ASSERT_TRUE(second->ReadAndPlan());
    ASSERT_EQ(second->Plan().size(), 1u);
    EXPECT_EQ(second->Plan()[0].action, SyncAction::Replace);
    ASSERT_EQ(second->Plan()[0].differences.size(), 1u);
    EXPECT_EQ(second->Plan()[0].differences[0].field, "pixels");
    ASSERT_TRUE(second->Apply());
    EXPECT_EQ(second->Sent(), 1);
    EXPECT_NE(HeldPattern(5), before);

    // A new ledger read from the file knows the same, and the printer is now in step.
    CSyncLedger reread(m_ledger.Path());
    std::string error;
    ASSERT_TRUE(reread.Load(error)) << error;
    EXPECT_EQ(reread.SentTo(kPort), (SentPatterns{{5, m_manifest.Logos()[0].patternHash}}));
    auto third = Port();
    ASSERT_TRUE(third->ReadAndPlan());
    EXPECT_EQ(third->Plan()[0].action, SyncAction::Keep);
    EXPECT_TRUE(third->Plan()[0].pixelsCompared);
}

TEST_F(SyncLedger, WithoutARecordTheFieldsDecideAndThePlanSaysSo) {
    WriteBitmap("a.bmp", 16, 4, false);
    Load(Logo(5, "a.bmp") + Logo(6, "a.bmp"));
    auto first = Port();
    ASSERT_TRUE(first->ReadAndPlan());
    ASSERT_TRUE(first->Apply());

    // Another machine's run (no ledger) sees the fields match and cannot compare pixels.
    auto stranger = std::make_unique<CPortSync>(kPort, m_manifest, SyncOptions{},
                                                std::make_unique<CSimLink>(m_model), nullptr);
    ASSERT_TRUE(stranger->ReadAndPlan());
    EXPECT_EQ(stranger->Plan()[0].action, SyncAction::Keep);
    EXPECT_FALSE(stranger->Plan()[0].pixelsCompared);

    // --prune deletes what the manifest no longer names, and the ledger forgets it.
    Load(Logo(5, "a.bmp"));
    auto pruning = Port({.prune = true});
    ASSERT_TRUE(pruning->ReadAndPlan());
    ASSERT_TRUE(pruning->Apply());
    EXPECT_EQ(m_ledger.SentTo(kPort).count(6), 0u);
    EXPECT_EQ(m_ledger.SentTo(kPort).count(5), 1u);
    EXPECT_TRUE(m_ledger.SentTo("/dev/other").empty());
}

TEST_F(SyncLedger, AFileSwappedAfterThePlanIsNotWhatIsSent) {
    WriteBitmap("a.bmp", 200, 80, false);
    Load(Logo(3, "a.bmp"));
    auto port = Port();
    ASSERT_TRUE(port->ReadAndPlan());
    WriteBitmap("a.bmp", 1000, 320, false);  // 40 KB, after the plan
    ASSERT_TRUE(port->Apply());
    const SimRegistration* held = m_registrations.Find(3);
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(held->PatternSize(), 80u * 25u) << "the picture as planned: 200 x 80";
    EXPECT_TRUE(port->Verified());
}

TEST_F(SyncLedger, AnUnwritableLedgerStopsThePortBeforeAnythingChanges) {
    WriteBitmap("a.bmp", 16, 4, false);
    Load(Logo(5, "a.bmp"));
    std::ofstream(m_files / "blocked") << "a file where the ledger's folder would be";
    CSyncLedger blocked(m_files / "blocked" / "ledger");
    auto port = Port();
    port->UseLedger(&blocked, kPort);
    ASSERT_TRUE(port->ReadAndPlan());
    EXPECT_FALSE(port->Apply());
    ASSERT_TRUE(port->Failure().ledger.has_value());
    EXPECT_EQ(port->Failure().ledger->path, m_files / "blocked" / "ledger");
    EXPECT_FALSE(port->Failure().ledger->reason.empty());
    EXPECT_FALSE(port->Failure().stopped);
    EXPECT_TRUE(m_registrations.Empty());
}

TEST(SyncLedgerFile, DamagedLinesAreSkippedAndRunsMerge) {
    bmptest::TempFolder folder;
    const std::filesystem::path path = folder / "ledger";
    std::ofstream(path) << "# comment\n"
                           "0123456789abcdef 7 /dev/serial/by-id/usb-A\n"
                           "0123456789abcdeg 8 /dev/x\n"    // not hex
                           "0123456789abcdef 100 /dev/x\n"  // ID out of range
                           "0000000000000000 9 /dev/x\n"    // no fingerprint
                           "0123456789abcdef 9\n";          // no port
    CSyncLedger one(path);
    CSyncLedger two(path);
    std::string error;
    ASSERT_TRUE(one.Load(error));
    ASSERT_TRUE(two.Load(error));
    EXPECT_EQ(one.SentTo("/dev/serial/by-id/usb-A"), (SentPatterns{{7, 0x0123456789abcdefull}}));
    EXPECT_TRUE(one.SentTo("/dev/x").empty());

    one.Record("/dev/ttyS0", 1, 0x11);
    one.Record("bad\nport", 2, 0x22);  // cannot be one line of the file: not recorded
    ASSERT_TRUE(one.Save(error)) << error;
    two.Forget("/dev/serial/by-id/usb-A", 7);
    ASSERT_TRUE(two.Save(error)) << error;
    CSyncLedger merged(path);
    ASSERT_TRUE(merged.Load(error));
    EXPECT_EQ(merged.SentTo("/dev/ttyS0"), (SentPatterns{{1, 0x11}}));
    EXPECT_TRUE(merged.SentTo("/dev/serial/by-id/usb-A").empty());
    EXPECT_TRUE(merged.SentTo("bad\nport").empty());

    CSyncLedger missing(folder / "none");
    EXPECT_TRUE(missing.Load(error)) << "no file yet is an empty ledger";
}

TEST(PatternHashes, DependOnSizeAndEveryPackedBit) {
    CurrentImage image;
    image.transferInfo.emplace(kMonoInfoSize, 0);
    (*image.transferInfo)[4] = 9;  // width 9: two packed bytes a row, stride 4
    (*image.transferInfo)[8] = 2;  // height 2
    image.transferBits.emplace(8, 0);
    const std::uint64_t blank = PatternHash(image);
    (*image.transferBits)[1] = 0x80;  // pixel 8 of the bottom row
    const std::uint64_t onePixel = PatternHash(image);
    EXPECT_NE(blank, onePixel);
    (*image.transferBits)[1] = 0;
    (*image.transferBits)[2] = 0xFF;  // row padding: never sent
    EXPECT_EQ(PatternHash(image), blank);
    (*image.transferInfo)[4] = 10;  // the same bytes at another width
    EXPECT_NE(PatternHash(image), blank);
    EXPECT_EQ(ParsePatternHash(PatternHashText(onePixel)), onePixel);
    EXPECT_EQ(PatternHash(CurrentImage{}), 0u);
}

}  // namespace
