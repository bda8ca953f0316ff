#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The two text formats of the clipboard: CF_UNICODETEXT (0-terminated UTF-16) and CF_TEXT
// (0-terminated CP932). Data read from the clipboard comes from other programs and is taken
// as untrusted: it may lack its terminator, hold NULs, bytes that do not decode or unpaired
// surrogates, and be of any size.
namespace keclip {

// More characters than any text may hold: longer clipboard text is refused by the limit
// anyway, so reading stops here instead of converting megabytes for nothing.
constexpr std::size_t kMaxPasteUnits = 65521;

// The text of a CF_UNICODETEXT block of `bytes` bytes: up to its first 0 unit (or the end of
// the block; an odd last byte is dropped), at most kMaxPasteUnits units; an unpaired
// surrogate becomes U+FFFD.
std::u16string FromUnicodeBlock(const void* data, std::size_t bytes);

// The text of a CF_TEXT block: its bytes up to the first 0 (or the end) decoded from CP932,
// at most kMaxPasteUnits units; what does not decode becomes U+FFFD.
std::u16string FromAnsiBlock(const void* data, std::size_t bytes);

// The blocks that cut and copy place: count × 2 + 2 bytes each, 0-terminated; CF_TEXT holds
// the CP932 form (unconvertible characters as the default character) in a zeroed block of
// the same size.
std::vector<std::byte> UnicodeBlock(std::u16string_view text);
std::vector<std::byte> AnsiBlock(std::u16string_view text);

}  // namespace keclip
