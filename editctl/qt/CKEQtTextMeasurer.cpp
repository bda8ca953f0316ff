#include "editctl/qt/CKEQtTextMeasurer.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <algorithm>
#include <cstring>

#include "editctl/model/KEFontHandle.h"
#include "editctl/qt/CKEQtFontEnumerator.h"
#include "editctl/qt/KECodePage.h"

CKEQtTextMeasurer::CKEQtTextMeasurer() = default;
CKEQtTextMeasurer::~CKEQtTextMeasurer() = default;

QFont CKEQtTextMeasurer::fontFor(const LOGFONTA* logFont) {
    QFont font = QGuiApplication::font();
    if (logFont == nullptr) {
        return font;
    }
    const QString family = kecp::FromAnsi(logFont->lfFaceName, LF_FACESIZE);
    if (!family.isEmpty()) {
        font.setFamilies({family});
    }
    // A negative height is the character height, a positive one the cell height; the
    // pixel size stands for both here.
    const LONG height = logFont->lfHeight < 0 ? -logFont->lfHeight : logFont->lfHeight;
    if (height > 0) {
        font.setPixelSize(height);
    }
    if (logFont->lfWeight > 0) {
        font.setWeight(static_cast<QFont::Weight>(std::clamp<LONG>(logFont->lfWeight, 1, 1000)));
    }
    font.setItalic(logFont->lfItalic != 0);
    font.setUnderline(logFont->lfUnderline != 0);
    font.setStrikeOut(logFont->lfStrikeOut != 0);
    return font;
}

const QFontMetrics* CKEQtTextMeasurer::metricsFor(const LOGFONTA* logFont) {
    if (!CKEQtFontEnumerator::available()) {
        return nullptr;
    }
    const bool isDefault = logFont == nullptr;
    const bool same = m_hasLast && m_lastDefault == isDefault &&
                      (isDefault || std::memcmp(&m_lastFont, logFont, sizeof(LOGFONTA)) == 0);
    if (!same) {
        m_lastMetrics = std::make_unique<QFontMetrics>(fontFor(logFont));
        m_lastDefault = isDefault;
        m_lastFont = isDefault ? LOGFONTA{} : *logFont;
        m_hasLast = true;
    }
    return m_lastMetrics.get();
}

KEFontMetrics CKEQtTextMeasurer::fontMetrics(HFONT font) { return metricsOf(KEFontLogFont(font)); }

SIZE CKEQtTextMeasurer::charExtent(HFONT font, const LOGFONTA* faceFont, char16_t ch) {
    return extentOf(faceFont != nullptr ? faceFont : KEFontLogFont(font), ch);
}

KEFontMetrics CKEQtTextMeasurer::metricsOf(const LOGFONTA* logFont) {
    const QFontMetrics* metrics = metricsFor(logFont);
    if (metrics == nullptr) {
        return KEFontMetrics{};
    }
    return KEFontMetrics{metrics->averageCharWidth(), metrics->height()};
}

SIZE CKEQtTextMeasurer::extentOf(const LOGFONTA* logFont, char16_t ch) {
    const QFontMetrics* metrics = metricsFor(logFont);
    if (metrics == nullptr) {
        return SIZE{0, 0};
    }
    if (ch == u'\r' || ch == u'\n') {
        return SIZE{0, metrics->height()};
    }
    return SIZE{metrics->horizontalAdvance(QChar(ch)), metrics->height()};
}
