#include "editctl/window/CKEWindowSystem.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "editctl/window/IKEClock.h"
#include "editctl/window/IKESurface.h"
#include "editctl/window/KEMouseKeyState.h"

namespace {

CKEWindowSystem* g_current = nullptr;

constexpr int kDefaultX = 100;
constexpr int kDefaultY = 100;
constexpr int kDefaultWidth = 400;
constexpr int kDefaultHeight = 300;
// A window larger than this in either direction is held to it (and so is a print buffer).
constexpr int kMaxExtent = 16384;

bool IsKeyMessage(UINT message) {
    return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN ||
           message == WM_SYSKEYUP;
}

int Width(const RECT& rect) { return rect.right - rect.left; }
int Height(const RECT& rect) { return rect.bottom - rect.top; }

}  // namespace

CKEWindowSystem::CKEWindowSystem(IKEPlatform& platform, CKEClassRegistry& classes,
                                 CKEGdiObjects* gdi)
    : m_platform(platform),
      m_classes(classes),
      m_gdi(gdi != nullptr ? *gdi : m_ownGdi),
      m_previous(g_current) {
    g_current = this;
}

CKEWindowSystem::~CKEWindowSystem() {
    // Top-level windows first; destroying a window takes its children with it.
    std::vector<HWND> topLevel;
    for (HWND hwnd : m_order) {
        if (const CKEWindow* w = window(hwnd); w != nullptr && w->parent == nullptr) {
            topLevel.push_back(hwnd);
        }
    }
    for (HWND hwnd : topLevel) {
        destroyWindow(hwnd);
    }
    for (HWND hwnd : std::vector<HWND>(m_order)) {
        destroyWindow(hwnd);
    }
    if (g_current == this) {
        g_current = m_previous;
    }
}

CKEWindowSystem* CKEWindowSystem::current() { return g_current; }

CKEWindow* CKEWindowSystem::window(HWND hwnd) const {
    return hwnd == nullptr ? nullptr : m_windows.find(hwnd);
}

