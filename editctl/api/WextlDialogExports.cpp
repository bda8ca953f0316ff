// The exported C interface, dialogs: IsDialogMessageA's keyboard navigation among a
// dialog's children.
#include "wextl/wextl.h"

#include <vector>

#include "editctl/api/WextlExportsCommon.h"
#include "editctl/control/CKEUiHook.h"
#include "editctl/window/CKEWindow.h"
#include "editctl/window/KEMessageBoxLayout.h"
#include "text/ShiftJis.h"

namespace {

bool IsInside(CKEWindowSystem& system, HWND dialog, HWND hwnd) {
    for (const CKEWindow* w = system.window(hwnd); w != nullptr; w = system.window(w->parent)) {
        if (w->hwnd == dialog) {
            return true;
        }
    }
    return false;
}

bool TakesTab(const CKEWindow& w) {
    return (w.style & (WS_TABSTOP | WS_VISIBLE)) == (WS_TABSTOP | WS_VISIBLE) &&
           (w.style & WS_DISABLED) == 0;
}

// The dialog's direct child holding `hwnd` (the focus may be deeper).
HWND ChildOf(CKEWindowSystem& system, HWND dialog, HWND hwnd) {
    for (const CKEWindow* w = system.window(hwnd); w != nullptr; w = system.window(w->parent)) {
        if (w->parent == dialog) {
            return w->hwnd;
        }
    }
    return nullptr;
}

// The next (or previous) child that takes Tab, in creation order, wrapping around.
HWND NextTabStop(CKEWindowSystem& system, HWND dialog, HWND from, bool backwards) {
    std::vector<HWND> stops;
    size_t at = 0;
    bool found = false;
    for (HWND child : system.window(dialog)->children) {
        const CKEWindow* w = system.window(child);
        if (w == nullptr) {
            continue;
        }
        if (child == from) {
            at = stops.size();
            found = true;
        }
        if (TakesTab(*w)) {
            stops.push_back(child);
        }
    }
    if (stops.empty()) {
        return nullptr;
    }
    if (!found) {
        return backwards ? stops.back() : stops.front();
    }
    // `at` is where `from` stands among the stops (itself included if it is one).
    const bool fromIsStop = at < stops.size() && stops[at] == from;
    if (backwards) {
        return stops[(at + stops.size() - 1) % stops.size()];
    }
    return stops[(fromIsStop ? at + 1 : at) % stops.size()];
}

void Press(CKEWindowSystem& system, HWND dialog, int id) {
    HWND control = nullptr;
    if (const CKEWindow* w = system.window(dialog)) {
        for (HWND child : w->children) {
            if (system.isWindow(child) && (system.window(child)->style & WS_CHILD) != 0 &&
                system.getWindowLongPtr(child, GWLP_ID) == id) {
                control = child;
                break;
            }
        }
    }
    system.sendMessage(dialog, WM_COMMAND, MAKEWPARAM(id, 0), reinterpret_cast<LPARAM>(control));
}

}  // namespace

extern "C" {

BOOL WextlIsDialogMessageA(HWND dialog, MSG* msg) {
    CKEWindowSystem* system = WindowsFor(dialog);
    if (system == nullptr || msg == nullptr || !IsInside(*system, dialog, msg->hwnd)) {
        return 0;
    }
    if (msg->message == WM_KEYDOWN &&
        (msg->wParam == VK_TAB || msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE)) {
        const LRESULT code = system->sendMessage(msg->hwnd, WM_GETDLGCODE, msg->wParam,
                                                 reinterpret_cast<LPARAM>(msg));
        if (!system->isWindow(dialog)) {
            return 1;
        }
        const bool wantsAll = (code & DLGC_WANTALLKEYS) != 0;
        if (msg->wParam == VK_TAB && !wantsAll && (code & DLGC_WANTTAB) == 0) {
            const bool backwards = system->getKeyState(VK_SHIFT) < 0;
            HWND from = ChildOf(*system, dialog, system->getFocus());
            if (HWND next = NextTabStop(*system, dialog, from, backwards)) {
                system->setFocus(next);
            }
            return 1;
        }
        if (msg->wParam == VK_RETURN && !wantsAll) {
            const LRESULT defId = system->sendMessage(dialog, DM_GETDEFID, 0, 0);
            if (system->isWindow(dialog)) {
                Press(*system, dialog, HIWORD(defId) == DC_HASDEFID ? LOWORD(defId) : IDOK);
            }
            return 1;
        }
        if (msg->wParam == VK_ESCAPE && !wantsAll) {
            Press(*system, dialog, IDCANCEL);
            return 1;
        }
    }
    // Everything else is the control's: translated and dispatched here, as Win32 does.
    system->translateMessage(*msg);
    system->dispatchMessage(*msg);
    return 1;
}

int WextlMessageBoxA(HWND owner, const char* text, const char* caption, UINT type) {
    const KEMessageBoxLayout layout = KEMessageBoxLayoutOf(type);
    if (layout.buttons.empty()) {
        WextlSetError(ERROR_INVALID_MSGBOX_STYLE);
        return 0;
    }
    if (owner != nullptr && WindowsFor(owner) == nullptr) {
        return 0;
    }
    const std::string message = sjis::ToUtf8(text != nullptr ? text : "");
    const std::string title = caption != nullptr ? sjis::ToUtf8(caption) : "エラー";
    if (CKEUiHook::isSet()) {
        return CKEUiHook::askMessageBox(owner, message, title, layout);
    }
    CKEWindowSystem* system = Windows();
    const int answer =
        system != nullptr ? system->platform().messageBox(owner, message, title, layout) : 0;
    if (answer == 0) {
        WextlSetError(ERROR_DEVICE_NOT_AVAILABLE);
    }
    return answer;
}

}  // extern "C"
