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

std::string_view FittingInsertion(std::string_view head, std::string_view inserted,
                                  std::string_view tail) {
    // Adding characters never makes a name fit again, so the run ends at the first
    // character that does not fit.
    std::size_t kept = 0;
    std::string name(head);
    while (kept < inserted.size()) {
        std::size_t next = kept + 1;
        while (next < inserted.size() &&
               (static_cast<unsigned char>(inserted[next]) & 0xC0) == 0x80) {
            ++next;
        }
        name.append(inserted.substr(kept, next - kept));
        if (!FitsRegistrationName(name + std::string(tail))) break;
        kept = next;
    }
    return inserted.substr(0, kept);
}

bool IsShiftJisName(std::string_view utf8) { return sjis::FromUtf8(utf8).has_value(); }
