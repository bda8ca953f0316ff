// The window system: windows and their classes, longs and geometry.
#include "editctl/window/CKEWindowSystem.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "editctl/window/IKEClock.h"
#include "editctl/window/KEWindowExtent.h"

namespace {

CKEWindowSystem* g_current = nullptr;

constexpr int kDefaultX = 100;
constexpr int kDefaultY = 100;
constexpr int kDefaultWidth = 400;
constexpr int kDefaultHeight = 300;

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
    for (std::unique_ptr<CKEWindow>& record : m_retired) {
        free(std::move(record));
    }
    m_retired.clear();
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
    width = std::clamp(width, 0, kKEMaxExtent);
    height = std::clamp(height, 0, kKEMaxExtent);
    w.rect = RECT{x, y, x + width, y + height};
    if (windowName != nullptr) {
        w.text = windowName;
    }
    // The first paint erases with the class background, as Win32's does.
    w.needsPaint = true;
    w.needsErase = true;
    const HWND hwnd = m_windows.add(std::move(created));
    w.hwnd = hwnd;
    m_order.push_back(hwnd);
    if (parentWindow != nullptr) {
        parentWindow->children.push_back(hwnd);
    }
    w.peer = m_platform.createPeer(hwnd, w);
    if (w.peer && (style & WS_DISABLED) != 0) {
        w.peer->setEnabled(false);
    }
    if (w.peer) {
        // The class cursor is what the toolkit shows over the window until SetCursor.
        w.peer->setCursor(w.windowClass.cursor != 0 ? w.windowClass.cursor : KECursorId(IDC_ARROW));
    }

    CREATESTRUCTA create{
        param, nullptr, reinterpret_cast<HMENU>(menuOrId), parent,     height,    width,
        y,     x,       static_cast<LONG>(style),          windowName, className, exStyle};
    // As in Win32: WM_NCCREATE first (a C++ host attaches its object here); FALSE ends the
    // window with WM_NCDESTROY alone. WM_CREATE answering -1 destroys it as DestroyWindow
    // does.
    if (sendMessage(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create)) == 0) {
        if (CKEWindow* refused = window(hwnd); refused != nullptr && !refused->destroying) {
            refused->destroying = true;
            callProc(*refused, WM_NCDESTROY, 0, 0);
            release(hwnd);
        }
        return nullptr;
    }
    if (window(hwnd) == nullptr) {
        return nullptr;
    }
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
    if (w->peer) {
        w->peer->setVisible(false);
    }
    // As in Win32: WM_DESTROY to the window and then to its children, WM_NCDESTROY to the
    // children and then to the window.
    callProc(*w, WM_DESTROY, 0, 0);
    for (HWND child : std::vector<HWND>(w->children)) {
        destroyTree(child);
    }
    callProc(*w, WM_NCDESTROY, 0, 0);
    release(hwnd);
}

void CKEWindowSystem::release(HWND hwnd) {
    CKEWindow* w = window(hwnd);
    if (w == nullptr) {
        return;
    }
    if (m_caret.owner == hwnd) {
        m_caret = CKECaret{};
    }
    if (m_focus == hwnd) {
        m_focus = nullptr;
    }
    if (m_capture == hwnd) {
        m_capture = nullptr;
    }
    if (m_cursorWindow == hwnd) {
        m_cursorWindow = nullptr;
    }
    m_timers.killAll(hwnd);
    m_queue.removeFor(hwnd);
    m_input.removeFor(hwnd);
    if (CKEWindow* parent = window(w->parent)) {
        std::erase(parent->children, hwnd);
    }
    std::erase(m_order, hwnd);
    // From here on the handle is refused; the record lives on while a dispatch holds it.
    std::unique_ptr<CKEWindow> record = m_windows.remove(hwnd);
    if (record->lockCount > 0) {
        m_retired.push_back(std::move(record));
    } else {
        free(std::move(record));
    }
}

void CKEWindowSystem::unlock(CKEWindow& w) {
    if (--w.lockCount > 0 || window(w.hwnd) == &w) {
        return;
    }
    const auto it =
        std::find_if(m_retired.begin(), m_retired.end(),
                     [&w](const std::unique_ptr<CKEWindow>& r) { return r.get() == &w; });
    if (it != m_retired.end()) {
        std::unique_ptr<CKEWindow> record = std::move(*it);
        m_retired.erase(it);
        free(std::move(record));
    }
}

void CKEWindowSystem::free(std::unique_ptr<CKEWindow> record) {
    // The procedure's record first: it may still name the window's peer or resources.
    record->state.reset();
    if (record->peer) {
        m_platform.retirePeer(std::move(record->peer));
    }
}

