#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Shift-JIS (code page 932) text: the encoding of every name and every byte that goes to
// the printer or into a logo data file. Shift-JIS strings are std::string of CP932 bytes.
//
// Conversions towards Shift-JIS are strict: a character that CP932 cannot hold makes the
// whole conversion fail (std::nullopt), so that a name is never changed silently; callers
// report the failure. Conversions from Shift-JIS never fail: an invalid or truncated byte
// sequence becomes U+FFFD, so whatever a printer or a file holds can always be shown.
namespace sjis {

// True for a byte that starts a double-byte character (0x81-0x9F, 0xE0-0xFC).
bool IsLeadByte(unsigned char byte);

// The longest prefix of `text` of at most `maxBytes` bytes that does not split a
// double-byte character.
std::string CutToBytes(std::string_view text, std::size_t maxBytes);

std::string ToUtf8(std::string_view sjisText);
std::u16string ToUtf16(std::string_view sjisText);

std::optional<std::string> FromUtf8(std::string_view utf8Text);
std::optional<std::string> FromUtf16(std::u16string_view utf16Text);
// For names taken from elsewhere (file names): each character that CP932 cannot hold, and
// each invalid UTF-8 byte, becomes '?'.
std::string FromUtf8Lossy(std::string_view utf8Text);

// UTF-8 <-> UTF-16 for the edit control's boundary; invalid input becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8Text);
std::string Utf16ToUtf8(std::u16string_view utf16Text);

}  // namespace sjis
