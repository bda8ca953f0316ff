// A host that loads the library before it has a GUI application: KEDIT is registered at
// once, and the font catalogue is built on first use once the application exists.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cstdlib>

#include "editctl/model/WextlWin32.h"

namespace {

TEST(LibraryWithoutApplication, CatalogueWaitsForTheApplication) {
    void* handle = dlopen(WEXTL_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle, nullptr) << dlerror();
    auto registered =
        reinterpret_cast<BOOL (*)(const char*)>(dlsym(handle, "WextlIsClassRegistered"));
    auto count = reinterpret_cast<int (*)(BOOL)>(dlsym(handle, "WextlFontCatalogCount"));
    auto family =
        reinterpret_cast<BOOL (*)(int, LOGFONTA*)>(dlsym(handle, "WextlFontCatalogFamily"));
    ASSERT_TRUE(registered != nullptr && count != nullptr && family != nullptr);
    EXPECT_EQ(registered("KEDIT"), 1);
    EXPECT_EQ(count(0), 0);  // no font database without an application

    int argc = 1;
    char name[] = "test";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    const int families = count(0);
    EXPECT_GT(families, 0);
    LOGFONTA font{};
    for (int i = 0; i < families; ++i) {
        ASSERT_EQ(family(i, &font), 1);
        EXPECT_NE(font.lfFaceName[0], '@');
    }
    EXPECT_EQ(dlclose(handle), 0);
}

}  // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
