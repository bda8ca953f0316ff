#include "editctl/control/KEditWindowProc.h"

#include "editctl/model/CKEClassRegistry.h"

#include "editctl/control/CKEditWindowData.h"
#include "editctl/control/KEditClipboard.h"
#include "editctl/control/KEditCommands.h"
#include "editctl/control/KEditContextMenu.h"
#include "editctl/control/KEditIme.h"
#include "editctl/control/KEditKeyboard.h"
#include "editctl/control/KEditLifecycle.h"
#include "editctl/control/KEditMouse.h"
#include "editctl/control/KEditPaint.h"
#include "editctl/control/KEditScroll.h"
#include "editctl/control/KEditTextMessages.h"
#include "editctl/window/CKEWindowSystem.h"

LRESULT KEditWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CKEWindowSystem* system = CKEWindowSystem::current();
    if (system == nullptr || !system->isWindow(hwnd)) {
        return 0;
    }
    if (message == WM_CREATE) {
        return KEDIT_WM_Create(hwnd, reinterpret_cast<const CREATESTRUCTA*>(lParam));
    }
    if (message == WM_DESTROY) {
        return KEDIT_WM_Destroy(hwnd);
    }
    CKEditWindowData* found = KEditDataOf(hwnd);
    if (found == nullptr) {
        return system->defWindowProc(hwnd, message, wParam, lParam);
    }
    CKEditWindowData& data = *found;
    switch (message) {
        case WM_SETFOCUS:
            return KEDIT_WM_SetFocus(data);
        case WM_KILLFOCUS:
            return KEDIT_WM_KillFocus(data);
        case WM_SETFONT:
            return KEDIT_WM_SetFont(data, wParam, lParam);
        case WM_GETDLGCODE:
            return DLGC_WANTALLKEYS;
        case WM_PAINT:
            return KEDIT_WM_Paint(data);
        case WM_VSCROLL:
            return KEDIT_WM_VScroll(data, wParam);
        case WM_MOUSEWHEEL:
            return KEDIT_WM_MouseWheel(data, wParam);
        case WM_HSCROLL:
            return 0;
        case WM_KEYDOWN:
            return KEDIT_WM_KeyDown(data, wParam, lParam);
        case WM_CHAR:
            return KEDIT_WM_Char(data, wParam, lParam);
        case WM_SYSKEYDOWN:
            return KEDIT_WM_SysKeyDown(data, wParam, lParam);
        case WM_COMMAND:
            return KEDIT_WM_Command(data, wParam, lParam);
        case EM_GETSEL:
            return KEDIT_EM_GetSel(data, wParam, lParam);
        case EM_SETSEL:
            return KEDIT_EM_SetSel(data, wParam, lParam);
        case EM_GETMODIFY:
            return data.m_modified ? 1 : 0;
        case EM_SETMODIFY:
            data.m_modified = wParam != 0;
            return 0;
        case EM_LIMITTEXT:
            return KEDIT_EM_LimitText(data, wParam);
        case EM_CANUNDO:
            return data.m_undo ? 1 : 0;
        case EM_UNDO:
        case WM_UNDO:
            return KEDIT_EM_Undo(data);
        case KEM_GETTEXTLENGTH:
            return KEDIT_KEM_GetTextLength(data, wParam);
        case KEM_GETTEXT:
            return KEDIT_KEM_GetText(data, wParam, lParam);
        case KEM_SETTEXT:
            return KEDIT_KEM_SetText(data, wParam, lParam);
        case WM_LBUTTONDOWN:
            return KEDIT_WM_LButtonDown(data, wParam, lParam);
        case WM_MOUSEMOVE:
            return KEDIT_WM_MouseMove(data, wParam, lParam);
        case WM_LBUTTONUP:
            return KEDIT_WM_LButtonUp(data, wParam, lParam);
        case WM_LBUTTONDBLCLK:
            return KEDIT_WM_LButtonDblClk(data, wParam, lParam);
        case WM_TIMER:
            return KEDIT_WM_Timer(data, wParam, lParam);
        case WM_RBUTTONDOWN:
            return KEDIT_WM_RButtonDown(data, wParam, lParam);
        case WM_CUT:
            return KEDIT_WM_Cut(data, wParam, lParam);
        case WM_COPY:
            return KEDIT_WM_Copy(data, wParam, lParam);
        case WM_PASTE:
            return KEDIT_WM_Paste(data, wParam, lParam);
        case WM_CLEAR:
            return KEDIT_WM_Clear(data, wParam, lParam);
        case WM_IME_COMPOSITION:
            return KEDIT_WM_ImeComposition(data, wParam, lParam);
        default:
            return system->defWindowProc(hwnd, message, wParam, lParam);
    }
}

bool KERegisterEditClass(CKEClassRegistry& classes) {
    KEWindowClass kedit;
    kedit.style = CS_DBLCLKS | CS_PARENTDC | CS_GLOBALCLASS;
    kedit.windowProc = &KEditWindowProc;
    kedit.classExtra = 0;
    kedit.windowExtra = 4;
    kedit.cursor = KECursorId(IDC_IBEAM);
    kedit.background = COLOR_WINDOW + 1;
    kedit.className = "KEDIT";
    kedit.library = true;
    return classes.registerClass(kedit);
}