HWND CKEWindowSystem::createWindow(DWORD exStyle, const char* className, const char* windowName,
                                   DWORD style, int x, int y, int width, int height, HWND parent,
                                   LONG_PTR menuOrId, void* param) {
    KEWindowClass windowClass;
    if (className == nullptr || !m_classes.findClass(className, windowClass)) {
        return nullptr;
    }
    CKEWindow* parentWindow = window(parent);
    if (parent != nullptr && parentWindow == nullptr) {
        return nullptr;
    }
    if ((style & WS_CHILD) != 0 && parentWindow == nullptr) {
        return nullptr;
    }
    auto created = std::make_unique<CKEWindow>();
    CKEWindow& w = *created;
    w.windowClass = windowClass;
    w.proc = windowClass.windowProc;
    w.style = style;
    w.exStyle = exStyle;
    w.parent = parent;
    w.id = (style & WS_CHILD) != 0 ? menuOrId : 0;
    if (windowClass.windowExtra > 0) {
        const auto extra = static_cast<std::size_t>(windowClass.windowExtra);
        w.extraSlots.assign(
            std::max<std::size_t>(1, (extra + sizeof(LONG_PTR) - 1) / sizeof(LONG_PTR)), 0);
    }
    if (x == CW_USEDEFAULT) {
        x = kDefaultX;
        y = kDefaultY;
    }
    if (width == CW_USEDEFAULT) {
        width = kDefaultWidth;
        height = kDefaultHeight;
    }
    width = std::clamp(width, 0, kMaxExtent);
    height = std::clamp(height, 0, kMaxExtent);
    w.rect = RECT{x, y, x + width, y + height};
    if (windowName != nullptr) {
        w.text = windowName;
    }
    const HWND hwnd = m_windows.add(std::move(created));
    w.hwnd = hwnd;
    m_order.push_back(hwnd);
    if (parentWindow != nullptr) {
        parentWindow->children.push_back(hwnd);
    }
    w.peer = m_platform.createPeer(hwnd, w);

    CREATESTRUCTA create{
        param, nullptr, reinterpret_cast<HMENU>(menuOrId), parent,     height,    width,
        y,     x,       static_cast<LONG>(style),          windowName, className, exStyle};
    if (sendMessage(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        destroyWindow(hwnd);
        return nullptr;
    }
    CKEWindow* alive = window(hwnd);
    if (alive == nullptr) {
        return nullptr;
    }
    RECT client{};
    getClientRect(hwnd, client);
    sendMessage(hwnd, WM_SIZE, 0, MAKELPARAM(client.right, client.bottom));
    if ((style & WS_VISIBLE) != 0 && alive->peer) {
        alive->peer->setVisible(true);
    }
    return hwnd;
}

bool CKEWindowSystem::destroyWindow(HWND hwnd) {
    CKEWindow* w = window(hwnd);
    if (w == nullptr || w->destroying) {
        return false;
    }
    destroyTree(hwnd);
    return true;
}

void CKEWindowSystem::destroyTree(HWND hwnd) {
    CKEWindow* w = window(hwnd);
    if (w == nullptr || w->destroying) {
        return;
    }
    w->destroying = true;
    if (m_focus == hwnd) {
        m_focus = nullptr;
    }
    if (m_capture == hwnd) {
        m_capture = nullptr;
    }
    // The window hears of its end first, then its children, as in Win32.
    callProc(*w, WM_DESTROY, 0, 0);
    for (HWND child : std::vector<HWND>(w->children)) {
        destroyTree(child);
    }
    if (m_caret.owner == hwnd) {
        m_caret = CKECaret{};
    }
    m_timers.killAll(hwnd);
    m_queue.removeFor(hwnd);
    if (CKEWindow* parent = window(w->parent)) {
        std::erase(parent->children, hwnd);
    }
    std::erase(m_order, hwnd);
    m_windows.remove(hwnd);
}

HWND CKEWindowSystem::getParent(HWND hwnd) const {
    const CKEWindow* w = window(hwnd);
    return w != nullptr ? w->parent : nullptr;
}

LONG_PTR CKEWindowSystem::getWindowLongPtr(HWND hwnd, int index) const {
    const CKEWindow* w = window(hwnd);
    if (w == nullptr) {
        return 0;
    }
    switch (index) {
        case GWL_STYLE:
            return static_cast<LONG_PTR>(w->style);
        case GWL_EXSTYLE:
            return static_cast<LONG_PTR>(w->exStyle);
        case GWLP_ID:
            return w->id;
        case GWLP_USERDATA:
            return w->userData;
        case GWLP_HWNDPARENT:
            return reinterpret_cast<LONG_PTR>(w->parent);
        case GWLP_WNDPROC:
            return reinterpret_cast<LONG_PTR>(w->proc);
        default:
            break;
    }
    if (index < 0 || index % static_cast<int>(sizeof(LONG_PTR)) != 0) {
        return 0;
    }
    const auto slot = static_cast<std::size_t>(index) / sizeof(LONG_PTR);
    return slot < w->extraSlots.size() ? w->extraSlots[slot] : 0;
}

LONG_PTR CKEWindowSystem::setWindowLongPtr(HWND hwnd, int index, LONG_PTR value) {
    CKEWindow* w = window(hwnd);
    if (w == nullptr) {
        return 0;
    }
    LONG_PTR previous = getWindowLongPtr(hwnd, index);
    switch (index) {
        case GWL_STYLE:
            w->style = static_cast<DWORD>(value);
            return previous;
        case GWL_EXSTYLE:
            w->exStyle = static_cast<DWORD>(value);
            return previous;
        case GWLP_ID:
            w->id = value;
            return previous;
        case GWLP_USERDATA:
            w->userData = value;
            return previous;
        case GWLP_WNDPROC:
            if (value == 0) {
                return 0;
            }
            w->proc = reinterpret_cast<WNDPROC>(value);
            return previous;
        default:
            break;
    }
    if (index < 0 || index % static_cast<int>(sizeof(LONG_PTR)) != 0) {
        return 0;
    }
    const auto slot = static_cast<std::size_t>(index) / sizeof(LONG_PTR);
    if (slot >= w->extraSlots.size()) {
        return 0;
    }
    w->extraSlots[slot] = value;
    return previous;
}

RECT CKEWindowSystem::clientRectOf(const CKEWindow& w) const {
    int width = Width(w.rect);
    int height = Height(w.rect);
    if (w.isChild()) {
        int edge = 0;
        if ((w.exStyle & WS_EX_CLIENTEDGE) != 0) {
            edge += m_platform.systemMetric(SM_CXEDGE);
        }
        if ((w.style & WS_BORDER) != 0) {
            edge += m_platform.systemMetric(SM_CXBORDER);
        }
        width -= 2 * edge;
        height -= 2 * edge;
    }
    if ((w.style & WS_VSCROLL) != 0) {
        width -= m_platform.systemMetric(SM_CXVSCROLL);
    }
    return RECT{0, 0, std::max(width, 0), std::max(height, 0)};
}

bool CKEWindowSystem::getClientRect(HWND hwnd, RECT& rect) const {
    const CKEWindow* w = window(hwnd);
    if (w == nullptr) {
        return false;
    }
    rect = clientRectOf(*w);
    return true;
}

bool CKEWindowSystem::getWindowRect(HWND hwnd, RECT& rect) const {
    const CKEWindow* w = window(hwnd);
    if (w == nullptr) {
        return false;
    }
    POINT origin{w->rect.left, w->rect.top};
    if (w->parent != nullptr) {
        clientToScreen(w->parent, origin);
    }
    rect = RECT{origin.x, origin.y, origin.x + Width(w->rect), origin.y + Height(w->rect)};
    return true;
}

bool CKEWindowSystem::clientToScreen(HWND hwnd, POINT& point) const {
    const CKEWindow* w = window(hwnd);
    if (w == nullptr) {
        return false;
    }
    RECT outer{};
    getWindowRect(hwnd, outer);
    const RECT client = clientRectOf(*w);
    // The client area is centred in the frame except for the scroll bar at the right.
    const int scrollBar = (w->style & WS_VSCROLL) != 0 ? m_platform.systemMetric(SM_CXVSCROLL) : 0;
    const int edgeX = (Width(w->rect) - scrollBar - client.right) / 2;
    const int edgeY = (Height(w->rect) - client.bottom) / 2;
    point.x += outer.left + edgeX;
    point.y += outer.top + edgeY;
    return true;
}

bool CKEWindowSystem::screenToClient(HWND hwnd, POINT& point) const {
    POINT origin{0, 0};
    if (!clientToScreen(hwnd, origin)) {
        return false;
    }
    point.x -= origin.x;
    point.y -= origin.y;
    return true;
}

bool CKEWindowSystem::moveWindow(HWND hwnd, int x, int y, int width, int height, bool repaint) {
    CKEWindow* w = window(hwnd);
    if (w == nullptr) {
        return false;
    }
    width = std::clamp(width, 0, kMaxExtent);
    height = std::clamp(height, 0, kMaxExtent);
    w->rect = RECT{x, y, x + width, y + height};
    if (w->peer) {
        w->peer->setGeometry(w->rect);
    }
    const RECT client = clientRectOf(*w);
    sendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(x, y));
    sendMessage(hwnd, WM_SIZE, 0, MAKELPARAM(client.right, client.bottom));
    if (repaint) {
        invalidateRect(hwnd, nullptr, true);
    }
    return true;
}

