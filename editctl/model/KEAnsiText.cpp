#include "editctl/model/KEAnsiText.h"

#include "text/ShiftJis.h"

namespace keansi {
namespace {

bool IsHighSurrogate(char16_t ch) { return ch >= 0xD800 && ch <= 0xDBFF; }
bool IsLowSurrogate(char16_t ch) { return ch >= 0xDC00 && ch <= 0xDFFF; }

// The length of the character that starts at `i`: 2 for a surrogate pair, else 1.
std::size_t CharLength(std::u16string_view text, std::size_t i) {
    return IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]) ? 2 : 1;
}

}  // namespace

bool IsRepresentable(std::u16string_view character) {
    if (character.empty()) {
        return true;
    }
    if (IsHighSurrogate(character[0]) || IsLowSurrogate(character[0])) {
        return false;  // CP932 holds nothing outside the BMP, and no lone surrogate
    }
    return sjis::FromUtf16(character).has_value();
}

std::string FromUtf16(std::u16string_view text, bool* usedDefault) {
    if (usedDefault != nullptr) {
        *usedDefault = false;
    }
    if (auto whole = sjis::FromUtf16(text)) {
        return *whole;
    }
    std::string out;
    out.reserve(text.size() * 2);
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = CharLength(text, i);
        const std::u16string_view character = text.substr(i, length);
        const bool surrogate = IsHighSurrogate(character[0]) || IsLowSurrogate(character[0]);
        const std::optional<std::string> bytes =
            surrogate ? std::nullopt : sjis::FromUtf16(character);
        if (bytes) {
            out += *bytes;
        } else {
            out += kDefaultChar;
            if (usedDefault != nullptr) {
                *usedDefault = true;
            }
        }
        i += length;
    }
    return out;
}

std::u16string ToUtf16(std::string_view bytes) { return sjis::ToUtf16(bytes); }

}  // namespace keansi