bool CKEWindowSystem::setWindowState(HWND hwnd, std::unique_ptr<IKEWindowState> state) {
    CKEWindow* w = window(hwnd);
    if (w == nullptr) {
        return false;
    }
    w->state = std::move(state);
    return true;
}

bool CKEWindowSystem::hasWindowOfClass(const std::string& className) const {
    return std::any_of(m_order.begin(), m_order.end(), [&](HWND hwnd) {
        const CKEWindow* w = window(hwnd);
        return w != nullptr && w->windowClass.className == className;
    });
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
            if (w->peer && ((w->style ^ static_cast<DWORD>(previous)) & WS_DISABLED) != 0) {
                w->peer->setEnabled((w->style & WS_DISABLED) == 0);
            }
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
    int width = KEWidth(w.rect);
    int height = KEHeight(w.rect);
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
    // The toolkit knows where the window really is (moves, frames, decorations); the kept
    // rectangles are the answer only where it cannot tell.
    POINT origin{0, 0};
    if (!w->peer || !w->peer->mapToScreen(origin)) {
        origin = POINT{w->rect.left, w->rect.top};
        if (w->parent != nullptr) {
            clientToScreen(w->parent, origin);
        }
    }
    rect = RECT{origin.x, origin.y, origin.x + KEWidth(w->rect), origin.y + KEHeight(w->rect)};
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
    const int edgeX = (KEWidth(w->rect) - scrollBar - client.right) / 2;
    const int edgeY = (KEHeight(w->rect) - client.bottom) / 2;
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
    width = std::clamp(width, 0, kKEMaxExtent);
    height = std::clamp(height, 0, kKEMaxExtent);
    const bool resized = KEWidth(w->rect) != width || KEHeight(w->rect) != height;
    w->rect = RECT{x, y, x + width, y + height};
    if (w->peer) {
        w->peer->setGeometry(w->rect);
    }
    const RECT client = clientRectOf(*w);
    sendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(x, y));
    sendMessage(hwnd, WM_SIZE, 0, MAKELPARAM(client.right, client.bottom));
    // A new size is painted anew from its background, as Win32 repaints a resized window.
    if (repaint || resized) {
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
        if (show) {
            invalidateRect(hwnd, nullptr, true);
        }
    }
    if (CKEWindow* alive = window(hwnd); alive != nullptr && alive->peer) {
        alive->peer->setVisible(show);
    }
    return wasVisible;
}

bool CKEWindowSystem::enableWindow(HWND hwnd, bool enable) {
    CKEWindow* w = window(hwnd);
    if (w == nullptr) {
        return false;
    }
    const bool wasDisabled = (w->style & WS_DISABLED) != 0;
    if (wasDisabled == !enable) {
        return wasDisabled;
    }
    setWindowLongPtr(hwnd, GWL_STYLE,
                     static_cast<LONG_PTR>(enable ? (w->style & ~static_cast<DWORD>(WS_DISABLED))
                                                  : (w->style | WS_DISABLED)));
    // A window that is disabled loses the focus (and the mouse) first, as in Win32.
    if (!enable && m_focus == hwnd) {
        setFocus(nullptr);
    }
    if (!enable && m_capture == hwnd) {
        releaseCapture();
    }
    // Both refuse the handle if a focus or capture notification destroyed the window.
    sendMessage(hwnd, WM_ENABLE, enable ? 1 : 0, 0);
    invalidateRect(hwnd, nullptr, true);
    return wasDisabled;
}

bool CKEWindowSystem::isWindowEnabled(HWND hwnd) const {
    const CKEWindow* w = window(hwnd);
    return w != nullptr && (w->style & WS_DISABLED) == 0;
}

void CKEWindowSystem::peerMoved(HWND hwnd, int x, int y) {
    CKEWindow* w = window(hwnd);
    if (w == nullptr || w->isChild() || (w->rect.left == x && w->rect.top == y)) {
        return;
    }
    const int width = KEWidth(w->rect);
    const int height = KEHeight(w->rect);
    w->rect = RECT{x, y, x + width, y + height};
    sendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(x, y));
}

void CKEWindowSystem::peerResized(HWND hwnd, int width, int height) {
    CKEWindow* w = window(hwnd);
    if (w == nullptr || (KEWidth(w->rect) == width && KEHeight(w->rect) == height)) {
        return;
    }
    w->rect.right = w->rect.left + std::clamp(width, 0, kKEMaxExtent);
    w->rect.bottom = w->rect.top + std::clamp(height, 0, kKEMaxExtent);
    const RECT client = clientRectOf(*w);
    sendMessage(hwnd, WM_SIZE, 0, MAKELPARAM(client.right, client.bottom));
    invalidateRect(hwnd, nullptr, true);
}
