// The font catalogue from a fake font list, the exported callbacks and the class registry.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "FakeEditHost.h"
#include "editctl/model/CKEClassRegistry.h"
#include "editctl/model/CKEFontCatalog.h"
#include "editctl/model/KEFontCallbacks.h"

namespace {

using Family = FakeFontEnumerator::Family;

std::vector<std::string> FaceNames(const CKEFontCatalog& catalog) {
    std::vector<std::string> names;
    LOGFONTA font{};
    for (int i = 0; catalog.getFamily(i, font); ++i) {
        names.emplace_back(font.lfFaceName);
    }
    return names;
}

FakeFontEnumerator MixedFonts() {
    FakeFontEnumerator fonts;
    fonts.m_families = {
        {"MS Mincho", TRUETYPE_FONTTYPE, FIXED_PITCH, SHIFTJIS_CHARSET, {"Regular", "Bold"}},
        {"@MS Mincho", TRUETYPE_FONTTYPE, FIXED_PITCH, SHIFTJIS_CHARSET, {"Regular"}},
        {"Terminal", RASTER_FONTTYPE, FIXED_PITCH, 255, {"Regular"}},
        {"Printer Font", DEVICE_FONTTYPE, FIXED_PITCH, ANSI_CHARSET, {"Regular"}},
        {"Device TT", DEVICE_FONTTYPE | TRUETYPE_FONTTYPE, VARIABLE_PITCH, ANSI_CHARSET, {"R"}},
        {"Arial", TRUETYPE_FONTTYPE, VARIABLE_PITCH, ANSI_CHARSET, {"Regular", "Italic"}},
        {"@Gothic", TRUETYPE_FONTTYPE, VARIABLE_PITCH, SHIFTJIS_CHARSET, {"Regular"}},
    };
    return fonts;
}

TEST(FontCatalog, LoadKeepsTrueTypeFamiliesWithoutAtInEnumerationOrder) {
    FakeFontEnumerator fonts = MixedFonts();
    CKEFontCatalog catalog;
    ASSERT_TRUE(catalog.buildForLoad(fonts));
    EXPECT_EQ(FaceNames(catalog), (std::vector<std::string>{"MS Mincho", "Arial"}));
    EXPECT_EQ(catalog.typeFilter(), TRUETYPE_FONTTYPE);
    // Full names of the kept families' styles, and only theirs.
    ASSERT_EQ(catalog.entryCount(true), 4);
    EXPECT_STREQ(catalog.fullName(0)->elfFullName, "MS Mincho Regular");
    EXPECT_STREQ(catalog.fullName(1)->elfStyle, "Bold");
    EXPECT_STREQ(catalog.fullName(3)->elfFullName, "Arial Italic");
    EXPECT_EQ(fonts.m_styleQueries,
              (std::vector<std::string>{"MS Mincho", "Arial", "MS Mincho", "Arial"}));
    EXPECT_EQ(catalog.entryCount(false), 2);
}

TEST(FontCatalog, LookupsAreExactAndCaseSensitive) {
    FakeFontEnumerator fonts = MixedFonts();
    CKEFontCatalog catalog;
    ASSERT_TRUE(catalog.buildForLoad(fonts));
    EXPECT_EQ(catalog.findIndex("Arial", false), 1);
    EXPECT_EQ(catalog.findIndex("arial", false), -1);
    EXPECT_EQ(catalog.findIndex("Aria", false), -1);
    EXPECT_EQ(catalog.findIndex("@MS Mincho", false), -1);
    EXPECT_EQ(catalog.findIndex("Arial Italic", true), 3);
    EXPECT_EQ(catalog.findIndex("Arial Italic", false), -1);
    EXPECT_EQ(catalog.findIndex(nullptr, false), -1);

    LOGFONTA font{};
    ASSERT_TRUE(catalog.getLogFont("MS Mincho", font));
    EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET);
    EXPECT_EQ(font.lfHeight, 12);
    EXPECT_FALSE(catalog.getLogFont("Terminal", font));
    EXPECT_FALSE(catalog.getFamily(-1, font));
    EXPECT_FALSE(catalog.getFamily(2, font));
}

