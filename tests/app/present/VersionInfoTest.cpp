#include <gtest/gtest.h>

#include "app/present/CVersionInfo.h"
#include "app/present/ModelTexts.h"

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

TEST(ModelTexts, RadioButtonsAndTitles) {
    EXPECT_EQ(ModelRadioText(0), "ミニノクタ(NV210a,NV218a,NV218b,NV218c)");
    EXPECT_EQ(ModelRadioText(2), "ノクタ(NV450a)");
    EXPECT_EQ(ModelRadioText(3), ModelRadioText(0));
    EXPECT_EQ(MakeTitle("NV450a"), "NV450aロゴダウンロードツール");
}

}  // namespace
