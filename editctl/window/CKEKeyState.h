#pragma once

#include <array>
#include <cstdint>

#include "editctl/model/WextlWin32.h"

// The key state that GetKeyState reads: kept from the key messages that reach the library's
// windows, as Win32 keeps it from the message queue. Bit 15 is "down", bit 0 the toggle.
class CKEKeyState {
  public:
    // Follows WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN and WM_SYSKEYUP; other messages are ignored.
    void onMessage(UINT message, WPARAM wParam);
    short get(int virtualKey) const;
    // Mouse buttons are kept by the window system as their messages pass.
    void setDown(int virtualKey, bool down);
    void clear();
    // What the real keyboard and mouse say is held, at every toolkit event: a release that
    // never reached the library (taken by the window manager) leaves nothing stuck.
    void syncModifiers(bool shift, bool control, bool alt);
    void syncButtons(bool left, bool right, bool middle);

  private:
    std::array<std::uint8_t, 256> m_keys{};
};
