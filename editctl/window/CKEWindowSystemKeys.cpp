// The window system's keyboard input: key events queued as Win32 queues input, and
// TranslateMessage making the typed characters.
#include "editctl/model/KEAnsiCodePage.h"
#include "editctl/window/CKEWindowSystem.h"
#include "editctl/window/IKEClock.h"
#include "editctl/window/KEKeyText.h"

namespace {

bool SameMessage(const MSG& a, const MSG& b) {
    return a.hwnd == b.hwnd && a.message == b.message && a.wParam == b.wParam &&
           a.lParam == b.lParam && a.time == b.time;
}

}  // namespace

void CKEWindowSystem::postKeyInput(HWND hwnd, UINT message, WPARAM virtualKey, LPARAM lParam,
                                   std::u16string text) {
    if (window(hwnd) == nullptr) {
        return;
    }
    const MSG msg{hwnd,
                  message,
                  virtualKey,
                  lParam,
                  static_cast<DWORD>(m_platform.clock().nowMs()),
                  m_platform.cursorPos()};
    m_input.post(msg, std::move(text));
    m_platform.wake();
}

bool CKEWindowSystem::translateMessage(const MSG& msg) {
    const bool down = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
    if (!down) {
        return msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP;
    }
    if (window(msg.hwnd) == nullptr) {
        return false;
    }
    // A key from the toolkit types what the toolkit said (nothing, for a key without text);
    // any other key down types what the default layout gives it.
    const std::u16string text =
        SameMessage(m_lastKey.msg, msg) ? m_lastKey.text : KEKeyText(msg.wParam, m_keys);
    if (text.empty()) {
        return true;
    }
    bool lost = false;
    const std::string bytes = keansi::FromUtf16(text, &lost);
    if (lost) {
        // A character outside the code page: the input method's path takes such text.
        m_platform.beep(MB_OK);
        return true;
    }
    const UINT charMessage = msg.message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
    for (unsigned char byte : bytes) {
        postMessage(msg.hwnd, charMessage, byte, msg.lParam);
    }
    return true;
}
