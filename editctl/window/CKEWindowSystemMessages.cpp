// The window system's messages: send, post, the queue, timers and the default procedure.
#include <algorithm>
#include <cstring>

#include "editctl/window/CKEWindowSystem.h"
#include "editctl/window/IKEClock.h"
#include "editctl/window/KEMouseKeyState.h"

namespace {

bool IsKeyMessage(UINT message) {
    return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN ||
           message == WM_SYSKEYUP;
}

}  // namespace

LRESULT CKEWindowSystem::callProc(CKEWindow& w, UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsKeyMessage(message)) {
        m_keys.onMessage(message, wParam);
    }
    KEFollowMouseButtons(m_keys, message);
    if (message == WM_SETCURSOR) {
        m_cursorWindow = reinterpret_cast<HWND>(wParam);
    }
    WNDPROC proc = w.proc;
    if (proc == nullptr) {
        return 0;
    }
    // The procedure may destroy any window, its own included: its record stays until the
    // outermost dispatch for it has returned.
    ++w.lockCount;
    struct Unlock {
        CKEWindowSystem& system;
        CKEWindow& window;
        ~Unlock() { system.unlock(window); }
    } unlock{*this, w};
    return proc(w.hwnd, message, wParam, lParam);
}

LRESULT CKEWindowSystem::sendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CKEWindow* w = window(hwnd);
    if (w == nullptr) {
        return 0;
    }
    return callProc(*w, message, wParam, lParam);
}

bool CKEWindowSystem::postMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (hwnd != nullptr && window(hwnd) == nullptr) {
        return false;
    }
    MSG msg{hwnd,
            message,
            wParam,
            lParam,
            static_cast<DWORD>(m_platform.clock().nowMs()),
            m_platform.cursorPos()};
    m_queue.post(msg);
    m_platform.wake();
    return true;
}

void CKEWindowSystem::postQuitMessage(int exitCode) {
    m_queue.postQuit(exitCode);
    m_platform.wake();
}

class CKEWindowSystem::HostLoop {
  public:
    explicit HostLoop(CKEWindowSystem& system) : m_system(system) { ++m_system.m_hostLoops; }
    HostLoop(const HostLoop&) = delete;
    HostLoop& operator=(const HostLoop&) = delete;
    // What the host's loop left is the library's loop's once the host's has returned.
    ~HostLoop() {
        if (--m_system.m_hostLoops == 0 &&
            (!m_system.m_queue.empty() || !m_system.m_input.empty() ||
             m_system.m_timers.nextDue().has_value())) {
            m_system.m_platform.wake();
        }
    }

  private:
    CKEWindowSystem& m_system;
};

bool CKEWindowSystem::takeInput(MSG& msg, HWND hwnd, UINT first, UINT last, bool remove) {
    std::optional<CKEQueuedMessage> input = m_input.peek(hwnd, first, last, remove);
    if (!input) {
        return false;
    }
    msg = input->msg;
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
        m_lastKey = std::move(*input);
    }
    return true;
}

bool CKEWindowSystem::takeNextMessage(MSG& msg, HWND hwnd, UINT first, UINT last, bool remove,
                                      bool quit) {
    // Win32's order: posted messages, the quit request, input, timers.
    if (std::optional<CKEQueuedMessage> posted = m_queue.peek(hwnd, first, last, remove)) {
        msg = posted->msg;
        return true;
    }
    if (quit && m_queue.quitPosted()) {
        msg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(m_queue.exitCode()), 0, 0, {0, 0}};
        if (remove) {
            m_queue.clearQuit();
        }
        return true;
    }
    if (takeInput(msg, hwnd, first, last, remove)) {
        return true;
    }
    const bool timerWanted = (first == 0 && last == 0) || (first <= WM_TIMER && WM_TIMER <= last);
    return timerWanted && takeTimer(msg, hwnd, remove);
}

bool CKEWindowSystem::takeTimer(MSG& msg, HWND hwnd, bool remove) {
    const std::uint64_t now = m_platform.clock().nowMs();
    // Timers keep to the window filter, and a peek without PM_REMOVE leaves them due.
    std::optional<CKETimerList::Due> due = m_timers.takeDue(now, hwnd, remove);
    if (!due) {
        return false;
    }
    msg = MSG{due->hwnd,
              WM_TIMER,
              due->id,
              reinterpret_cast<LPARAM>(due->proc),
              static_cast<DWORD>(now),
              m_platform.cursorPos()};
    return true;
}

bool CKEWindowSystem::peekMessage(MSG& msg, HWND hwnd, UINT first, UINT last, UINT removeFlags) {
    HostLoop running(*this);
    m_platform.processEvents(0);
    return takeNextMessage(msg, hwnd, first, last, (removeFlags & PM_REMOVE) != 0);
}

int CKEWindowSystem::getMessage(MSG& msg, HWND hwnd, UINT first, UINT last) {
    if (hwnd != nullptr && window(hwnd) == nullptr) {
        return -1;
    }
    HostLoop running(*this);
    for (;;) {
        m_platform.processEvents(0);
        if (takeNextMessage(msg, hwnd, first, last, true)) {
            return msg.message == WM_QUIT ? 0 : 1;
        }
        int wait = 100;
        if (std::optional<std::uint64_t> next = m_timers.nextDue()) {
            const std::uint64_t now = m_platform.clock().nowMs();
            wait = *next <= now ? 0 : static_cast<int>(std::min<std::uint64_t>(*next - now, 100));
        }
        m_platform.processEvents(wait);
    }
}

