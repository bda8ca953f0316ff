#include "editctl/window/KEKeyText.h"

#include "editctl/window/CKEKeyState.h"

std::u16string KEKeyText(WPARAM virtualKey, const CKEKeyState& keys) {
    const bool shift = keys.get(VK_SHIFT) < 0;
    const bool control = keys.get(VK_CONTROL) < 0;
    const bool capsLock = (keys.get(VK_CAPITAL) & 1) != 0;
    if (virtualKey >= 'A' && virtualKey <= 'Z') {
        const auto offset = static_cast<char16_t>(virtualKey - 'A');
        if (control) {
            return std::u16string(1, static_cast<char16_t>(1 + offset));
        }
        return std::u16string(1, static_cast<char16_t>((shift != capsLock ? u'A' : u'a') + offset));
    }
    if (control) {
        return {};
    }
    if (virtualKey >= '0' && virtualKey <= '9') {
        static constexpr char16_t kShifted[] = u")!@#$%^&*(";
        const auto digit = static_cast<std::size_t>(virtualKey - '0');
        return std::u16string(1, shift ? kShifted[digit] : static_cast<char16_t>(u'0' + digit));
    }
    switch (virtualKey) {
        case VK_SPACE:
            return u" ";
        case VK_RETURN:
            return u"\r";
        case VK_BACK:
            return u"\b";
        case VK_TAB:
            return u"\t";
        case VK_ESCAPE:
            return u"\x1b";
        default:
            return {};
    }
}
