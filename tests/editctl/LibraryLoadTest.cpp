// Loads libwextl.so as a host would and checks what loading it sets up.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QGuiApplication>

#include "editctl/model/WextlWin32.h"

namespace {

class LoadedLibrary : public ::testing::Test {
  protected:
    void SetUp() override {
        m_handle = dlopen(WEXTL_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(m_handle, nullptr) << dlerror();
    }
    void TearDown() override {
        if (m_handle != nullptr) {
            EXPECT_EQ(dlclose(m_handle), 0);
        }
    }
    template <typename F>
    F symbol(const char* name) {
        void* address = dlsym(m_handle, name);
        EXPECT_NE(address, nullptr) << name;
        return reinterpret_cast<F>(address);
    }

    void* m_handle = nullptr;
};

TEST_F(LoadedLibrary, ExportsTheEntryAndTheFontCallbacks) {
    auto entry = symbol<void (*)()>("WextlEntry");
    ASSERT_NE(entry, nullptr);
    entry();
    entry();  // any number of times, to no effect
    for (const char* name : {"CB_FontFamilyCount", "CB_FontFamilyInfo", "CB_FontFullNameCount",
                             "CB_FontFullNameInfo"}) {
        EXPECT_NE(dlsym(m_handle, name), nullptr) << name;
    }
    // Font handles for the control.
    auto create = symbol<HFONT (*)(const LOGFONTA*)>("WextlCreateFontIndirectA");
    auto destroy = symbol<void (*)(HFONT)>("WextlDeleteFont");
    ASSERT_TRUE(create != nullptr && destroy != nullptr);
    LOGFONTA font{};
    font.lfHeight = -16;
    HFONT handle = create(&font);
    EXPECT_NE(handle, nullptr);
    EXPECT_EQ(create(nullptr), nullptr);
    destroy(handle);
    destroy(nullptr);
    // Internal classes stay hidden.
    EXPECT_EQ(dlsym(m_handle, "_ZN10CKEditInfo10insertTextEPKDsi"), nullptr);
}

TEST_F(LoadedLibrary, RegistersKeditAtLoad) {
    auto registered = symbol<BOOL (*)(const char*)>("WextlIsClassRegistered");
    ASSERT_NE(registered, nullptr);
    EXPECT_EQ(registered("KEDIT"), 1);
    EXPECT_EQ(registered("EDIT"), 0);
    EXPECT_EQ(registered(nullptr), 0);
}

TEST_F(LoadedLibrary, CatalogueHoldsTheOutlineFontsAndNoVerticalNames) {
    auto count = symbol<int (*)(BOOL)>("WextlFontCatalogCount");
    auto family = symbol<BOOL (*)(int, LOGFONTA*)>("WextlFontCatalogFamily");
    auto find = symbol<int (*)(const char*, BOOL)>("WextlFontCatalogFind");
    ASSERT_TRUE(count != nullptr && family != nullptr && find != nullptr);
    int scalable = 0;
    for (const QString& name : QFontDatabase::families()) {
        scalable += QFontDatabase::isSmoothlyScalable(name) ? 1 : 0;
    }
    const int families = count(0);
    RecordProperty("families", families);
    RecordProperty("outline_families", scalable);
    EXPECT_LE(families, scalable);
    if (scalable > 0) {
        EXPECT_GT(families, 0);
        EXPECT_GE(count(1), families);  // every outline family has at least one style
    }
    LOGFONTA font{};
    for (int i = 0; i < families; ++i) {
        ASSERT_EQ(family(i, &font), 1);
        EXPECT_NE(font.lfFaceName[0], '@') << font.lfFaceName;
        const int found = find(font.lfFaceName, 0);  // the first family of that name
        EXPECT_GE(found, 0);
        EXPECT_LE(found, i);
    }
    EXPECT_EQ(family(families, &font), 0);
    EXPECT_EQ(find("No Such Font Family", 0), -1);
}

}  // namespace

int main(int argc, char** argv) {
    // The font database needs a GUI application; it exists before the library is loaded, so
    // the catalogue is built during the load. Without a display, Qt's offscreen platform
    // serves (also while ctest lists the tests).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
