#include "editctl/model/KEClipboardText.h"

#include <algorithm>
#include <cstring>

#include "editctl/model/KEAnsiCodePage.h"

namespace keclip {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char16_t ch) { return ch >= 0xD800 && ch <= 0xDBFF; }
bool IsLowSurrogate(char16_t ch) { return ch >= 0xDC00 && ch <= 0xDFFF; }

}  // namespace

std::u16string FromUnicodeBlock(const void* data, std::size_t bytes) {
    std::u16string text;
    if (data == nullptr) {
        return text;
    }
    const auto* raw = static_cast<const unsigned char*>(data);
    const std::size_t units = std::min(bytes / 2, kMaxPasteUnits);
    text.reserve(units);
    for (std::size_t i = 0; i < units; ++i) {
        char16_t unit = 0;
        std::memcpy(&unit, raw + 2 * i, sizeof unit);  // the block need not be aligned
        if (unit == 0) {
            break;
        }
        text += unit;
    }
    // Surrogates stand only in pairs in stored text.
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            ++i;
        } else if (IsHighSurrogate(text[i]) || IsLowSurrogate(text[i])) {
            text[i] = kReplacement;
        }
    }
    return text;
}

std::u16string FromAnsiBlock(const void* data, std::size_t bytes) {
    if (data == nullptr) {
        return std::u16string();
    }
    // A CP932 character has at most two bytes: twice the unit cap is enough to exceed it.
    const auto* raw = static_cast<const char*>(data);
    const std::size_t scan = std::min(bytes, 2 * kMaxPasteUnits);
    const void* nul = std::memchr(raw, 0, scan);
    const std::size_t length =
        nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - raw) : scan;
    std::u16string text = keansi::ToUtf16(std::string_view(raw, length));
    if (text.size() > kMaxPasteUnits) {
        text.resize(kMaxPasteUnits);
    }
    return text;
}

std::vector<std::byte> UnicodeBlock(std::u16string_view text) {
    std::vector<std::byte> block(text.size() * 2 + 2);
    std::memcpy(block.data(), text.data(), text.size() * 2);
    return block;
}

std::vector<std::byte> AnsiBlock(std::u16string_view text) {
    std::vector<std::byte> block(text.size() * 2 + 2);
    const std::string ansi = keansi::FromUtf16(text);
    // Each UTF-16 unit gives at most two bytes, so the text and its 0 always fit.
    std::memcpy(block.data(), ansi.data(), std::min(ansi.size(), block.size() - 1));
    return block;
}

}  // namespace keclip