LRESULT CKEWindowSystem::dispatchMessage(const MSG& msg) {
    if (msg.message == WM_TIMER && msg.lParam != 0) {
        auto callback = reinterpret_cast<TIMERPROC>(msg.lParam);
        if (msg.hwnd == nullptr || window(msg.hwnd) != nullptr) {
            callback(msg.hwnd, WM_TIMER, msg.wParam, msg.time);
        }
        return 0;
    }
    return sendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
}

int CKEWindowSystem::pumpMessages(int timeoutMs) {
    HostLoop running(*this);
    IKEClock& clock = m_platform.clock();
    const std::uint64_t start = clock.nowMs();
    const auto timeout = static_cast<std::uint64_t>(std::max(timeoutMs, 0));
    int dispatched = 0;
    for (;;) {
        m_platform.processEvents(0);
        MSG msg{};
        if (!takeNextMessage(msg, nullptr, 0, 0, true, false)) {
            break;
        }
        translateMessage(msg);
        dispatchMessage(msg);
        ++dispatched;
        if (clock.nowMs() - start >= timeout) {
            break;
        }
    }
    return dispatched;
}

int CKEWindowSystem::dispatchQueued(int limit) {
    if (m_hostLoops > 0) {
        return 0;
    }
    int dispatched = 0;
    MSG msg{};
    while (dispatched < limit && takeNextMessage(msg, nullptr, 0, 0, true, false)) {
        translateMessage(msg);
        dispatchMessage(msg);
        ++dispatched;
    }
    // The rest after the toolkit has had its turn.
    if (dispatched == limit && (!m_queue.empty() || !m_input.empty())) {
        m_platform.wake();
    }
    return dispatched;
}

LRESULT CKEWindowSystem::defWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CKEWindow* w = window(hwnd);
    if (w == nullptr) {
        return 0;
    }
    switch (message) {
        case WM_MOUSEWHEEL:
            // As in Win32: a window that does not scroll passes the wheel to its parent.
            return w->isChild() && w->parent != nullptr
                       ? sendMessage(w->parent, WM_MOUSEWHEEL, wParam, lParam)
                       : 0;
        case WM_NCCREATE:
            return 1;  // TRUE: go on creating the window
        case WM_CTLCOLOREDIT:
            return reinterpret_cast<LRESULT>(
                m_gdi.sysColorBrush(COLOR_WINDOW, m_platform.sysColor(COLOR_WINDOW)));
        case WM_SETTEXT: {
            w->text = lParam != 0 ? reinterpret_cast<const char*>(lParam) : "";
            if (w->peer) {
                w->peer->setTitle(w->text.c_str());
            }
            invalidateRect(hwnd, nullptr, true);
            return 1;
        }
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(w->text.size());
        case WM_GETTEXT: {
            auto* buffer = reinterpret_cast<char*>(lParam);
            if (buffer == nullptr || wParam == 0) {
                return 0;
            }
            const std::size_t n = std::min<std::size_t>(wParam - 1, w->text.size());
            std::memcpy(buffer, w->text.data(), n);
            buffer[n] = '\0';
            return static_cast<LRESULT>(n);
        }
        case WM_SETFONT:
            w->font = reinterpret_cast<HFONT>(wParam);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(w->font);
        case WM_CLOSE:
            destroyWindow(hwnd);
            return 0;
        case WM_PAINT:
            return defaultPaint(*w);
        case WM_ERASEBKGND: {
            CKEDeviceContext* dc = m_gdi.context(reinterpret_cast<HDC>(wParam));
            const int background = w->windowClass.background;
            COLORREF color = 0;
            if (background > 0) {
                color = m_platform.sysColor(background - 1);
            } else if (w->windowClass.backgroundBrush == nullptr ||
                       !m_gdi.brushColor(w->windowClass.backgroundBrush, color)) {
                return 0;  // no background, or a brush deleted since
            }
            if (dc == nullptr || dc->surface == nullptr) {
                return 0;
            }
            dc->surface->fillRect(clientRectOf(*w), color);
            return 1;
        }
        case WM_SETCURSOR: {
            // As in Win32: a child asks its parent first; the cursor is the class cursor of
            // the window under the mouse (wParam), and the arrow outside client areas.
            if (w->isChild() && w->parent != nullptr &&
                sendMessage(w->parent, WM_SETCURSOR, wParam, lParam) != 0) {
                return 1;
            }
            if (LOWORD(lParam) != HTCLIENT) {
                setCursor(KECursorHandle(KECursorId(IDC_ARROW)));
                return 0;
            }
            const CKEWindow* under = window(reinterpret_cast<HWND>(wParam));
            const int cursor = (under != nullptr ? under : w)->windowClass.cursor;
            if (cursor == 0) {
                return 0;
            }
            setCursor(KECursorHandle(cursor));
            return 1;
        }
        default:
            return 0;
    }
}

LRESULT CKEWindowSystem::defaultPaint(CKEWindow& w) {
    PAINTSTRUCT ps{};
    if (beginPaint(w.hwnd, ps) != nullptr) {
        endPaint(w.hwnd, ps);
    }
    return 0;
}

UINT_PTR CKEWindowSystem::setTimer(HWND hwnd, UINT_PTR id, UINT intervalMs, TIMERPROC proc) {
    if (hwnd != nullptr && window(hwnd) == nullptr) {
        return 0;
    }
    const UINT_PTR result = m_timers.set(hwnd, id, intervalMs, proc, m_platform.clock().nowMs());
    m_platform.wake();
    return result == 0 && hwnd != nullptr ? 1 : result;
}

bool CKEWindowSystem::killTimer(HWND hwnd, UINT_PTR id) { return m_timers.kill(hwnd, id); }
