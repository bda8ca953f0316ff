#pragma once

#include <string>
#include <vector>

#include "editctl/model/CKEFontCatalog.h"
#include "editctl/model/IKEditHost.h"

// A window with fixed character widths: 'W' 20, space 4, U+3000 and above 16, anything else
// 8; a character measured in a catalogue font is 2 wider. Rows are 16 pixels high.
class FakeEditHost : public IKEditHost {
  public:
    static constexpr LONG kHeight = 16;

    explicit FakeEditHost(DWORD style, LONG width = 200, LONG height = 160)
        : m_style(style), m_client{0, 0, width, height} {}

    static LONG baseWidth(char16_t ch) {
        if (ch == u'W') {
            return 20;
        }
        if (ch == u' ') {
            return 4;
        }
        return ch >= 0x3000 ? 16 : 8;
    }

    DWORD style() const override { return m_style; }
    DWORD exStyle() const override { return m_exStyle; }
    RECT clientRect() const override { return m_client; }
    KEFontMetrics fontMetrics(HFONT) override { return KEFontMetrics{8, kHeight}; }
    SIZE charExtent(HFONT, const LOGFONTA* faceFont, char16_t ch) override {
        if (faceFont != nullptr) {
            m_faceHeights.push_back(faceFont->lfHeight);
            m_faceWidths.push_back(faceFont->lfWidth);
            return SIZE{baseWidth(ch) + 2, kHeight};
        }
        return SIZE{baseWidth(ch), kHeight};
    }
    const CKEFontCatalog* fontCatalog() const override { return m_catalog; }
    void notifyParent(WORD code) override { m_notifications.push_back(code); }
    void beep() override { ++m_beeps; }
    void setWaitCursor(bool on) override {
        m_waitDepth += on ? 1 : -1;
        if (on) {
            ++m_waitShown;
        }
    }
    void updateScrollRange() override { ++m_scrollUpdates; }
    void placeCaret() override { ++m_caretPlacements; }

    void clearRecords() {
        m_notifications.clear();
        m_beeps = 0;
        m_waitShown = 0;
    }

    DWORD m_style;
    DWORD m_exStyle = 0;
    RECT m_client;
    const CKEFontCatalog* m_catalog = nullptr;
    std::vector<WORD> m_notifications;
    int m_beeps = 0;
    int m_waitDepth = 0;
    int m_waitShown = 0;
    int m_scrollUpdates = 0;
    int m_caretPlacements = 0;
    std::vector<LONG> m_faceHeights;
    std::vector<LONG> m_faceWidths;
};

// A font list in the shape of EnumFontFamiliesA.
class FakeFontEnumerator : public IKEFontEnumerator {
  public:
    struct Family {
        std::string name;
        int type = TRUETYPE_FONTTYPE;
        BYTE pitch = VARIABLE_PITCH;
        BYTE charset = SHIFTJIS_CHARSET;
        std::vector<std::string> styles{"Regular"};
    };

    void enumFamilies(KEFamilyProc proc, LPARAM record) override {
        ++m_familyPasses;
        for (const Family& family : m_families) {
            const LOGFONTA font = logFontOf(family);
            const TEXTMETRICA metric{};
            if (proc(&font, &metric, family.type, record) == 0) {
                return;
            }
        }
        if (m_growOnSecondPass && m_familyPasses == 1) {
            m_families.push_back(Family{"Late Font"});
        }
    }

    void enumStyles(const char* faceName, KEStyleProc proc, LPARAM record) override {
        m_styleQueries.push_back(faceName);
        for (const Family& family : m_families) {
            if (family.name != faceName) {
                continue;
            }
            for (const std::string& style : family.styles) {
                ENUMLOGFONTA entry{};
                entry.elfLogFont = logFontOf(family);
                const std::string full = family.name + " " + style;
                full.copy(entry.elfFullName, LF_FULLFACESIZE - 1);
                style.copy(entry.elfStyle, LF_FACESIZE - 1);
                const NEWTEXTMETRICA metric{};
                proc(&entry, &metric, family.type, record);
            }
        }
    }

    static LOGFONTA logFontOf(const Family& family) {
        LOGFONTA font{};
        font.lfHeight = 12;
        font.lfWeight = FW_NORMAL;
        font.lfCharSet = family.charset;
        font.lfPitchAndFamily = family.pitch;
        family.name.copy(font.lfFaceName, LF_FACESIZE - 1);
        return font;
    }

    std::vector<Family> m_families;
    std::vector<std::string> m_styleQueries;
    int m_familyPasses = 0;
    bool m_growOnSecondPass = false;
};
