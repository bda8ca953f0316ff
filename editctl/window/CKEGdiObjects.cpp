#include "editctl/window/CKEGdiObjects.h"

#include <cstdint>

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

bool CKEGdiObjects::brushColor(HBRUSH brush, COLORREF& color) const {
    const Brush* found = m_brushes.find(brush);
    if (found == nullptr) {
        return false;
    }
    color = found->color;
    return true;
}

bool CKEGdiObjects::deleteObject(HGDIOBJ object) {
    if (object == nullptr) {
        return false;
    }
    if (m_fonts.remove(static_cast<HFONT>(object)) != nullptr) {
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