bool CKEWindowSystem::showWindow(HWND hwnd, int command) {
    CKEWindow* w = window(hwnd);
    if (w == nullptr) {
        return false;
    }
    const bool wasVisible = (w->style & WS_VISIBLE) != 0;
    const bool show = command != SW_HIDE;
    w->style = show ? (w->style | WS_VISIBLE) : (w->style & ~static_cast<DWORD>(WS_VISIBLE));
    if (show != wasVisible) {
        sendMessage(hwnd, WM_SHOWWINDOW, show ? 1 : 0, 0);
    }
    if (CKEWindow* alive = window(hwnd); alive != nullptr && alive->peer) {
        alive->peer->setVisible(show);
    }
    return wasVisible;
}

LRESULT CKEWindowSystem::callProc(CKEWindow& w, UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsKeyMessage(message)) {
        m_keys.onMessage(message, wParam);
    }
    KEFollowMouseButtons(m_keys, message);
    WNDPROC proc = w.proc;
    return proc != nullptr ? proc(w.hwnd, message, wParam, lParam) : 0;
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

bool CKEWindowSystem::takeNextMessage(MSG& msg, HWND hwnd, UINT first, UINT last, bool remove) {
    if (std::optional<MSG> posted = m_queue.peek(hwnd, first, last, remove)) {
        msg = *posted;
        return true;
    }
    if (m_queue.quitPosted()) {
        msg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(m_queue.exitCode()), 0, 0, {0, 0}};
        if (remove) {
            m_queue.clearQuit();
        }
        return true;
    }
    const bool timerWanted = (first == 0 && last == 0) || (first <= WM_TIMER && WM_TIMER <= last);
    if (timerWanted) {
        const std::uint64_t now = m_platform.clock().nowMs();
        if (std::optional<CKETimerList::Due> due = m_timers.takeDue(now)) {
            msg = MSG{
                due->hwnd, WM_TIMER, due->id, 0, static_cast<DWORD>(now), m_platform.cursorPos()};
            return true;
        }
    }
    return false;
}

