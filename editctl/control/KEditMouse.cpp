// Mouse selection: a click moves the caret (Shift extends), a captured drag extends the
// selection and, outside the client area, scrolls ten times a second through the auto-scroll
// timer, and a double click selects the word at the caret.
#include "editctl/control/KEditMouse.h"

#include <algorithm>

#include "editctl/control/CKEditWindowData.h"
#include "editctl/control/KEditCaret.h"
#include "editctl/model/KEHitTest.h"
#include "editctl/window/CKEWindowSystem.h"

namespace {

constexpr UINT_PTR kAutoScrollTimer = 1;
constexpr UINT kAutoScrollMs = 100;

// Moves the caret to the client point, extending the selection or clearing it.
void MoveCaretToPoint(CKEditWindowData& data, LPARAM lParam, bool extend) {
    const KEPos pos = kehit::PositionAtPoint(data, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    if (pos == KEPos{data.m_caretCol, data.m_caretRow}) {
        return;
    }
    data.moveCaretTo(pos, extend);
}

void StopAutoScroll(CKEditWindowData& data) {
    if (data.m_timerId != 0) {
        data.system().killTimer(data.hwnd(), static_cast<UINT_PTR>(data.m_timerId));
        data.m_timerId = 0;
    }
}

bool KeyDown(const CKEWindowSystem& system, int key) { return system.getKeyState(key) < 0; }

}  // namespace

LRESULT KEDIT_WM_LButtonDown(CKEditWindowData& data, WPARAM wParam, LPARAM lParam) {
    CKEWindowSystem& system = data.system();
    system.setFocus(data.hwnd());
    if (!data.alive()) {
        return 0;  // a focus notification destroyed the window
    }
    MoveCaretToPoint(data, lParam, (wParam & MK_SHIFT) != 0);
    system.setCapture(data.hwnd());
    return 0;
}

LRESULT KEDIT_WM_MouseMove(CKEditWindowData& data, WPARAM wParam, LPARAM lParam) {
    CKEWindowSystem& system = data.system();
    if ((wParam & MK_LBUTTON) == 0 || system.getCapture() != data.hwnd()) {
        return 0;
    }
    RECT client{};
    system.getClientRect(data.hwnd(), client);
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    const bool inside =
        x >= client.left && x < client.right && y >= client.top && y < client.bottom;
    if (!inside) {
        if (data.m_timerId == 0 &&
            system.setTimer(data.hwnd(), kAutoScrollTimer, kAutoScrollMs) != 0) {
            data.m_timerId = static_cast<std::int32_t>(kAutoScrollTimer);
        }
    } else {
        StopAutoScroll(data);
    }
    MoveCaretToPoint(data, lParam, true);
    return 0;
}

LRESULT KEDIT_WM_LButtonUp(CKEditWindowData& data, WPARAM, LPARAM) {
    if (data.system().getCapture() == data.hwnd()) {
        data.system().releaseCapture();
    }
    StopAutoScroll(data);
    return 0;
}

LRESULT KEDIT_WM_Timer(CKEditWindowData& data, WPARAM wParam, LPARAM lParam) {
    CKEWindowSystem& system = data.system();
    if (data.m_timerId == 0 || wParam != static_cast<WPARAM>(data.m_timerId)) {
        return system.defWindowProc(data.hwnd(), WM_TIMER, wParam, lParam);
    }
    POINT point = system.platform().cursorPos();
    system.screenToClient(data.hwnd(), point);
    // The message carries 16-bit coordinates: a cursor far away stays far away.
    point.x = std::clamp<LONG>(point.x, -32768, 32767);
    point.y = std::clamp<LONG>(point.y, -32768, 32767);
    WPARAM keys = 0;
    keys |= KeyDown(system, VK_CONTROL) ? MK_CONTROL : 0;
    keys |= KeyDown(system, VK_LBUTTON) ? MK_LBUTTON : 0;
    keys |= KeyDown(system, VK_MBUTTON) ? MK_MBUTTON : 0;
    keys |= KeyDown(system, VK_RBUTTON) ? MK_RBUTTON : 0;
    keys |= KeyDown(system, VK_SHIFT) ? MK_SHIFT : 0;
    system.postMessage(data.hwnd(), WM_MOUSEMOVE, keys, MAKELPARAM(point.x, point.y));
    return 0;
}

LRESULT KEDIT_WM_LButtonDblClk(CKEditWindowData& data, WPARAM, LPARAM) {
    const kehit::KEWordBounds word = kehit::WordAt(data, KEPos{data.m_caretCol, data.m_caretRow});
    // No word (a click past a row's end, an empty text): no empty selection either.
    data.m_hasSel = !(word.start == word.end);
    data.m_anchorCol = word.start.col;
    data.m_anchorRow = word.start.row;
    data.m_caretCol = data.m_selEndCol = word.end.col;
    data.m_caretRow = data.m_selEndRow = word.end.row;
    KEPlaceCaret(data);
    return 0;
}
