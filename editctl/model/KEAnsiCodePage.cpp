#include "editctl/model/KEAnsiCodePage.h"

#include <utility>

#include "text/ShiftJis.h"

namespace keansi {

bool IsLeadByte(std::uint8_t byte) { return sjis::IsLeadByte(byte); }

std::optional<char16_t> DecodeChar(std::uint32_t code) {
    if (code > 0xFFFF) {
        return std::nullopt;
    }
    std::string bytes;
    if (code > 0xFF) {
        bytes.push_back(static_cast<char>(code >> 8));
    }
    bytes.push_back(static_cast<char>(code & 0xFF));
    const std::u16string wide = sjis::ToUtf16(bytes);
    if (wide.size() != 1 || wide[0] == u'\uFFFD') {
        return std::nullopt;
    }
    return wide[0];
}

bool IsPrintable(std::uint32_t code) {
    if (code <= 0xFF) {
        // ASCII graphics and space, and the single-byte katakana.
        return (code >= 0x20 && code <= 0x7E) || (code >= 0xA1 && code <= 0xDF);
    }
    if (code > 0xFFFF || !IsLeadByte(static_cast<std::uint8_t>(code >> 8))) {
        return false;
    }
    const std::optional<char16_t> ch = DecodeChar(code);
    // Unassigned codes map to nothing; the private-use area and controls are not printable.
    return ch && *ch >= 0x20 && !(*ch >= 0xE000 && *ch <= 0xF8FF);
}

std::u16string ToUtf16(std::string_view ansi) { return sjis::ToUtf16(ansi); }

std::string FromUtf16(std::u16string_view text, bool* usedDefault) {
    if (std::optional<std::string> whole = sjis::FromUtf16(text)) {
        if (usedDefault != nullptr) {
            *usedDefault = false;
        }
        return *std::move(whole);
    }
    std::string out;
    out.reserve(text.size() * 2);
    bool defaulted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::size_t len = 1;
        // Only a high surrogate that a low one follows is one character with it; a lone one
        // is a character of its own, so the unit after it is never swallowed.
        if (text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() &&
            text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            len = 2;
        }
        const std::optional<std::string> bytes = sjis::FromUtf16(text.substr(i, len));
        if (bytes && !bytes->empty()) {
            out += *bytes;
        } else {
            out.push_back('?');
            defaulted = true;
        }
        i += len - 1;
    }
    if (usedDefault != nullptr) {
        *usedDefault = defaulted;
    }
    return out;
}

}  // namespace keansi