TEST(FontCatalog, WithoutTrueTypeFontsTheCatalogueIsEmpty) {
    FakeFontEnumerator fonts;
    fonts.m_families = {{"Terminal", RASTER_FONTTYPE}, {"Courier", DEVICE_FONTTYPE}};
    CKEFontCatalog catalog;
    ASSERT_TRUE(catalog.buildForLoad(fonts));
    EXPECT_EQ(catalog.entryCount(false), 0);
    EXPECT_EQ(catalog.entryCount(true), 0);
    LOGFONTA font{};
    EXPECT_FALSE(catalog.getLogFont("Terminal", font));
    FakeFontEnumerator none;
    ASSERT_TRUE(catalog.buildForLoad(none));
    EXPECT_EQ(catalog.entryCount(false), 0);
}

TEST(FontCatalog, OtherFiltersAndOptions) {
    FakeFontEnumerator fonts = MixedFonts();
    CKEFontCatalog catalog;
    // Every type, raster dropped, vertical only, escapement 0 and the "@" removed.
    ASSERT_TRUE(catalog.build(fonts, -1, 0, KEFC_VERTICAL_ONLY, 0,
                              KEFC_OPT_DROP_RASTER | KEFC_OPT_NO_ESCAPEMENT | KEFC_OPT_STRIP_AT));
    EXPECT_EQ(FaceNames(catalog), (std::vector<std::string>{"MS Mincho", "Gothic"}));
    LOGFONTA font{};
    ASSERT_TRUE(catalog.getFamily(1, font));
    EXPECT_EQ(font.lfEscapement, 0);
    EXPECT_EQ(font.lfOrientation, 2700);

    ASSERT_TRUE(catalog.build(fonts, -1, 0, KEFC_VERTICAL_ONLY, 0, 0));
    ASSERT_TRUE(catalog.getFamily(0, font));
    EXPECT_STREQ(font.lfFaceName, "@MS Mincho");
    EXPECT_EQ(font.lfEscapement, 2700);

    ASSERT_TRUE(catalog.build(fonts, -1, KEFC_PITCH_FIXED, 0, 0, KEFC_OPT_DROP_RASTER));
    EXPECT_EQ(FaceNames(catalog),
              (std::vector<std::string>{"MS Mincho", "@MS Mincho", "Printer Font"}));
    ASSERT_TRUE(catalog.build(fonts, -1, KEFC_PITCH_VARIABLE, KEFC_VERTICAL_NONE, 0, 0));
    EXPECT_EQ(FaceNames(catalog), (std::vector<std::string>{"Device TT", "Arial"}));
    ASSERT_TRUE(catalog.build(fonts, -1, 0, 0, KEFC_CHARSET_HIGH, 0));
    EXPECT_EQ(FaceNames(catalog),
              (std::vector<std::string>{"MS Mincho", "@MS Mincho", "Terminal", "@Gothic"}));
    ASSERT_TRUE(catalog.build(fonts, DEVICE_FONTTYPE, 0, 0, KEFC_CHARSET_LOW, 0));
    EXPECT_EQ(FaceNames(catalog), (std::vector<std::string>{"Printer Font"}));
    // Full names count only TrueType styles: the device font has none.
    EXPECT_EQ(catalog.entryCount(true), 0);
}

TEST(FontCatalog, AFontAddedBetweenCountingAndCollectingIsNotWrittenPastTheArrays) {
    FakeFontEnumerator fonts;
    fonts.m_families = {{"A"}, {"B"}};
    fonts.m_growOnSecondPass = true;
    CKEFontCatalog catalog;
    ASSERT_TRUE(catalog.buildForLoad(fonts));
    EXPECT_EQ(FaceNames(catalog), (std::vector<std::string>{"A", "B"}));
}