bool CKEWindowSystem::peekMessage(MSG& msg, HWND hwnd, UINT first, UINT last, UINT removeFlags) {
    m_platform.processEvents(0);
    return takeNextMessage(msg, hwnd, first, last, (removeFlags & PM_REMOVE) != 0);
}

int CKEWindowSystem::getMessage(MSG& msg, HWND hwnd, UINT first, UINT last) {
    if (hwnd != nullptr && window(hwnd) == nullptr) {
        return -1;
    }
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
    IKEClock& clock = m_platform.clock();
    const std::uint64_t start = clock.nowMs();
    const auto timeout = static_cast<std::uint64_t>(std::max(timeoutMs, 0));
    int dispatched = 0;
    for (;;) {
        m_platform.processEvents(0);
        MSG msg{};
        const std::uint64_t now = clock.nowMs();
        // A quit request stays for the host's own loop: only posted messages and due timers.
        if (std::optional<MSG> posted = m_queue.peek(nullptr, 0, 0, true)) {
            msg = *posted;
        } else if (std::optional<CKETimerList::Due> due = m_timers.takeDue(now)) {
            msg = MSG{
                due->hwnd, WM_TIMER, due->id, 0, static_cast<DWORD>(now), m_platform.cursorPos()};
        } else {
            break;
        }
        dispatchMessage(msg);
        ++dispatched;
        if (clock.nowMs() - start >= timeout) {
            break;
        }
    }
    return dispatched;
}

LRESULT CKEWindowSystem::defWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CKEWindow* w = window(hwnd);
    if (w == nullptr) {
        return 0;
    }
    switch (message) {
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
            if (dc == nullptr || dc->surface == nullptr || background <= 0) {
                return 0;
            }
            dc->surface->fillRect(clientRectOf(*w), m_platform.sysColor(background - 1));
            return 1;
        }
        case WM_SETCURSOR:
            if (w->peer) {
                w->peer->setCursor(w->windowClass.cursor != 0 ? w->windowClass.cursor : IDC_ARROW);
            }
            return 1;
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

