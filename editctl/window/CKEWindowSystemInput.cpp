// The window system's input: focus, capture, the caret and the input method.
#include <algorithm>

#include "editctl/window/CKEWindowSystem.h"
#include "editctl/window/KEWindowExtent.h"

HWND CKEWindowSystem::setFocus(HWND hwnd) {
    const CKEWindow* target = window(hwnd);
    if (hwnd != nullptr && (target == nullptr || (target->style & WS_DISABLED) != 0)) {
        return nullptr;  // a dead or disabled window takes no focus
    }
    const HWND previous = m_focus;
    if (previous == hwnd) {
        return previous;
    }
    m_focus = hwnd;
    if (window(previous) != nullptr) {
        sendMessage(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    }
    // The old window may have moved the focus on while it lost it.
    if (m_focus != hwnd) {
        return previous;
    }
    if (CKEWindow* w = window(hwnd)) {
        if (w->peer) {
            w->peer->setFocus();
        }
        sendMessage(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    }
    return previous;
}

void CKEWindowSystem::peerFocusChanged(HWND hwnd, bool focused) {
    if (window(hwnd) == nullptr) {
        return;
    }
    if (focused && m_focus != hwnd) {
        setFocus(hwnd);
    } else if (!focused && m_focus == hwnd) {
        setFocus(nullptr);
    }
}

HWND CKEWindowSystem::setCapture(HWND hwnd) {
    if (window(hwnd) == nullptr) {
        return nullptr;
    }
    const HWND previous = m_capture;
    if (previous == hwnd) {
        return previous;
    }
    m_capture = hwnd;
    if (CKEWindow* old = window(previous)) {
        if (old->peer) {
            old->peer->setCapture(false);
        }
        sendMessage(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    }
    if (CKEWindow* w = window(hwnd); w != nullptr && w->peer) {
        w->peer->setCapture(true);
    }
    return previous;
}

bool CKEWindowSystem::releaseCapture() {
    const HWND previous = m_capture;
    m_capture = nullptr;
    if (CKEWindow* old = window(previous)) {
        if (old->peer) {
            old->peer->setCapture(false);
        }
        sendMessage(previous, WM_CAPTURECHANGED, 0, 0);
    }
    return true;
}

HCURSOR CKEWindowSystem::setCursor(HCURSOR cursor) {
    const HCURSOR previous = m_cursor;
    m_cursor = cursor;
    // The toolkit keeps a cursor per window: the one under the mouse (or holding it) shows it.
    const HWND target = m_capture != nullptr ? m_capture : m_cursorWindow;
    if (CKEWindow* w = window(target); w != nullptr && w->peer) {
        w->peer->setCursor(KECursorId(reinterpret_cast<const char*>(cursor)));
    }
    return previous;
}

bool CKEWindowSystem::createCaret(HWND hwnd, int width, int height) {
    CKEWindow* w = window(hwnd);
    if (w == nullptr) {
        return false;
    }
    destroyCaret();
    m_caret = CKECaret{hwnd, std::max(width, 1), std::max(height, 0), {0, 0}, 1};
    if (w->peer) {
        w->peer->createCaret(m_caret.width, m_caret.height);
    }
    return true;
}

bool CKEWindowSystem::destroyCaret() {
    CKEWindow* owner = window(m_caret.owner);
    const bool had = m_caret.owner != nullptr;
    if (owner != nullptr && owner->peer) {
        owner->peer->destroyCaret();
    }
    m_caret = CKECaret{};
    return had;
}

bool CKEWindowSystem::setCaretPos(int x, int y) {
    CKEWindow* owner = window(m_caret.owner);
    if (owner == nullptr) {
        return false;
    }
    m_caret.pos = POINT{x, y};
    if (owner->peer) {
        owner->peer->setCaretPos(m_caret.pos);
    }
    return true;
}

bool CKEWindowSystem::getCaretPos(POINT& pos) const {
    if (window(m_caret.owner) == nullptr) {
        return false;
    }
    pos = m_caret.pos;
    return true;
}

bool CKEWindowSystem::showCaret(HWND hwnd) {
    CKEWindow* owner = window(m_caret.owner);
    if (owner == nullptr || (hwnd != nullptr && hwnd != m_caret.owner) || m_caret.hideCount == 0) {
        return false;
    }
    if (--m_caret.hideCount == 0 && owner->peer) {
        owner->peer->setCaretVisible(true);
    }
    return true;
}

bool CKEWindowSystem::hideCaret(HWND hwnd) {
    CKEWindow* owner = window(m_caret.owner);
    if (owner == nullptr || (hwnd != nullptr && hwnd != m_caret.owner)) {
        return false;
    }
    if (m_caret.hideCount++ == 0 && owner->peer) {
        owner->peer->setCaretVisible(false);
    }
    return true;
}

CKEInputContext* CKEWindowSystem::inputContext(HWND hwnd) const {
    CKEWindow* w = window(hwnd);
    return w != nullptr ? &w->inputContext : nullptr;
}

bool CKEWindowSystem::commitComposition(HWND hwnd, std::u16string_view text) {
    CKEWindow* w = window(hwnd);
    if (w == nullptr) {
        return false;
    }
    w->inputContext.result.assign(text);
    sendMessage(hwnd, WM_IME_COMPOSITION, 0, GCS_RESULTSTR);
    if (CKEWindow* alive = window(hwnd)) {
        alive->inputContext.result.clear();
    }
    return true;
}
