#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The control's ANSI code page, CP932, as the window messages use it: lead bytes, the
// printable test of typed codes, and conversion both ways.
namespace keansi {

bool IsLeadByte(std::uint8_t byte);
// True for a printable single-byte character, a single-byte katakana, or a double-byte code
// (lead byte high) that the code page maps to a printable character; lone lead bytes and
// control codes are not printable.
bool IsPrintable(std::uint32_t code);
// The UTF-16 character of a one- or two-byte code (high byte first), if it maps to one.
std::optional<char16_t> DecodeChar(std::uint32_t code);
// CP932 bytes to UTF-16; bytes that map to nothing become U+30FB.
std::u16string ToUtf16(std::string_view ansi);
// UTF-16 to CP932; a character the code page cannot hold becomes the default character '?'
// and sets `usedDefault`.
std::string FromUtf16(std::u16string_view text, bool* usedDefault = nullptr);

}  // namespace keansi
