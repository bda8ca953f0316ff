// The Qt side of the library: the font database seen as EnumFontFamiliesA would report it,
// and measuring through QFontMetrics.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QGuiApplication>
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "editctl/model/CKEFontCatalog.h"
#include "editctl/model/CKEditInfo.h"
#include "editctl/model/KEFontHandle.h"
#include "editctl/qt/CKEQtEditHost.h"
#include "editctl/qt/CKEQtFontEnumerator.h"
#include "editctl/qt/CKEQtTextMeasurer.h"
#include "editctl/qt/KECodePage.h"
#include "editctl/qt/KEQtFamilyNames.h"

namespace {

struct Reported {
    std::string name;
    int type;
    LOGFONTA font;
};

int CollectFamily(const LOGFONTA* font, const TEXTMETRICA*, int type, LPARAM record) {
    reinterpret_cast<std::vector<Reported>*>(record)->push_back({font->lfFaceName, type, *font});
    return 1;
}

int CollectStyle(const ENUMLOGFONTA* font, const NEWTEXTMETRICA*, int type, LPARAM record) {
    reinterpret_cast<std::vector<Reported>*>(record)->push_back(
        {font->elfFullName, type, font->elfLogFont});
    return 1;
}

int StopAtFirst(const LOGFONTA*, const TEXTMETRICA*, int, LPARAM record) {
    ++*reinterpret_cast<int*>(record);
    return 0;
}

TEST(QtFontEnumerator, ReportsOutlineFamiliesAsTrueTypeWithTheirStyles) {
    CKEQtFontEnumerator enumerator;
    std::vector<Reported> families;
    enumerator.enumFamilies(&CollectFamily, reinterpret_cast<LPARAM>(&families));
    ASSERT_FALSE(families.empty()) << "no fonts installed";
    // Qt lists a family that several foundries make as "C059 [UKWN]"; the face name is "C059".
    const std::vector<KEQtFamily> known = KEQtDistinctFamilies(QFontDatabase::families());
    for (const Reported& family : families) {
        const QString name = kecp::FromAnsi(family.name.c_str(), LF_FACESIZE);
        const auto found = std::find_if(known.begin(), known.end(),
                                        [&](const KEQtFamily& k) { return k.faceName == name; });
        ASSERT_NE(found, known.end()) << family.name;
        EXPECT_EQ(family.type == TRUETYPE_FONTTYPE,
                  QFontDatabase::isSmoothlyScalable(found->queryName))
            << family.name;
        EXPECT_LT(family.name.size(), static_cast<std::size_t>(LF_FACESIZE));
        const int pitch = family.font.lfPitchAndFamily & 3;
        EXPECT_TRUE(pitch == FIXED_PITCH || pitch == VARIABLE_PITCH);
    }
    std::vector<Reported> styles;
    enumerator.enumStyles(families.front().name.c_str(), &CollectStyle,
                          reinterpret_cast<LPARAM>(&styles));
    ASSERT_FALSE(styles.empty());
    for (const Reported& style : styles) {
        EXPECT_EQ(style.type, families.front().type);
        EXPECT_STREQ(style.font.lfFaceName, families.front().name.c_str());
        EXPECT_EQ(style.name.rfind(families.front().name, 0), 0U) << style.name;
    }
    std::vector<Reported> none;
    enumerator.enumStyles("No Such Family", &CollectStyle, reinterpret_cast<LPARAM>(&none));
    EXPECT_TRUE(none.empty());
    int calls = 0;
    enumerator.enumFamilies(&StopAtFirst, reinterpret_cast<LPARAM>(&calls));
    EXPECT_EQ(calls, 1);  // a callback's 0 ends the enumeration
}

TEST(QtFontEnumerator, FamiliesAreListedOnceWithoutFoundriesAndAliases) {
    const std::vector<KEQtFamily> families = KEQtDistinctFamilies(
        {"C059 [UKWN]", "C059 [urw]", "Sans Serif", "DejaVu Sans", "Monospace", "A [b] c"});
    ASSERT_EQ(families.size(), 3u);
    EXPECT_EQ(families[0].faceName, "C059");
    EXPECT_EQ(families[0].queryName, "C059 [UKWN]");  // the first foundry is asked
    EXPECT_EQ(families[1].faceName, "DejaVu Sans");
    EXPECT_EQ(families[2].faceName, "A [b] c");  // brackets inside a name stay
    // The real catalogue: no face name twice, none with a foundry.
    const std::vector<KEQtFamily> real = KEQtDistinctFamilies(QFontDatabase::families());
    for (std::size_t i = 0; i < real.size(); ++i) {
        EXPECT_FALSE(real[i].faceName.endsWith(u']')) << real[i].faceName.toStdString();
        for (std::size_t j = i + 1; j < real.size(); ++j) {
            EXPECT_NE(real[i].faceName, real[j].faceName);
        }
    }
}

TEST(QtFontEnumerator, CatalogueAtLoadHasTheOutlineFamiliesOnly) {
    CKEQtFontEnumerator enumerator;
    CKEFontCatalog catalog;
    ASSERT_TRUE(catalog.buildForLoad(enumerator));
    ASSERT_GT(catalog.entryCount(false), 0);
    LOGFONTA font{};
    for (int i = 0; catalog.getFamily(i, font); ++i) {
        EXPECT_NE(font.lfFaceName[0], '@');
        EXPECT_TRUE(
            QFontDatabase::isSmoothlyScalable(kecp::FromAnsi(font.lfFaceName, LF_FACESIZE)));
    }
    EXPECT_GE(catalog.entryCount(true), catalog.entryCount(false));
}

TEST(QtTextMeasurer, MeasuresInTheControlFontOrTheFaceFont) {
    CKEQtTextMeasurer measurer;
    LOGFONTA base{};
    base.lfHeight = -20;
    std::strcpy(base.lfFaceName, "DejaVu Sans");
    HFONT__ handle{base};
    HFONT font = &handle;
    const KEFontMetrics metrics = measurer.fontMetrics(font);
    EXPECT_GE(metrics.height, 20);
    EXPECT_GT(metrics.aveCharWidth, 0);
    EXPECT_EQ(measurer.charExtent(font, nullptr, u'\r').cx, 0);
    EXPECT_EQ(measurer.charExtent(font, nullptr, u'\n').cx, 0);
    const LONG wide = measurer.charExtent(font, nullptr, u'W').cx;
    const LONG narrow = measurer.charExtent(font, nullptr, u'i').cx;
    EXPECT_GT(wide, narrow);  // a proportional font
    EXPECT_GT(narrow, 0);
    // A face font of twice the height gives wider characters.
    LOGFONTA face = base;
    face.lfHeight = -40;
    EXPECT_GT(measurer.charExtent(font, &face, u'W').cx, wide);
    EXPECT_EQ(measurer.charExtent(font, nullptr, u'W').cx, wide);  // and back again
    // The default font when the control has none.
    EXPECT_GT(measurer.fontMetrics(nullptr).height, 0);
}

TEST(QtTextMeasurer, FontForMapsTheLogFont) {
    LOGFONTA font{};
    font.lfHeight = -17;
    font.lfWeight = FW_BOLD;
    font.lfItalic = 1;
    std::strcpy(font.lfFaceName, "DejaVu Serif");
    const QFont qfont = CKEQtTextMeasurer::fontFor(&font);
    EXPECT_EQ(qfont.pixelSize(), 17);
    EXPECT_EQ(qfont.weight(), QFont::Bold);
    EXPECT_TRUE(qfont.italic());
    EXPECT_EQ(qfont.families().value(0), QStringLiteral("DejaVu Serif"));
}

TEST(CodePage, FaceNamesGoThroughCp932) {
    const std::optional<std::string> ansi = kecp::ToAnsi(QStringLiteral("ＭＳ ゴシック"), 31);
    ASSERT_TRUE(ansi.has_value());
    EXPECT_EQ(ansi->size(), 13U);  // six double-byte characters and a space
    EXPECT_EQ(kecp::FromAnsi(ansi->c_str(), 32), QStringLiteral("ＭＳ ゴシック"));
    EXPECT_FALSE(kecp::ToAnsi(QStringLiteral("ＭＳ ゴシック"), 12).has_value());
    EXPECT_FALSE(kecp::ToAnsi(QStringLiteral("\U0001F600"), 31).has_value());
}

// A window of fixed size and style around the Qt measuring.
class QtWindow : public CKEQtEditHost {
  public:
    explicit QtWindow(const CKEFontCatalog* catalog)
        : CKEQtEditHost([catalog] { return catalog; }) {}
    DWORD style() const override { return ES_MULTILINE | ES_AUTOVSCROLL; }
    RECT clientRect() const override { return RECT{0, 0, 400, 300}; }
    void notifyParent(WORD) override {}
    void beep() override {}
};

TEST(QtEditHost, CharactersWithAFaceNameAreMeasuredInThatFamily) {
    CKEQtFontEnumerator enumerator;
    CKEFontCatalog catalog;
    ASSERT_TRUE(catalog.buildForLoad(enumerator));
    if (catalog.findIndex("DejaVu Sans Mono", false) < 0) {
        GTEST_SKIP() << "DejaVu Sans Mono is not installed";
    }
    QtWindow window(&catalog);
    CKEditInfo info;
    ASSERT_TRUE(info.reset(&window));
    LOGFONTA base{};
    base.lfHeight = -20;
    std::strcpy(base.lfFaceName, "DejaVu Sans");
    HFONT__ handle{base};
    info.m_font = &handle;
    ASSERT_TRUE(info.insertText(u"iiW\r\nx"));
    const std::int32_t plain = info.m_chars[0].m_width;
    ASSERT_TRUE(info.setFaceName(0, 6, "DejaVu Sans Mono"));
    // In the monospaced family 'i' and 'W' have one advance, wider than a proportional 'i'.
    EXPECT_GT(info.m_chars[0].m_width, plain);
    EXPECT_EQ(info.m_chars[0].m_width, info.m_chars[2].m_width);
    EXPECT_EQ(info.m_chars[3].m_width, 0);
    EXPECT_EQ(info.m_rows[0]->m_width, 3 * info.m_chars[0].m_width);
    // An unknown name is stored but measured in the control's font.
    ASSERT_TRUE(info.setFaceName(0, 1, "No Such Family"));
    EXPECT_EQ(info.m_chars[0].m_width, plain);
    EXPECT_STREQ(info.faceNameAt(0), "No Such Family");
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
