#pragma once

// The one deterministic platform of the window system's tests: fixed character widths (8
// pixels for ASCII and 16 for anything else at a row height of 16 or the font's |lfHeight|;
// or FakeEditHost's widths), image surfaces that draw a character as a solid block, peers that
// record what they were told, a virtual clock and cursor, an in-memory clipboard, the menu and
// the change-character dialog answered by the test and recorded, and recorded beeps.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editctl/model/CKEFontCatalog.h"
#include "editctl/window/CKEMenu.h"
#include "editctl/window/CKEWindow.h"
#include "editctl/window/IKEClipboard.h"
#include "editctl/window/IKEClock.h"
#include "editctl/window/IKEPlatform.h"
#include "editctl/window/IKESurface.h"
#include "editctl/window/IKEWindowPeer.h"

class FakeSurface : public IKESurface {
  public:
    FakeSurface(int width, int height)
        : m_width(std::max(width, 0)),
          m_height(std::max(height, 0)),
          m_pixels(static_cast<std::size_t>(m_width) * m_height, 0xFFFFFF) {}
    int width() const override { return m_width; }
    int height() const override { return m_height; }
    void fillRect(const RECT& rect, COLORREF color) override {
        for (int y = std::max<int>(rect.top, 0); y < std::min<int>(rect.bottom, m_height); ++y) {
            for (int x = std::max<int>(rect.left, 0); x < std::min<int>(rect.right, m_width); ++x) {
                m_pixels[static_cast<std::size_t>(y) * m_width + x] = color;
            }
        }
    }
    void drawChar(int x, int y, char16_t ch, const LOGFONTA* font, const RECT& clip, COLORREF text,
                  COLORREF back, bool opaque) override {
        const int w = ch < 0x80 ? 8 : 16;
        const int h = font != nullptr && font->lfHeight != 0 ? std::abs(font->lfHeight) : 16;
        const auto clipped = [&](RECT r) {
            return RECT{std::max(r.left, clip.left), std::max(r.top, clip.top),
                        std::min(r.right, clip.right), std::min(r.bottom, clip.bottom)};
        };
        if (opaque) {
            fillRect(clipped(RECT{x, y, x + w, y + h}), back);
        }
        if (ch != u' ') {
            fillRect(clipped(RECT{x + 1, y + 2, x + w - 1, y + h - 2}), text);
        }
        ++m_charsDrawn;
    }
    void drawSurface(const IKESurface& source) override {
        const auto& fake = static_cast<const FakeSurface&>(source);
        for (int y = 0; y < std::min(m_height, fake.m_height); ++y) {
            for (int x = 0; x < std::min(m_width, fake.m_width); ++x) {
                m_pixels[static_cast<std::size_t>(y) * m_width + x] = fake.pixel(x, y);
            }
        }
    }
    void copyPixels(std::uint32_t* pixels, int width, int height, int strideBytes) const override {
        for (int y = 0; y < std::min(height, m_height); ++y) {
            auto* row =
                reinterpret_cast<std::uint32_t*>(reinterpret_cast<unsigned char*>(pixels) +
                                                 static_cast<std::ptrdiff_t>(y) * strideBytes);
            for (int x = 0; x < std::min(width, m_width); ++x) {
                const COLORREF c = pixel(x, y);
                row[x] = 0xFF000000u | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
            }
        }
    }
    COLORREF pixel(int x, int y) const {
        return m_pixels[static_cast<std::size_t>(y) * m_width + x];
    }
    int m_charsDrawn = 0;

  private:
    int m_width;
    int m_height;
    std::vector<COLORREF> m_pixels;
};

struct FakePeer : IKEWindowPeer {
    void setGeometry(const RECT&) override {}
    void setVisible(bool v) override { visible = v; }
    void setTitle(const char*) override {}
    void invalidate() override { ++invalidations; }
    void updateNow() override { ++immediateRepaints; }
    void setScrollBar(const SCROLLINFO& i, bool e) override {
        bar = i;
        barEnabled = e;
    }
    void createCaret(int, int) override {}
    void destroyCaret() override {}
    void setCaretPos(POINT) override {}
    void setCaretVisible(bool v) override { caretVisible = v; }
    void setCursor(int) override {}
    void setFocus() override {}
    void setCapture(bool) override {}
    void setCompositionWindow(POINT p, const LOGFONTA*) override { composition = p; }
    bool visible = false;
    int invalidations = 0;
    int immediateRepaints = 0;
    SCROLLINFO bar{};
    bool barEnabled = false;
    bool caretVisible = false;
    POINT composition{-1, -1};
};

struct FakeClock : IKEClock {
    std::uint64_t nowMs() const override { return now; }
    std::uint64_t now = 1000;
};

