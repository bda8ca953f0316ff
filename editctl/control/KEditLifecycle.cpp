#include "editctl/control/KEditLifecycle.h"

#include <new>

#include "editctl/control/CKEditWindowData.h"
#include "editctl/control/KEResources.h"
#include "editctl/control/KEditCaret.h"
#include "editctl/control/KEditEditing.h"
#include "editctl/window/CKEWindowSystem.h"

LRESULT KEDIT_WM_Create(HWND hwnd, const CREATESTRUCTA* /*create*/) {
    CKEWindowSystem* system = CKEWindowSystem::current();
    if (system == nullptr) {
        return -1;
    }
    try {
        auto data = std::make_unique<CKEditWindowData>(*system, hwnd);
        if (!data->reset(&data->host())) {
            return -1;
        }
        data->m_menu = KELoadContextMenu();
        CKEditWindowData* record = data.get();
        if (!system->setWindowState(hwnd, std::move(data))) {
            return -1;
        }
        system->setWindowLongPtr(hwnd, 0, reinterpret_cast<LONG_PTR>(record));
        return 0;
    } catch (const std::bad_alloc&) {
        return -1;
    }
}

LRESULT KEDIT_WM_Destroy(HWND hwnd) {
    CKEWindowSystem* system = CKEWindowSystem::current();
    CKEditWindowData* data = KEditDataOf(hwnd);
    if (system == nullptr || data == nullptr) {
        return 0;
    }
    if (data->m_timerId != 0) {
        system->killTimer(hwnd, static_cast<UINT_PTR>(data->m_timerId));
    }
    // The record is the window system's: it is freed with the window, once no handler of
    // this window is left on the stack.
    system->setWindowLongPtr(hwnd, 0, 0);
    data->m_timerId = 0;
    return 0;
}

LRESULT KEDIT_WM_SetFocus(CKEditWindowData& data) {
    CKEWindowSystem& system = data.system();
    system.createCaret(data.hwnd(), KECaretWidth(data), data.rowHeight());
    data.m_caretShown = false;
    KEPlaceCaret(data);  // shows the caret where it lies in the client area
    KENotifyParent(data, EN_SETFOCUS);
    return 0;
}

LRESULT KEDIT_WM_KillFocus(CKEditWindowData& data) {
    CKEWindowSystem& system = data.system();
    const HWND hwnd = data.hwnd();
    system.destroyCaret();
    data.m_caretShown = false;
    KENotifyParent(data, EN_KILLFOCUS);
    if (data.alive()) {
        system.invalidateRect(hwnd, nullptr, false);
    }
    return 0;
}

LRESULT KEDIT_WM_SetFont(CKEditWindowData& data, WPARAM wParam, LPARAM lParam) {
    data.m_font = reinterpret_cast<HFONT>(wParam);
    data.computeMargins();
    if (LOWORD(lParam) != 0) {
        data.system().invalidateRect(data.hwnd(), nullptr, false);
    }
    return 0;
}
