#include "editctl/qt/KECodePage.h"

#include <cstring>

#include "text/ShiftJis.h"

namespace kecp {

std::optional<std::string> ToAnsi(const QString& text, std::size_t maxBytes) {
    std::optional<std::string> ansi = sjis::FromUtf16(text.toStdU16String());
    if (!ansi || ansi->size() > maxBytes) {
        return std::nullopt;
    }
    return ansi;
}

QString FromAnsi(const char* text, std::size_t maxBytes) {
    if (text == nullptr) {
        return QString();
    }
    const std::u16string wide = sjis::ToUtf16(std::string_view(text, strnlen(text, maxBytes)));
    return QString::fromStdU16String(wide);
}

}  // namespace kecp
