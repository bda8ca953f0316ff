#include "editctl/window/CKEKeyState.h"

namespace {

constexpr std::uint8_t kDown = 0x80;
constexpr std::uint8_t kToggled = 0x01;

}  // namespace

void CKEKeyState::setDown(int virtualKey, bool down) {
    if (virtualKey <= 0 || virtualKey > 0xFF) {
        return;
    }
    std::uint8_t& key = m_keys[static_cast<std::size_t>(virtualKey)];
    if (down && (key & kDown) == 0) {
        key ^= kToggled;
    }
    key = static_cast<std::uint8_t>(down ? (key | kDown) : (key & ~kDown));
}

void CKEKeyState::onMessage(UINT message, WPARAM wParam) {
    const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
    if (!down && message != WM_KEYUP && message != WM_SYSKEYUP) {
        return;
    }
    const int key = static_cast<int>(wParam & 0xFF);
    setDown(key, down);
    // The left and right forms of Shift, Ctrl and Alt move the generic key too, and back.
    switch (key) {
        case VK_LSHIFT:
        case VK_RSHIFT:
            setDown(VK_SHIFT, down);
            break;
        case VK_LCONTROL:
        case VK_RCONTROL:
            setDown(VK_CONTROL, down);
            break;
        case VK_LMENU:
        case VK_RMENU:
            setDown(VK_MENU, down);
            break;
        default:
            break;
    }
}

short CKEKeyState::get(int virtualKey) const {
    if (virtualKey <= 0 || virtualKey > 0xFF) {
        return 0;
    }
    const std::uint8_t key = m_keys[static_cast<std::size_t>(virtualKey)];
    return static_cast<short>(((key & kDown) != 0 ? 0x8000 : 0) | (key & kToggled));
}

void CKEKeyState::clear() { m_keys.fill(0); }

void CKEKeyState::syncModifiers(bool shift, bool control, bool alt) {
    const auto sync = [this](int generic, int left, int right, bool down) {
        if (((get(generic) & 0x8000) != 0) != down) {
            setDown(generic, down);
        }
        if (!down) {
            setDown(left, false);
            setDown(right, false);
        }
    };
    sync(VK_SHIFT, VK_LSHIFT, VK_RSHIFT, shift);
    sync(VK_CONTROL, VK_LCONTROL, VK_RCONTROL, control);
    sync(VK_MENU, VK_LMENU, VK_RMENU, alt);
}

void CKEKeyState::syncButtons(bool left, bool right, bool middle) {
    setDown(VK_LBUTTON, left);
    setDown(VK_RBUTTON, right);
    setDown(VK_MBUTTON, middle);
}
