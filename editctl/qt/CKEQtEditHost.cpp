#include "editctl/qt/CKEQtEditHost.h"

#include <utility>

CKEQtEditHost::CKEQtEditHost(std::function<const CKEFontCatalog*()> catalog)
    : m_catalog(std::move(catalog)) {}

KEFontMetrics CKEQtEditHost::fontMetrics(HFONT font) { return m_measurer.fontMetrics(font); }

SIZE CKEQtEditHost::charExtent(HFONT font, const LOGFONTA* faceFont, char16_t ch) {
    return m_measurer.charExtent(font, faceFont, ch);
}

const CKEFontCatalog* CKEQtEditHost::fontCatalog() const {
    return m_catalog ? m_catalog() : nullptr;
}
