#include "text/ShiftJis.h"

#include "text/IconvConverter.h"

namespace sjis {
namespace {

// U+FFFD in the target encodings of the lenient directions.
const std::string kReplacementUtf8 = "\xEF\xBF\xBD";
const std::string kReplacementUtf16 = std::string("\xFD\xFF", 2);  // little-endian

std::u16string BytesToU16(const std::string& bytes) {
    std::u16string out(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                       (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    }
    return out;
}

std::string U16ToBytes(std::u16string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char16_t c : text) {
        out += static_cast<char>(c & 0xFF);
        out += static_cast<char>(c >> 8);
    }
    return out;
}

}  // namespace

bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::string CutToBytes(std::string_view text, std::size_t maxBytes) {
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t width =
            IsLeadByte(static_cast<unsigned char>(text[end])) && end + 1 < text.size() ? 2 : 1;
        if (end + width > maxBytes) break;
        end += width;
    }
    return std::string(text.substr(0, end));
}

std::string ToUtf8(std::string_view sjisText) {
    thread_local CIconvConverter converter("UTF-8", "CP932", kReplacementUtf8, true);
    return *converter.Convert(sjisText);
}

std::u16string ToUtf16(std::string_view sjisText) {
    thread_local CIconvConverter converter("UTF-16LE", "CP932", kReplacementUtf16, true);
    return BytesToU16(*converter.Convert(sjisText));
}

std::optional<std::string> FromUtf8(std::string_view utf8Text) {
    thread_local CIconvConverter converter("CP932", "UTF-8", "", false);
    return converter.Convert(utf8Text);
}

std::optional<std::string> FromUtf16(std::u16string_view utf16Text) {
    thread_local CIconvConverter converter("CP932", "UTF-16LE", "", false);
    return converter.Convert(U16ToBytes(utf16Text));
}

std::string FromUtf8Lossy(std::string_view utf8Text) {
    if (auto whole = FromUtf8(utf8Text)) return *whole;
    std::string out;
    std::size_t i = 0;
    while (i < utf8Text.size()) {
        const auto lead = static_cast<unsigned char>(utf8Text[i]);
        std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        bool wellFormed = lead < 0x80 || (lead >= 0xC2 && lead <= 0xF4);
        for (std::size_t k = 1; wellFormed && k < length; ++k) {
            wellFormed = i + k < utf8Text.size() &&
                         (static_cast<unsigned char>(utf8Text[i + k]) & 0xC0) == 0x80;
        }
        if (!wellFormed) length = 1;  // an invalid byte: resynchronise on the next one
        const auto converted = wellFormed ? FromUtf8(utf8Text.substr(i, length)) : std::nullopt;
        out += converted ? *converted : "?";
        i += length;
    }
    return out;
}

std::u16string Utf8ToUtf16(std::string_view utf8Text) {
    thread_local CIconvConverter converter("UTF-16LE", "UTF-8", kReplacementUtf16, true);
    return BytesToU16(*converter.Convert(utf8Text));
}

std::string Utf16ToUtf8(std::u16string_view utf16Text) {
    thread_local CIconvConverter converter("UTF-8", "UTF-16LE", kReplacementUtf8, true);
    return *converter.Convert(U16ToBytes(utf16Text));
}

}  // namespace sjis
