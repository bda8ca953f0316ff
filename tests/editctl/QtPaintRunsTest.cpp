// What the control paints in runs of one font, redrawing only the rows that changed since
// its last paint, shows exactly the pixels of painting everything one character at a time:
// random texts, fonts of their own, selections, scroll positions, edits between paints and
// both background modes, painted on the Qt surface and on a surface that draws every
// character on its own (the reference, painted once at the end), compared pixel for pixel.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdint>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "editctl/control/CKEditWindowData.h"
#include "editctl/control/KEditWindowProc.h"
#include "editctl/model/CKEClassRegistry.h"
#include "editctl/model/CKEFontCatalog.h"
#include "editctl/qt/CKEQtFontEnumerator.h"
#include "editctl/qt/CKEQtImageSurface.h"
#include "editctl/qt/CKEQtPlatform.h"
#include "editctl/window/CKEWindowSystem.h"

namespace {

// The reference: every character with its own call, as the control drew before runs.
class PerCharacterSurface : public CKEQtImageSurface {
  public:
    using CKEQtImageSurface::CKEQtImageSurface;
    void drawRun(int x, int y, std::u16string_view chars, const std::int32_t* advances,
                 int cellHeight, const LOGFONTA* font, const RECT& area, COLORREF text,
                 COLORREF back, bool opaque) override {
        IKESurface::drawRun(x, y, chars, advances, cellHeight, font, area, text, back, opaque);
    }
};

class ReferencePlatform : public CKEQtPlatform {
  public:
    using CKEQtPlatform::CKEQtPlatform;
    std::unique_ptr<IKESurface> createSurface(int width, int height) override {
        return std::make_unique<PerCharacterSurface>(width, height);
    }
};

COLORREF g_background = RGB(255, 255, 255);
int g_backMode = OPAQUE;

LRESULT HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CKEWindowSystem* system = CKEWindowSystem::current();
    if (message == WM_CTLCOLOREDIT) {
        const auto dc = reinterpret_cast<HDC>(wParam);
        if (CKEDeviceContext* context = system->gdi().context(dc)) {
            context->backMode = g_backMode;
            context->backColor = g_background;
        }
        return reinterpret_cast<LRESULT>(system->gdi().createSolidBrush(g_background));
    }
    return system->defWindowProc(hwnd, message, wParam, lParam);
}

// One random scene: text, own fonts on random runs, selection, scroll and colours.
struct Scene {
    std::u16string text;
    std::vector<std::tuple<int, int, std::string>> faces;
    int selFirst = 0;
    int selEnd = 0;
    int scrollRows = 0;
    bool focused = false;
    // Edits after the first paint: (kind, position, value).
    std::vector<std::tuple<int, int, int>> edits;
};

Scene RandomScene(std::mt19937& random, const std::vector<std::string>& families) {
    static const char16_t kPool[] =
        u"abcdefghijklmnopqrstuvwxyzTWfjgy ,.;!?()[]{}0123456789"
        u"あいうえおカタカナ日本語漢字。、ｱｲｳ\r\n\r\n";
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    Scene scene;
    const int length = 200 + pick(1500);
    for (int i = 0; i < length; ++i) {
        const char16_t ch = kPool[pick(static_cast<int>(std::size(kPool)) - 1)];
        if (ch == u'\r' || ch == u'\n') {
            scene.text += u"\r\n";
        } else {
            scene.text += ch;
        }
    }
    for (int i = pick(6); i > 0; --i) {
        const int first = pick(static_cast<int>(scene.text.size()));
        scene.faces.emplace_back(
            first, 1 + pick(40),
            families[static_cast<std::size_t>(pick(static_cast<int>(families.size())))]);
    }
    scene.selFirst = pick(static_cast<int>(scene.text.size()));
    scene.selEnd = scene.selFirst + pick(300);
    scene.scrollRows = pick(8);
    scene.focused = pick(2) == 0;
    for (int i = pick(12); i > 0; --i) {
        scene.edits.emplace_back(pick(5), pick(static_cast<int>(scene.text.size())), pick(400));
    }
    return scene;
}

