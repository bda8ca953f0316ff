#pragma once

#include <string>
#include <string_view>

// The control's ANSI code page (CP932) as the clipboard and the narrow-platform rule use it:
// conversions that never fail, in the manner of WideCharToMultiByte and MultiByteToWideChar.
namespace keansi {

// The byte written for a character that CP932 cannot hold (the code page's default char).
constexpr char kDefaultChar = '?';

// `text` in CP932; each character that CP932 cannot hold, and each unpaired surrogate,
// becomes kDefaultChar. `usedDefault`, if given, tells whether that happened.
std::string FromUtf16(std::u16string_view text, bool* usedDefault = nullptr);

// `bytes` (CP932) as UTF-16; a byte sequence that does not decode becomes U+FFFD.
std::u16string ToUtf16(std::string_view bytes);

// True if the character (a BMP unit or a surrogate pair) converts to CP932 without the
// default character.
bool IsRepresentable(std::u16string_view character);

}  // namespace keansi
