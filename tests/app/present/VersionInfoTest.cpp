#include <gtest/gtest.h>

#include "app/present/CModelProfile.h"
#include "app/present/CVersionInfo.h"

namespace {

VersionRecord RecordOf(unsigned a, unsigned b, unsigned c, unsigned d) {
    VersionRecord record;
    record.m_fileVersionMs = (a << 16) | b;
    record.m_fileVersionLs = (c << 16) | d;
    return record;
}

TEST(VersionInfo, TheProgramsVersionLine) {
    const CVersionInfo info;
    EXPECT_EQ(info.GetVersionText(), "91.020");
    EXPECT_EQ(VersionLine(info), "Version 9.1.0.20");
    EXPECT_EQ(info.GetFileDescription(), "NV210a/NV430a/NV450aロゴダウンロードツール");
    EXPECT_FALSE(info.GetLegalCopyright().empty());
    EXPECT_EQ(info.GetOriginalFilename(), "Stampix.exe");
    EXPECT_EQ(HelpBaseName(info), "Stampix");
}

TEST(VersionInfo, OtherVersions) {
    EXPECT_EQ(VersionLine(CVersionInfo(RecordOf(1, 2, 3, 456))), "Version 1.2.3.456");
    EXPECT_EQ(VersionLine(CVersionInfo(RecordOf(9, 9, 9, 0))), "Version 9.9.9.0");
    // Major 0 is pointed like any single-digit major.
    EXPECT_EQ(VersionLine(CVersionInfo(RecordOf(0, 1, 2, 3))), "Version 0.1.2.3");
}

TEST(VersionInfo, InsertingPointsIntoShortTexts) {
    EXPECT_EQ(InsertVersionPoints("91.020"), "9.1.0.20");
    EXPECT_EQ(InsertVersionPoints("1234"), "1.234.");
    EXPECT_EQ(InsertVersionPoints("12"), "1.2");
    EXPECT_EQ(InsertVersionPoints(""), "");
}

TEST(VersionInfo, EmptyRecordGivesEmptyStrings) {
    const CVersionInfo info{VersionRecord{}};
    EXPECT_EQ(info.GetFileDescription(), "");
    EXPECT_EQ(info.GetLegalCopyright(), "");
    EXPECT_EQ(HelpBaseName(info), "");
}

TEST(ModelProfile, TitlesAndDotsPerMm) {
    EXPECT_EQ(ModelProfile(0).m_modelName, "NV210a");
    EXPECT_EQ(ModelProfile(0).m_dotsPerMm, 8);
    EXPECT_EQ(ModelProfile(1).m_modelName, "NV430a");
    EXPECT_EQ(ModelProfile(1).m_dotsPerMm, 8);
    EXPECT_EQ(ModelProfile(2).m_modelName, "NV450a");
    EXPECT_EQ(ModelProfile(2).m_dotsPerMm, 12);
    EXPECT_EQ(ModelProfile(0).m_radioText, "ミニノクタ(NV210a,NV218a,NV218b,NV218c)");
    EXPECT_EQ(ModelProfile(2).m_radioText, "ノクタ(NV450a)");
    EXPECT_EQ(MakeTitle("NV450a"), "NV450aロゴダウンロードツール");
    // Out of range falls back to the first model rather than reading past the table.
    EXPECT_EQ(ModelProfile(3).m_modelName, "NV210a");
    EXPECT_EQ(ModelProfile(-1).m_modelName, "NV210a");
}

}  // namespace
