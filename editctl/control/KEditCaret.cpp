#include "editctl/control/KEditCaret.h"

#include "editctl/control/CKEditWindowData.h"
#include "editctl/control/KEditScroll.h"
#include "editctl/window/CKEWindowSystem.h"

POINT KECaretTextPos(const CKEditWindowData& data) {
    std::int64_t x = data.m_marginX;
    if (data.m_caretRow >= 0 && static_cast<std::size_t>(data.m_caretRow) < data.m_rows.size()) {
        const CKELine& row = *data.m_rows[static_cast<std::size_t>(data.m_caretRow)];
        const std::int32_t cols = std::min(data.m_caretCol, row.m_count);
        for (std::int32_t c = 0; c < cols; ++c) {
            x += data.m_chars[static_cast<std::size_t>(row.m_start + c)].m_width;
        }
    }
    const std::int64_t y =
        data.m_marginY + static_cast<std::int64_t>(data.rowHeight()) * data.m_caretRow;
    return POINT{static_cast<LONG>(x), static_cast<LONG>(y)};
}

int KECaretWidth(const CKEditWindowData& data) { return data.fontMetrics().aveCharWidth / 4; }

void KEShowOrHideCaret(CKEditWindowData& data) {
    CKEWindowSystem& system = data.system();
    POINT pos{};
    RECT client{};
    if (!system.getCaretPos(pos) || system.caret().owner != data.hwnd() ||
        !system.getClientRect(data.hwnd(), client)) {
        return;
    }
    const int w = KECaretWidth(data);
    const int h = data.rowHeight();
    const auto inside = [&](LONG x, LONG y) {
        return x >= client.left && x <= client.right && y >= client.top && y <= client.bottom;
    };
    const bool visible = inside(pos.x, pos.y) && inside(pos.x + w, pos.y + h);
    if (visible && !data.m_caretShown) {
        system.showCaret(data.hwnd());
        data.m_caretShown = true;
    } else if (!visible && data.m_caretShown) {
        system.hideCaret(data.hwnd());
        data.m_caretShown = false;
    }
}

void KEPlaceCaret(CKEditWindowData& data) {
    CKEWindowSystem& system = data.system();
    const POINT caret = KECaretTextPos(data);
    const int h = std::max(data.rowHeight(), 1);
    RECT area = data.textRect();
    if (area.bottom - area.top >= static_cast<std::int64_t>(data.m_rows.size()) * h) {
        data.m_scrollY = 0;
        area = data.textRect();
    }
    const int caretWidth = KECaretWidth(data);
    if (caret.x < area.left) {
        data.m_scrollX += caret.x - area.left;
    }
    if (caret.x + caretWidth > area.right) {
        data.m_scrollX += caret.x + caretWidth - area.right;
    }
    // A text area shorter than one row holds the row from its top: scrolling could only
    // move the one row out of sight and back at every placement.
    const bool shorterThanRow = area.bottom - area.top < h;
    int d = 0;
    if (caret.y < area.top) {
        d += caret.y - area.top;
    }
    if (caret.y + h > area.bottom && !shorterThanRow) {
        d += caret.y + h - area.bottom;
    }
    // Rounded up to a whole row (division towards zero, as the arithmetic of the view does).
    data.m_scrollY = h * ((data.m_scrollY + d + h - 1) / h);
    KEUpdateScrollPos(data);
    system.invalidateRect(data.hwnd(), nullptr, false);
    const POINT device{caret.x - data.m_scrollX, caret.y - data.m_scrollY};
    if (system.caret().owner == data.hwnd()) {
        system.setCaretPos(device.x, device.y);
        KEShowOrHideCaret(data);
    }
    if (CKEInputContext* context = system.inputContext(data.hwnd())) {
        const LOGFONTA* font = system.gdi().logFont(data.m_font);
        context->hasFont = font != nullptr;
        if (font != nullptr) {
            context->font = *font;
        }
        if (context->form.dwStyle != CFS_POINT || context->form.ptCurrentPos.x != device.x ||
            context->form.ptCurrentPos.y != device.y) {
            context->form.dwStyle = CFS_POINT;
            context->form.ptCurrentPos = device;
            if (CKEWindow* w = system.window(data.hwnd()); w != nullptr && w->peer) {
                w->peer->setCompositionWindow(device, font);
            }
        }
    }
}
