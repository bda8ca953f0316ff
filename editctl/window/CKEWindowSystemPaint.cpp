// The window system's painting: scroll bars, invalidation, WM_PAINT and printing.
#include <algorithm>
#include <utility>

#include "editctl/window/CKEWindowSystem.h"
#include "editctl/window/IKESurface.h"
#include "editctl/window/KEWindowExtent.h"

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
    if (w == nullptr || pixels == nullptr || width <= 0 || height <= 0 || width > kKEMaxExtent ||
        height > kKEMaxExtent || strideBytes < width * 4) {
        return false;
    }
    const RECT client = clientRectOf(*w);
    // One surface kept for the prints of a size, cleared as a new one comes. It is taken out
    // while in use, so that a print from inside the paint (a host's call-out) makes its own.
    std::unique_ptr<IKESurface> surface = std::move(m_printSurface);
    if (!surface || surface->width() != std::max<LONG>(client.right, 1) ||
        surface->height() != std::max<LONG>(client.bottom, 1)) {
        surface = m_platform.createSurface(client.right, client.bottom);
    } else {
        surface->fillRect(client, RGB(255, 255, 255));
    }
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
    m_printSurface = std::move(surface);
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
