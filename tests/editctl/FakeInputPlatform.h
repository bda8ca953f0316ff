#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "editctl/model/CKEFontCatalog.h"
#include "editctl/window/CKEMenu.h"
#include "editctl/window/IKEClipboard.h"
#include "editctl/window/IKEClock.h"
#include "editctl/window/IKEPlatform.h"
#include "editctl/window/IKESurface.h"
#include "editctl/window/IKEWindowPeer.h"

// An in-memory clipboard that can refuse to open, as another program holding it would.
class FakeClipboard : public IKEClipboard {
  public:
    bool open(HWND) override {
        if (m_isOpen || m_refuseOpen) {
            return false;
        }
        m_isOpen = true;
        return true;
    }
    bool close() override {
        const bool was = m_isOpen;
        m_isOpen = false;
        return was;
    }
    bool empty() override {
        if (!m_isOpen) {
            return false;
        }
        m_blocks.clear();
        return true;
    }
    bool setData(UINT format, std::vector<std::byte> data) override {
        if (!m_isOpen) {
            return false;
        }
        m_blocks[format] = std::move(data);
        return true;
    }
    bool isFormatAvailable(UINT format) const override { return m_blocks.count(format) != 0; }
    std::optional<std::vector<std::byte>> getData(UINT format) const override {
        if (!m_isOpen || m_blocks.count(format) == 0) {
            return std::nullopt;
        }
        return m_blocks.at(format);
    }

    void put(UINT format, const void* data, std::size_t bytes) {
        const auto* raw = static_cast<const std::byte*>(data);
        m_blocks[format] = std::vector<std::byte>(raw, raw + bytes);
    }

    std::map<UINT, std::vector<std::byte>> m_blocks;
    bool m_isOpen = false;
    bool m_refuseOpen = false;
};

class FakeClock : public IKEClock {
  public:
    std::uint64_t nowMs() const override { return m_now; }
    std::uint64_t m_now = 1000;
};

class FakePeer : public IKEWindowPeer {
  public:
    void setGeometry(const RECT&) override {}
    void setVisible(bool) override {}
    void setTitle(const char*) override {}
    void invalidate() override {}
    void updateNow() override {}
    void setScrollBar(const SCROLLINFO&, bool) override {}
    void createCaret(int, int) override {}
    void destroyCaret() override {}
    void setCaretPos(POINT) override {}
    void setCaretVisible(bool) override {}
    void setCursor(int) override {}
    void setFocus() override {}
    void setCapture(bool) override {}
    void setCompositionWindow(POINT, const LOGFONTA*) override {}
};

class FakeSurface : public IKESurface {
  public:
    FakeSurface(int width, int height) : m_width(width), m_height(height) {}
    int width() const override { return m_width; }
    int height() const override { return m_height; }
    void fillRect(const RECT&, COLORREF) override {}
    void drawChar(int, int, char16_t, const LOGFONTA*, const RECT&, COLORREF, COLORREF,
                  bool) override {}
    void drawSurface(const IKESurface&) override {}
    void copyPixels(std::uint32_t*, int, int, int) const override {}

  private:
    int m_width;
    int m_height;
};

// Fixed widths as FakeEditHost has them ('W' 20, space 4, U+3000 and above 16, else 8; rows
// 16 high), a virtual clock and cursor, the in-memory clipboard, and the menu and the dialog
// answered by the test and recorded.
class FakeInputPlatform : public IKEPlatform {
  public:
    std::unique_ptr<IKEWindowPeer> createPeer(HWND, const CKEWindow&) override {
        return std::make_unique<FakePeer>();
    }
    std::unique_ptr<IKESurface> createSurface(int width, int height) override {
        return std::make_unique<FakeSurface>(width, height);
    }
    KEFontMetrics fontMetrics(const LOGFONTA*) override { return KEFontMetrics{8, 16}; }
    SIZE charExtent(const LOGFONTA* font, char16_t ch) override {
        const LONG base = ch == u'W' ? 20 : ch == u' ' ? 4 : ch >= 0x3000 ? 16 : 8;
        const bool face = font != nullptr && font->lfFaceName[0] != '\0' &&
                          std::string(font->lfFaceName) != "Control";
        return SIZE{base + (face ? 2 : 0), 16};
    }
    const CKEFontCatalog* fontCatalog() override { return m_catalog; }
    IKEClock& clock() override { return m_clock; }
    void processEvents(int) override {}
    void wake() override {}
    void beep(UINT) override { ++m_beeps; }
    COLORREF sysColor(int) const override { return 0; }
    int systemMetric(int) const override { return 0; }
    POINT cursorPos() const override { return m_cursor; }
    bool setCursorPos(POINT pos) override {
        m_cursor = pos;
        return true;
    }
    IKEClipboard& clipboard() override { return m_clipboard; }
    UINT trackPopupMenu(const CKEMenu& menu, POINT screenPos, HWND) override {
        m_menus.push_back(menu.clone());
        m_menuPoints.push_back(screenPos);
        return m_menuAnswer;
    }
    int runCharFontDialog(HWND, const std::vector<std::string>& entries, int& selection) override {
        m_dialogEntries.push_back(entries);
        m_dialogPreselected.push_back(selection);
        selection = m_dialogChoice;
        return m_dialogResult;
    }

    const CKEFontCatalog* m_catalog = nullptr;
    FakeClock m_clock;
    POINT m_cursor{0, 0};
    FakeClipboard m_clipboard;
    int m_beeps = 0;
    UINT m_menuAnswer = 0;
    std::vector<std::unique_ptr<CKEMenu>> m_menus;
    std::vector<POINT> m_menuPoints;
    int m_dialogResult = IDCANCEL;
    int m_dialogChoice = -1;
    std::vector<std::vector<std::string>> m_dialogEntries;
    std::vector<int> m_dialogPreselected;
};
