#pragma once

#include <string>
#include <string_view>

// Control characters in names: a name with one is refused where it is entered, and
// whatever a printer or a file sends is printed with them made visible, so that no text
// from outside can drive the operator's terminal.
namespace text {

// True when the UTF-8 text holds a C0 control (U+0000..U+001F), DEL or a C1 control
// (U+0080..U+009F).
bool HasControlCharacter(std::string_view utf8);
// The UTF-8 text with each such character written as \xHH (C0, DEL) or \u00HH (C1); every
// other byte, invalid ones included, as it is.
std::string EscapeControlCharacters(std::string_view utf8);

}  // namespace text
