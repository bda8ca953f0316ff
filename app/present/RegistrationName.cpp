#include "app/present/RegistrationName.h"

#include "items/CFontPT.h"
#include "text/ShiftJis.h"

std::size_t RegistrationNameBytes(std::string_view utf8) {
    return sjis::FromUtf8Lossy(utf8).size();
}

bool FitsRegistrationName(std::string_view utf8) {
    return RegistrationNameBytes(utf8) <= static_cast<std::size_t>(kMaxNameBytes);
}

bool IsShiftJisName(std::string_view utf8) { return sjis::FromUtf8(utf8).has_value(); }