TEST(FontCallbacks, CountAndCollectUnderTheTypeFilterAndAlwaysGoOn) {
    LOGFONTA fonts[2]{};
    std::int32_t types[2]{};
    KEFamilyRecord record{0, TRUETYPE_FONTTYPE, types, fonts};
    LOGFONTA font{};
    std::strcpy(font.lfFaceName, "Face");
    const TEXTMETRICA metric{};
    const auto lp = reinterpret_cast<LPARAM>(&record);
    EXPECT_EQ(CB_FontFamilyCount(&font, &metric, RASTER_FONTTYPE, lp), 1);
    EXPECT_EQ(record.count, 0);
    EXPECT_EQ(CB_FontFamilyCount(&font, &metric, TRUETYPE_FONTTYPE, lp), 1);
    EXPECT_EQ(record.count, 1);
    record.count = 0;
    EXPECT_EQ(CB_FontFamilyInfo(&font, &metric, TRUETYPE_FONTTYPE, lp), 1);
    EXPECT_EQ(CB_FontFamilyInfo(&font, &metric, DEVICE_FONTTYPE | TRUETYPE_FONTTYPE, lp), 1);
    EXPECT_EQ(record.count, 1);  // exact type match only
    EXPECT_STREQ(fonts[0].lfFaceName, "Face");
    EXPECT_EQ(types[0], TRUETYPE_FONTTYPE);
    record.typeFilter = -1;
    EXPECT_EQ(CB_FontFamilyInfo(&font, &metric, RASTER_FONTTYPE, lp), 1);
    EXPECT_EQ(record.count, 2);
    EXPECT_EQ(types[1], RASTER_FONTTYPE);

    ENUMLOGFONTA names[1]{};
    KEFullNameRecord fullRecord{0, 0, names};
    ENUMLOGFONTA entry{};
    std::strcpy(entry.elfFullName, "Face Bold");
    const NEWTEXTMETRICA newMetric{};
    const auto fp = reinterpret_cast<LPARAM>(&fullRecord);
    EXPECT_EQ(CB_FontFullNameCount(&entry, &newMetric, RASTER_FONTTYPE, fp), 1);
    EXPECT_EQ(CB_FontFullNameCount(&entry, &newMetric, DEVICE_FONTTYPE | TRUETYPE_FONTTYPE, fp), 1);
    EXPECT_EQ(fullRecord.count, 1);  // the TrueType bit is enough
    fullRecord.count = 0;
    EXPECT_EQ(CB_FontFullNameInfo(&entry, &newMetric, RASTER_FONTTYPE, fp), 1);
    EXPECT_EQ(CB_FontFullNameInfo(&entry, &newMetric, TRUETYPE_FONTTYPE, fp), 1);
    EXPECT_EQ(fullRecord.count, 1);
    EXPECT_STREQ(names[0].elfFullName, "Face Bold");
}

LRESULT DummyProc(HWND, UINT, WPARAM, LPARAM) { return 0; }

TEST(ClassRegistry, RegistersOnceByExactName) {
    CKEClassRegistry registry;
    KEWindowClass kedit;
    kedit.className = "KEDIT";
    kedit.windowProc = &DummyProc;
    kedit.windowExtra = 4;
    EXPECT_FALSE(registry.isRegistered("KEDIT"));
    EXPECT_TRUE(registry.registerClass(kedit));
    EXPECT_FALSE(registry.registerClass(kedit));
    EXPECT_TRUE(registry.isRegistered("KEDIT"));
    EXPECT_FALSE(registry.isRegistered("kedit"));
    KEWindowClass found;
    ASSERT_TRUE(registry.findClass("KEDIT", found));
    EXPECT_EQ(found.windowExtra, 4);
    KEWindowClass nameless;
    nameless.windowProc = &DummyProc;
    EXPECT_FALSE(registry.registerClass(nameless));
    KEWindowClass noProc;
    noProc.className = "X";
    EXPECT_FALSE(registry.registerClass(noProc));
}

}  // namespace