HWND CKEWindowSystem::setFocus(HWND hwnd) {
    if (hwnd != nullptr && window(hwnd) == nullptr) {
        return nullptr;
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

void CKEWindowSystem::peerResized(HWND hwnd, int width, int height) {
    CKEWindow* w = window(hwnd);
    if (w == nullptr || (Width(w->rect) == width && Height(w->rect) == height)) {
        return;
    }
    w->rect.right = w->rect.left + std::clamp(width, 0, kMaxExtent);
    w->rect.bottom = w->rect.top + std::clamp(height, 0, kMaxExtent);
    const RECT client = clientRectOf(*w);
    sendMessage(hwnd, WM_SIZE, 0, MAKELPARAM(client.right, client.bottom));
    invalidateRect(hwnd, nullptr, true);
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

UINT_PTR CKEWindowSystem::setTimer(HWND hwnd, UINT_PTR id, UINT intervalMs) {
    if (hwnd != nullptr && window(hwnd) == nullptr) {
        return 0;
    }
    const UINT_PTR result = m_timers.set(hwnd, id, intervalMs, m_platform.clock().nowMs());
    m_platform.wake();
    return result == 0 && hwnd != nullptr ? 1 : result;
}

bool CKEWindowSystem::killTimer(HWND hwnd, UINT_PTR id) { return m_timers.kill(hwnd, id); }

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

int CKEWindowSystem::setScrollInfo(HWND hwnd, int bar, const SCROLLINFO& info, bool /*redraw*/) {
    CKEWindow* w = window(hwnd);
    if (w == nullptr || (bar != SB_VERT && bar != SB_HORZ)) {
        return 0;
    }
    CKEScrollBar& target = bar == SB_VERT ? w->vertical : w->horizontal;
    const int pos = target.set(info);
    if (bar == SB_VERT && w->peer) {
        w->peer->setScrollBar(target.all(), target.enabled());
    }
    return pos;
}

bool CKEWindowSystem::getScrollInfo(HWND hwnd, int bar, SCROLLINFO& info) const {
    const CKEWindow* w = window(hwnd);
    if (w == nullptr || (bar != SB_VERT && bar != SB_HORZ)) {
        return false;
    }
    (bar == SB_VERT ? w->vertical : w->horizontal).get(info);
    return true;
}

bool CKEWindowSystem::getScrollRange(HWND hwnd, int bar, int& min, int& max) const {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE, 0, 0, 0, 0, 0};
    if (!getScrollInfo(hwnd, bar, info)) {
        return false;
    }
    min = info.nMin;
    max = info.nMax;
    return true;
}

bool CKEWindowSystem::invalidateRect(HWND hwnd, const RECT* /*rect*/, bool erase) {
    CKEWindow* w = window(hwnd);
    if (w == nullptr) {
        return false;
    }
    w->needsPaint = true;
    w->needsErase = w->needsErase || erase;
    if (w->peer) {
        w->peer->invalidate();
    }
    return true;
}

bool CKEWindowSystem::updateWindow(HWND hwnd) {
    CKEWindow* w = window(hwnd);
    if (w == nullptr) {
        return false;
    }
    if (w->needsPaint && w->peer) {
        w->peer->updateNow();
    }
    return true;
}

bool CKEWindowSystem::paint(HWND hwnd, IKESurface& target) {
    if (window(hwnd) == nullptr) {
        return false;
    }
    IKESurface* outerTarget = std::exchange(m_paintTarget, &target);
    HWND outerWindow = std::exchange(m_paintWindow, hwnd);
    sendMessage(hwnd, WM_PAINT, 0, 0);
    m_paintTarget = outerTarget;
    m_paintWindow = outerWindow;
    if (CKEWindow* w = window(hwnd)) {
        w->needsPaint = false;
        w->needsErase = false;
    }
    return true;
}

bool CKEWindowSystem::printWindow(HWND hwnd, std::uint32_t* pixels, int width, int height,
                                  int strideBytes) {
    CKEWindow* w = window(hwnd);
    if (w == nullptr || pixels == nullptr || width <= 0 || height <= 0 || width > kMaxExtent ||
        height > kMaxExtent || strideBytes < width * 4) {
        return false;
    }
    const RECT client = clientRectOf(*w);
    std::unique_ptr<IKESurface> surface = m_platform.createSurface(client.right, client.bottom);
    if (!surface) {
        return false;
    }
    // What the client area does not cover stays white.
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(reinterpret_cast<unsigned char*>(pixels) +
                                                     static_cast<std::ptrdiff_t>(y) * strideBytes);
        std::fill(row, row + width, 0xFFFFFFFFu);
    }
    paint(hwnd, *surface);
    surface->copyPixels(pixels, width, height, strideBytes);
    return true;
}

HDC CKEWindowSystem::beginPaint(HWND hwnd, PAINTSTRUCT& ps) {
    CKEWindow* w = window(hwnd);
    if (w == nullptr) {
        return nullptr;
    }
    auto context = std::make_unique<CKEDeviceContext>();
    context->hwnd = hwnd;
    const RECT client = clientRectOf(*w);
    if (m_paintWindow == hwnd && m_paintTarget != nullptr) {
        context->surface = m_paintTarget;
    } else {
        // Painting outside a peer's repaint (a host sending WM_PAINT itself): draw into a
        // scratch surface that nobody sees.
        m_scratch = m_platform.createSurface(client.right, client.bottom);
        context->surface = m_scratch.get();
    }
    context->textColor = m_platform.sysColor(COLOR_WINDOWTEXT);
    context->backColor = m_platform.sysColor(COLOR_WINDOW);
    ps = PAINTSTRUCT{};
    ps.rcPaint = client;
    ps.fErase = w->needsErase ? 1 : 0;
    const HDC dc = m_gdi.addContext(std::move(context));
    ps.hdc = dc;
    w->needsPaint = false;
    if (w->needsErase) {
        w->needsErase = false;
        ps.fErase = sendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) == 0;
    }
    return dc;
}

bool CKEWindowSystem::endPaint(HWND /*hwnd*/, const PAINTSTRUCT& ps) {
    if (m_gdi.context(ps.hdc) == nullptr) {
        return false;
    }
    m_gdi.removeContext(ps.hdc);
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