// An in-memory clipboard that can refuse to open, as another program holding it would.
struct FakeClipboard : IKEClipboard {
    bool open(HWND) override {
        if (isOpen || refuseOpen) {
            return false;
        }
        isOpen = true;
        return true;
    }
    bool close() override {
        const bool was = isOpen;
        isOpen = false;
        return was;
    }
    bool empty() override {
        if (!isOpen) {
            return false;
        }
        data.clear();
        return true;
    }
    bool setData(UINT format, std::vector<std::byte> block) override {
        if (!isOpen) {
            return false;
        }
        data[format] = std::move(block);
        return true;
    }
    bool isFormatAvailable(UINT format) const override { return data.count(format) != 0; }
    std::optional<std::vector<std::byte>> getData(UINT format) const override {
        const auto it = data.find(format);
        return !isOpen || it == data.end() ? std::nullopt : std::optional(it->second);
    }
    void put(UINT format, const void* bytes, std::size_t size) {
        const auto* raw = static_cast<const std::byte*>(bytes);
        data[format] = std::vector<std::byte>(raw, raw + size);
    }

    std::map<UINT, std::vector<std::byte>> data;
    bool isOpen = false;
    bool refuseOpen = false;
};

// Blocks: 8 pixels for ASCII, 16 for the rest, rows as high as the font. EditHost: the
// widths FakeEditHost measures ('W' 20, space 4, U+3000 and above 16, else 8; 2 more with a
// face other than "Control"), rows 16 high.
enum class FakeWidths { Blocks, EditHost };

class FakePlatform : public IKEPlatform {
  public:
    explicit FakePlatform(FakeWidths measuring = FakeWidths::Blocks) : widths(measuring) {}

    std::unique_ptr<IKEWindowPeer> createPeer(HWND hwnd, const CKEWindow&) override {
        auto peer = std::make_unique<FakePeer>();
        peers[hwnd] = peer.get();
        return peer;
    }
    std::unique_ptr<IKESurface> createSurface(int width, int height) override {
        return std::make_unique<FakeSurface>(width, height);
    }
    KEFontMetrics fontMetrics(const LOGFONTA* font) override {
        return KEFontMetrics{8, widths == FakeWidths::Blocks ? Height(font) : 16};
    }
    SIZE charExtent(const LOGFONTA* font, char16_t ch) override {
        if (widths == FakeWidths::Blocks) {
            return SIZE{ch < 0x80 ? 8 : 16, Height(font)};
        }
        const LONG base = ch == u'W' ? 20 : ch == u' ' ? 4 : ch >= 0x3000 ? 16 : 8;
        const bool face = font != nullptr && font->lfFaceName[0] != '\0' &&
                          std::string(font->lfFaceName) != "Control";
        return SIZE{base + (face ? 2 : 0), 16};
    }
    const CKEFontCatalog* fontCatalog() override { return catalog; }
    IKEClock& clock() override { return fakeClock; }
    // A toolkit's events, run inside the window system's loops when a test asks for them.
    void processEvents(int) override {
        if (onProcessEvents) {
            onProcessEvents();
        }
    }
    void wake() override { ++wakes; }
    void beep(UINT) override { ++beeps; }
    COLORREF sysColor(int index) const override {
        switch (index) {
            case COLOR_WINDOW:
                return 0xFFFFFF;
            case COLOR_HIGHLIGHT:
                return RGB(0, 0, 200);
            case COLOR_HIGHLIGHTTEXT:
                return 0xFFFFFF;
            case COLOR_BTNFACE:
                return RGB(200, 200, 200);
            default:
                return 0;
        }
    }
    int systemMetric(int index) const override {
        return index == SM_CXVSCROLL ? 16 : index == SM_CXEDGE ? 2 : 1;
    }
    POINT cursorPos() const override { return cursor; }
    bool setCursorPos(POINT pos) override {
        cursor = pos;
        return true;
    }
    IKEClipboard& clipboard() override { return fakeClipboard; }
    UINT trackPopupMenu(const CKEMenu& menu, POINT screenPos, HWND) override {
        menus.push_back(menu.clone());
        menuPoints.push_back(screenPos);
        return menuAnswer;
    }
    int runCharFontDialog(HWND, const std::vector<std::string>& entries, int& selection) override {
        dialogEntries.push_back(entries);
        dialogPreselected.push_back(selection);
        selection = dialogChoice;
        return dialogResult;
    }

    static LONG Height(const LOGFONTA* font) {
        return font != nullptr && font->lfHeight != 0 ? std::abs(font->lfHeight) : 16;
    }

    FakeWidths widths;
    std::map<HWND, FakePeer*> peers;
    const CKEFontCatalog* catalog = nullptr;
    FakeClock fakeClock;
    FakeClipboard fakeClipboard;
    POINT cursor{0, 0};
    std::function<void()> onProcessEvents;
    int beeps = 0;
    int wakes = 0;
    // The menu's and the dialog's answers, and what they were shown.
    UINT menuAnswer = 0;
    std::vector<std::unique_ptr<CKEMenu>> menus;
    std::vector<POINT> menuPoints;
    int dialogResult = IDCANCEL;
    int dialogChoice = -1;
    std::vector<std::vector<std::string>> dialogEntries;
    std::vector<int> dialogPreselected;
};
