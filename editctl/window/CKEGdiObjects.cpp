#include "editctl/window/CKEGdiObjects.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

CKEGdiObjects::CKEGdiObjects() = default;

HFONT CKEGdiObjects::createFont(const LOGFONTA& logFont) {
    auto copy = std::make_unique<LOGFONTA>(logFont);
    copy->lfFaceName[LF_FACESIZE - 1] = '\0';
    return m_fonts.add(std::move(copy));
}

const LOGFONTA* CKEGdiObjects::logFont(HFONT font) const { return m_fonts.find(font); }

HBRUSH CKEGdiObjects::createSolidBrush(COLORREF color) {
    return m_brushes.add(std::make_unique<Brush>(Brush{color & 0xFFFFFF, false}));
}

HBRUSH CKEGdiObjects::sysColorBrush(int index, COLORREF color) {
    if (index < 0 || index >= static_cast<int>(std::size(m_sysBrushes))) {
        return nullptr;
    }
    HBRUSH& stock = m_sysBrushes[index];
    if (stock == nullptr) {
        stock = m_brushes.add(std::make_unique<Brush>(Brush{color, true}));
    }
    return stock;
}

namespace {

// The stock fonts are the desktop's own: its default font (empty face, default size), or its
// monospaced one for the fixed fonts.
LOGFONTA StockFont(int index) {
    LOGFONTA font{};
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = SHIFTJIS_CHARSET;
    const bool fixed =
        index == OEM_FIXED_FONT || index == ANSI_FIXED_FONT || index == SYSTEM_FIXED_FONT;
    if (fixed) {
        std::strcpy(font.lfFaceName, "monospace");
    }
    font.lfPitchAndFamily = fixed ? FIXED_PITCH | FF_MODERN : VARIABLE_PITCH | FF_SWISS;
    return font;
}

}  // namespace

HGDIOBJ CKEGdiObjects::stockObject(int index) {
    static constexpr COLORREF kBrushColors[] = {RGB(255, 255, 255), RGB(192, 192, 192),
                                                RGB(128, 128, 128), RGB(64, 64, 64), RGB(0, 0, 0)};
    const bool brush = index >= WHITE_BRUSH && index <= NULL_BRUSH;
    const bool font = index >= OEM_FIXED_FONT && index <= DEFAULT_GUI_FONT && index != 15;
    if (!brush && !font) {
        return nullptr;
    }
    HGDIOBJ& stock = m_stockObjects[index];
    if (stock == nullptr && brush) {
        const bool hollow = index == NULL_BRUSH;
        stock = m_brushes.add(
            std::make_unique<Brush>(Brush{hollow ? 0 : kBrushColors[index], true, hollow}));
    } else if (stock == nullptr) {
        HFONT made = createFont(StockFont(index));
        m_stockFonts.push_back(made);
        stock = made;
    }
    return stock;
}

bool CKEGdiObjects::brushColor(HBRUSH brush, COLORREF& color) const {
    const Brush* found = m_brushes.find(brush);
    if (found == nullptr || found->hollow) {
        return false;
    }
    color = found->color;
    return true;
}

bool CKEGdiObjects::deleteObject(HGDIOBJ object) {
    if (object == nullptr) {
        return false;
    }
    const auto font = static_cast<HFONT>(object);
    if (std::find(m_stockFonts.begin(), m_stockFonts.end(), font) != m_stockFonts.end()) {
        return true;
    }
    if (m_fonts.remove(font) != nullptr) {
        return true;
    }
    const auto brush = static_cast<HBRUSH>(object);
    if (const Brush* found = m_brushes.find(brush)) {
        if (!found->stock) {
            m_brushes.remove(brush);
        }
        return true;
    }
    return false;
}

HDC CKEGdiObjects::addContext(std::unique_ptr<CKEDeviceContext> context) {
    return m_contexts.add(std::move(context));
}

CKEDeviceContext* CKEGdiObjects::context(HDC dc) const { return m_contexts.find(dc); }

void CKEGdiObjects::removeContext(HDC dc) { m_contexts.remove(dc); }
