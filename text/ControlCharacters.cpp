#include "text/ControlCharacters.h"

#include <cstdio>

namespace text {

namespace {

bool IsC0(unsigned char byte) { return byte < 0x20 || byte == 0x7F; }

// C1 controls are U+0080..U+009F: 0xC2 followed by 0x80..0x9F in UTF-8.
bool IsC1At(std::string_view utf8, std::size_t i) {
    return static_cast<unsigned char>(utf8[i]) == 0xC2 && i + 1 < utf8.size() &&
           static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
           static_cast<unsigned char>(utf8[i + 1]) <= 0x9F;
}

}  // namespace

bool HasControlCharacter(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (IsC0(static_cast<unsigned char>(utf8[i])) || IsC1At(utf8, i)) return true;
    }
    return false;
}

std::string EscapeControlCharacters(std::string_view utf8) {
    std::string escaped;
    escaped.reserve(utf8.size());
    char code[8];
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (IsC0(byte)) {
            std::snprintf(code, sizeof code, "\\x%02X", byte);
            escaped += code;
        } else if (IsC1At(utf8, i)) {
            std::snprintf(code, sizeof code, "\\u%04X", static_cast<unsigned char>(utf8[i + 1]));
            escaped += code;
            ++i;
        } else {
            escaped += utf8[i];
        }
    }
    return escaped;
}

}  // namespace text
