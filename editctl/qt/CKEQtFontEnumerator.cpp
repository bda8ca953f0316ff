#include "editctl/qt/CKEQtFontEnumerator.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <algorithm>
#include <cstring>

#include "editctl/qt/KECodePage.h"

namespace {

constexpr BYTE kOutStrokePrecis = 3;
constexpr BYTE kClipStrokePrecis = 2;
constexpr BYTE kDraftQuality = 1;

int FontType(const QString& family) {
    return QFontDatabase::isSmoothlyScalable(family) ? TRUETYPE_FONTTYPE : RASTER_FONTTYPE;
}

void CopyName(char* target, std::size_t size, const std::string& name) {
    std::memset(target, 0, size);
    std::memcpy(target, name.data(), std::min(name.size(), size - 1));
}

LOGFONTA MakeLogFont(const QString& family, const std::string& faceName, const QString& style) {
    LOGFONTA font{};
    font.lfWeight = style.isEmpty() ? FW_NORMAL : QFontDatabase::weight(family, style);
    font.lfItalic = !style.isEmpty() && QFontDatabase::italic(family, style) ? 1 : 0;
    const bool japanese = QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese);
    font.lfCharSet = japanese ? SHIFTJIS_CHARSET : ANSI_CHARSET;
    font.lfOutPrecision = kOutStrokePrecis;
    font.lfClipPrecision = kClipStrokePrecis;
    font.lfQuality = kDraftQuality;
    font.lfPitchAndFamily =
        QFontDatabase::isFixedPitch(family, style) ? FIXED_PITCH : VARIABLE_PITCH;
    CopyName(font.lfFaceName, LF_FACESIZE, faceName);
    return font;
}

}  // namespace

bool CKEQtFontEnumerator::available() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

void CKEQtFontEnumerator::enumFamilies(KEFamilyProc proc, LPARAM record) {
    if (!available() || proc == nullptr) {
        return;
    }
    const TEXTMETRICA metric{};
    for (const QString& family : QFontDatabase::families()) {
        const std::optional<std::string> name = kecp::ToAnsi(family, LF_FACESIZE - 1);
        if (!name || name->empty()) {
            continue;
        }
        const LOGFONTA font = MakeLogFont(family, *name, QString());
        if (proc(&font, &metric, FontType(family), record) == 0) {
            return;
        }
    }
}

void CKEQtFontEnumerator::enumStyles(const char* faceName, KEStyleProc proc, LPARAM record) {
    if (!available() || proc == nullptr || faceName == nullptr) {
        return;
    }
    const QString family = kecp::FromAnsi(faceName, LF_FACESIZE);
    if (!QFontDatabase::families().contains(family)) {
        return;
    }
    const NEWTEXTMETRICA metric{};
    const int type = FontType(family);
    for (const QString& style : QFontDatabase::styles(family)) {
        ENUMLOGFONTA entry{};
        entry.elfLogFont = MakeLogFont(family, faceName, style);
        const QString full = style == QLatin1String("Regular") ? family : family + u' ' + style;
        const std::optional<std::string> fullName = kecp::ToAnsi(full, LF_FULLFACESIZE - 1);
        const std::optional<std::string> styleName = kecp::ToAnsi(style, LF_FACESIZE - 1);
        CopyName(entry.elfFullName, LF_FULLFACESIZE, fullName.value_or(faceName));
        CopyName(entry.elfStyle, LF_FACESIZE, styleName.value_or(std::string()));
        if (proc(&entry, &metric, type, record) == 0) {
            return;
        }
    }
}
