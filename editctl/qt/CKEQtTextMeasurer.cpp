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

CKEQtTextMeasurer::Measured* CKEQtTextMeasurer::measuredFor(const LOGFONTA* logFont) {
    if (!CKEQtFontEnumerator::available()) {
        return nullptr;
    }
    const bool isDefault = logFont == nullptr;
    const auto same = [&](const std::unique_ptr<Measured>& m) {
        return m->isDefault == isDefault &&
               (isDefault || std::memcmp(&m->font, logFont, sizeof(LOGFONTA)) == 0);
    };
    auto found = std::find_if(m_fonts.begin(), m_fonts.end(), same);
    if (found == m_fonts.end()) {
        auto measured = std::make_unique<Measured>();
        measured->isDefault = isDefault;
        measured->font = isDefault ? LOGFONTA{} : *logFont;
        measured->metrics = std::make_unique<QFontMetrics>(fontFor(logFont));
        measured->height = measured->metrics->height();
        if (m_fonts.size() == kKeptFonts) {
            m_fonts.pop_back();
        }
        m_fonts.insert(m_fonts.begin(), std::move(measured));
    } else if (found != m_fonts.begin()) {
        std::rotate(m_fonts.begin(), found, found + 1);
    }
    return m_fonts.front().get();
}

KEFontMetrics CKEQtTextMeasurer::fontMetrics(HFONT font) { return metricsOf(KEFontLogFont(font)); }

SIZE CKEQtTextMeasurer::charExtent(HFONT font, const LOGFONTA* faceFont, char16_t ch) {
    return extentOf(faceFont != nullptr ? faceFont : KEFontLogFont(font), ch);
}

KEFontMetrics CKEQtTextMeasurer::metricsOf(const LOGFONTA* logFont) {
    const Measured* measured = measuredFor(logFont);
    if (measured == nullptr) {
        return KEFontMetrics{};
    }
    return KEFontMetrics{measured->metrics->averageCharWidth(), measured->height};
}

SIZE CKEQtTextMeasurer::extentOf(const LOGFONTA* logFont, char16_t ch) {
    Measured* measured = measuredFor(logFont);
    if (measured == nullptr) {
        return SIZE{0, 0};
    }
    if (ch == u'\r' || ch == u'\n') {
        return SIZE{0, measured->height};
    }
    const auto [it, added] = measured->advances.try_emplace(ch, 0);
    if (added) {
        it->second = measured->metrics->horizontalAdvance(QChar(ch));
    }
    return SIZE{it->second, measured->height};
}
