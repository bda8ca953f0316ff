#include "app/present/RegistrationName.h"

#include "items/CFontPT.h"
#include "text/ControlCharacters.h"
#include "text/ShiftJis.h"

std::size_t RegistrationNameBytes(std::string_view utf8) {
    return sjis::FromUtf8Lossy(utf8).size();
}

bool FitsRegistrationName(std::string_view utf8) {
    // A control character would not come back from the printer as typed (a NUL ends the
    // name there) and would reach every terminal that lists it.
    return !text::HasControlCharacter(utf8) &&
           RegistrationNameBytes(utf8) <= static_cast<std::size_t>(kMaxNameBytes);
}

bool IsShiftJisName(std::string_view utf8) { return sjis::FromUtf8(utf8).has_value(); }
