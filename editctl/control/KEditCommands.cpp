#include "editctl/control/KEditCommands.h"

#include "editctl/control/CKEditWindowData.h"
#include "editctl/control/KEditContextMenu.h"
#include "editctl/control/KEditEditing.h"
#include "editctl/window/CKEWindowSystem.h"

LRESULT KEDIT_WM_Command(CKEditWindowData& data, WPARAM wParam, LPARAM lParam) {
    CKEWindowSystem& system = data.system();
    const HWND hwnd = data.hwnd();
    switch (LOWORD(wParam)) {
        case KEDIT_CMD_UNDO:
            system.sendMessage(hwnd, EM_UNDO, 0, 0);
            return 0;
        case KEDIT_CMD_CUT:
            system.sendMessage(hwnd, WM_CUT, 0, 0);
            return 0;
        case KEDIT_CMD_COPY:
            system.sendMessage(hwnd, WM_COPY, 0, 0);
            return 0;
        case KEDIT_CMD_PASTE:
            system.sendMessage(hwnd, WM_PASTE, 0, 0);
            return 0;
        case KEDIT_CMD_DELETE:
            system.sendMessage(hwnd, WM_CLEAR, 0, 0);
            return 0;
        case KEDIT_CMD_DELETEALL:
            data.selectAll();
            system.sendMessage(hwnd, WM_CLEAR, 0, 0);
            return 0;
        case KEDIT_CMD_CHARFONT:
            return KEDIT_CharFontCommand(data);
        default:
            return system.defWindowProc(hwnd, WM_COMMAND, wParam, lParam);
    }
}
