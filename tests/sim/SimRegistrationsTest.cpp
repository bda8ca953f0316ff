#include "sim/CSimRegistrations.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include "sim/SimContent.h"

namespace fs = std::filesystem;

namespace {

class SimRegistrationsTest : public testing::Test {
  protected:
    void SetUp() override {
        m_path = fs::temp_directory_path() / ("stampix-sim-state-" + std::to_string(getpid()));
    }
    void TearDown() override { fs::remove(m_path); }

    std::vector<char> FileBytes() {
        std::ifstream in(m_path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void WriteFile(const std::vector<char>& bytes) {
        std::ofstream(m_path, std::ios::binary | std::ios::trunc)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    fs::path m_path;
};

}  // namespace

TEST_F(SimRegistrationsTest, MemoryIsKeptWithin240Kbyte) {
    CSimRegistrations registrations;
    // 44 Kbyte logos: 5 fit, the sixth does not; replacing one in place does.
    for (int id = 0; id < 5; ++id) {
        EXPECT_TRUE(registrations.Store(simcontent::MakeLogo(id, "L", 704, 512))) << id;
    }
    EXPECT_FALSE(registrations.Store(simcontent::MakeLogo(5, "L", 704, 512)));
    EXPECT_EQ(registrations.Count(), 5u);
    EXPECT_TRUE(registrations.Store(simcontent::MakeLogo(4, "L", 704, 512)));
    EXPECT_EQ(registrations.MemoryUsed(), 5 * (45056 + 10));
}

TEST_F(SimRegistrationsTest, DemoHoldsLogosAndAFontOfManyCharacters) {
    CSimRegistrations registrations;
    simcontent::PreloadDemo(registrations);
    EXPECT_EQ(registrations.Ids(), (std::vector<int>{1, 2, 5, 10}));
    EXPECT_EQ(registrations.Find(10)->PatternCount(), 93u);
    EXPECT_EQ(registrations.Find(10)->entries.size(), 93u * 6);
    EXPECT_LT(registrations.MemoryUsed(), CSimRegistrations::kCapacity);
}

TEST_F(SimRegistrationsTest, StateFileRoundTrip) {
    CSimRegistrations saved;
    simcontent::PreloadDemo(saved);
    std::string error;
    ASSERT_TRUE(saved.SaveTo(m_path, error)) << error;
    CSimRegistrations loaded;
    ASSERT_TRUE(loaded.LoadFrom(m_path, error)) << error;
    EXPECT_EQ(loaded.Ids(), saved.Ids());
    EXPECT_EQ(loaded.Stream(), saved.Stream());
    EXPECT_EQ(loaded.Find(2)->data, saved.Find(2)->data);
}

TEST_F(SimRegistrationsTest, DamagedStateFileIsRefusedWhole) {
    CSimRegistrations saved;
    simcontent::PreloadDemo(saved);
    std::string error;
    ASSERT_TRUE(saved.SaveTo(m_path, error));
    const std::vector<char> good = FileBytes();

    CSimRegistrations target;
    target.Store(simcontent::MakeLogo(50, "KEEP", 8, 8));
    const auto refused = [&](std::vector<char> bytes, const char* what) {
        WriteFile(bytes);
        EXPECT_FALSE(target.LoadFrom(m_path, error)) << what;
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(target.Ids(), std::vector<int>{50}) << what;
    };
    refused(std::vector<char>(good.begin(), good.end() - 1), "truncated");
    auto extra = good;
    extra.push_back(0);
    refused(extra, "trailing byte");
    auto magic = good;
    magic[0] = 'X';
    refused(magic, "magic");
    auto badId = good;
    badId[12] = 'Z';  // first record's first ID digit
    refused(badId, "id");
    auto hugeLength = good;
    hugeLength[12 + 100 + 3] = 0x7F;  // first entries length
    refused(hugeLength, "length");
    refused({}, "empty");
    EXPECT_FALSE(target.LoadFrom(m_path.string() + "-missing", error));
}
