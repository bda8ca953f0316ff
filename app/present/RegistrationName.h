#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A registration name as the operator types it (UTF-8): the record holds at most
// kMaxNameBytes bytes of Shift-JIS. A character that Shift-JIS cannot hold counts as the
// one byte of its stand-in, so that it can be typed and then explained.
std::size_t RegistrationNameBytes(std::string_view utf8);
// True when the name fits the record and holds no control character.
bool FitsRegistrationName(std::string_view utf8);
// What of `inserted` goes between `head` and `tail` (a name that fits, UTF-8): its longest
// run of whole characters from the start with which the name still fits, as an edit
// control with a limit inserts a paste.
std::string_view FittingInsertion(std::string_view head, std::string_view inserted,
                                  std::string_view tail);
// True when every character has a Shift-JIS form.
bool IsShiftJisName(std::string_view utf8);
