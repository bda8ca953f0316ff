#include "editctl/control/KEditScroll.h"

#include <algorithm>
#include <cstdlib>

#include "editctl/control/CKEditWindowData.h"
#include "editctl/control/KEditCaret.h"
#include "editctl/window/CKEWindowSystem.h"

namespace {

bool HasScrollBar(const CKEditWindowData& data) {
    return (data.system().getWindowLongPtr(data.hwnd(), GWL_STYLE) & WS_VSCROLL) != 0;
}

int VisibleRows(const CKEditWindowData& data) {
    const RECT area = data.textRect();
    return (area.bottom - area.top) / std::max(data.rowHeight(), 1);
}

}  // namespace

void KEUpdateScrollRange(CKEditWindowData& data) {
    if (!HasScrollBar(data)) {
        return;
    }
    const int h = data.rowHeight();
    const long long m =
        static_cast<long long>(h) * (static_cast<long long>(data.m_rows.size()) - 2);
    SCROLLINFO info{sizeof(SCROLLINFO), 0, 0, 0, 0, 0, 0};
    if (m <= 0) {
        info.fMask = SIF_RANGE | SIF_POS | SIF_DISABLENOSCROLL;
    } else {
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL;
        info.nMax = static_cast<int>(std::min<long long>(m, 0x7FFFFFFF));
        info.nPage = static_cast<UINT>(std::max(h * VisibleRows(data) - h, 0));
    }
    data.system().setScrollInfo(data.hwnd(), SB_VERT, info, true);
}

void KEUpdateScrollPos(CKEditWindowData& data) {
    if (!HasScrollBar(data)) {
        return;
    }
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    data.system().getScrollInfo(data.hwnd(), SB_VERT, info);
    const int pos = std::clamp(data.m_scrollY, info.nMin, std::max(info.nMin, info.nMax));
    if (pos != info.nPos) {
        SCROLLINFO update{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, pos, 0};
        data.system().setScrollInfo(data.hwnd(), SB_VERT, update, true);
    }
}

LRESULT KEDIT_WM_VScroll(CKEditWindowData& data, WPARAM wParam) {
    CKEWindowSystem& system = data.system();
    const int h = data.rowHeight();
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    system.getScrollInfo(data.hwnd(), SB_VERT, info);
    long long change = 0;
    switch (LOWORD(wParam)) {
        case SB_LINEUP:
            change = -h;
            break;
        case SB_LINEDOWN:
            change = h;
            break;
        case SB_PAGEUP:
            change = -static_cast<long long>(h) * (VisibleRows(data) - 1);
            break;
        case SB_PAGEDOWN:
            change = static_cast<long long>(h) * (VisibleRows(data) - 1);
            break;
        case SB_THUMBPOSITION:
            change = static_cast<short>(HIWORD(wParam)) - info.nPos;
            break;
        default:
            break;
    }
    int min = 0;
    int max = 0;
    system.getScrollRange(data.hwnd(), SB_VERT, min, max);
    const int old = data.m_scrollY;
    data.m_scrollY = static_cast<int>(std::clamp<long long>(old + change, min, std::max(min, max)));
    KEUpdateScrollPos(data);
    POINT caret{};
    if (system.caret().owner == data.hwnd() && system.getCaretPos(caret)) {
        system.setCaretPos(caret.x, caret.y + (old - data.m_scrollY));
        KEShowOrHideCaret(data);
    }
    system.invalidateRect(data.hwnd(), nullptr, false);
    return 0;
}

LRESULT KEDIT_WM_MouseWheel(CKEditWindowData& data, WPARAM wParam) {
    // Three rows a notch, as Win32's edit control scrolls (a notch is WHEEL_DELTA, 120).
    constexpr int kRowsPerNotch = 3;
    const int notches = static_cast<short>(HIWORD(wParam)) / 120;
    const WPARAM code = notches > 0 ? SB_LINEUP : SB_LINEDOWN;
    for (int i = 0; i < std::abs(notches) * kRowsPerNotch && data.alive(); ++i) {
        KEDIT_WM_VScroll(data, code);
    }
    return 0;
}