// Paints the scene with the KEDIT control on `platform`; the client area's pixels at the
// end. With `everyStep` it is painted after every edit too, so that the last paint draws
// only what the edits changed; without, the last paint is the first.
std::vector<std::uint32_t> Paint(CKEQtPlatform& platform, const Scene& scene, bool everyStep) {
    CKEClassRegistry classes;
    CKEWindowSystem system(platform, classes);
    platform.setSystem(&system);
    KEWindowClass host;
    host.windowProc = &HostProc;
    host.className = "Host";
    classes.registerClass(host);
    KERegisterEditClass(classes);
    HWND parent = system.createWindow(0, "Host", "", 0, 0, 0, 400, 300, nullptr, 0, nullptr);
    HWND edit = system.createWindow(
        0, "KEDIT", "", WS_CHILD | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | ES_CHARFONT, 0, 0,
        320, 200, parent, 7, nullptr);
    LOGFONTA font{};
    font.lfHeight = -16;
    system.sendMessage(edit, WM_SETFONT, reinterpret_cast<WPARAM>(system.gdi().createFont(font)),
                       0);
    system.sendMessage(edit, EM_LIMITTEXT, 65520, 0);
    system.sendMessage(edit, KEM_SETTEXT, 1, reinterpret_cast<LPARAM>(scene.text.c_str()));
    CKEditWindowData* data = KEditDataOf(edit);
    for (const auto& [first, count, name] : scene.faces) {
        data->setFaceName(first, count, name.c_str());
    }
    if (scene.focused) {
        system.setFocus(edit);
    }
    system.sendMessage(edit, EM_SETSEL, static_cast<WPARAM>(scene.selFirst), scene.selEnd);
    for (int i = 0; i < scene.scrollRows; ++i) {
        system.sendMessage(edit, WM_VSCROLL, SB_LINEDOWN, 0);
    }
    std::vector<std::uint32_t> pixels(300 * 200);
    const auto print = [&] { system.printWindow(edit, pixels.data(), 300, 200, 300 * 4); };
    for (const auto& [kind, position, value] : scene.edits) {
        if (everyStep) {
            print();
        }
        switch (kind) {
            case 0:  // type over a selection or at the caret
                system.sendMessage(edit, EM_SETSEL, static_cast<WPARAM>(position),
                                   position + value % 3);
                system.sendMessage(edit, WM_CHAR, static_cast<WPARAM>('a' + value % 26), 0);
                break;
            case 1:
                system.sendMessage(edit, EM_SETSEL, static_cast<WPARAM>(position), position);
                system.sendMessage(edit, WM_CHAR, value % 2 == 0 ? 8 : 13, 0);
                break;
            case 2:
                system.sendMessage(edit, EM_SETSEL, static_cast<WPARAM>(position),
                                   position + value);
                break;
            case 3:
                system.sendMessage(edit, WM_VSCROLL, value % 2 == 0 ? SB_LINEUP : SB_LINEDOWN, 0);
                break;
            default:
                system.setFocus(system.getFocus() == edit ? nullptr : edit);
                break;
        }
    }
    print();
    platform.setSystem(nullptr);
    return pixels;
}

TEST(PaintRuns, RunsShowThePixelsOfOneCharacterAtATime) {
    CKEFontCatalog catalog;
    CKEQtFontEnumerator enumerator;
    ASSERT_TRUE(catalog.buildForLoad(enumerator));
    std::vector<std::string> families;
    for (int i = 0; i < catalog.entryCount(false) && families.size() < 4; ++i) {
        LOGFONTA family{};
        if (catalog.getFamily(i, family)) {
            families.emplace_back(family.lfFaceName);
        }
    }
    families.emplace_back("No Such Family");
    CKEQtPlatform runs([&] { return &catalog; });
    ReferencePlatform reference([&] { return &catalog; });
    std::mt19937 random(20261210);
    for (int round = 0; round < 24; ++round) {
        const Scene scene = RandomScene(random, families);
        g_backMode = round % 3 == 0 ? TRANSPARENT : OPAQUE;
        g_background = round % 2 == 0 ? RGB(255, 255, 255) : RGB(255, 250, 205);
        const std::vector<std::uint32_t> fast = Paint(runs, scene, true);
        const std::vector<std::uint32_t> slow = Paint(reference, scene, false);
        std::size_t differing = 0;
        std::size_t ink = 0;
        for (std::size_t i = 0; i < fast.size(); ++i) {
            differing += fast[i] != slow[i] ? 1 : 0;
            ink += (slow[i] & 0xFFFFFF) != g_background ? 1 : 0;
        }
        EXPECT_EQ(differing, 0u) << "round " << round;
        EXPECT_GT(ink, fast.size() / 50) << "round " << round << ": the scene shows no text";
    }
}

}  // namespace
