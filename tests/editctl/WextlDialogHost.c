/* IsDialogMessageA in a C host: Tab and Shift+Tab through the visible, enabled WS_TABSTOP
   children (wrapping, from a child that is no tab stop, never into a disabled one), Enter to
   the button DM_GETDEFID names or IDOK, Esc to IDCANCEL, a KEDIT keeping every key (its
   WM_GETDLGCODE), messages outside the dialog refused, and a dialog destroyed by its own
   WM_COMMAND. Runs offscreen; exit status 0 when every case holds. */
#include <stdio.h>
#include <string.h>

#include "WextlHostCheck.h"
#include "wextl/wextl.h"

static LRESULT g_defId;
static int g_commandId = -1;
static LPARAM g_commandControl;
static int g_destroyOnCancel;

static LRESULT dialog_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == DM_GETDEFID) {
        return g_defId;
    }
    if (message == WM_COMMAND && HIWORD(wParam) == 0) {
        g_commandId = LOWORD(wParam);
        g_commandControl = lParam;
        if (g_destroyOnCancel && LOWORD(wParam) == IDCANCEL) {
            WextlDestroyWindow(hwnd);
        }
        return 0;
    }
    return WextlDefWindowProcA(hwnd, message, wParam, lParam);
}

static HWND child(HWND dialog, const char* className, DWORD style, int id) {
    return WextlCreateWindowExA(0, className, "", WS_CHILD | style, 0, 0, 80, 24, dialog,
                                (HMENU)(UINT_PTR)id, NULL, NULL);
}

static BOOL key(HWND dialog, HWND target, UINT message, WPARAM vk) {
    MSG msg;
    memset(&msg, 0, sizeof msg);
    msg.hwnd = target;
    msg.message = message;
    msg.wParam = vk;
    return WextlIsDialogMessageA(dialog, &msg);
}

static void shift(HWND target, int down) {
    MSG msg;
    memset(&msg, 0, sizeof msg);
    msg.hwnd = target;
    msg.message = down ? WM_KEYDOWN : WM_KEYUP;
    msg.wParam = VK_SHIFT;
    WextlDispatchMessageA(&msg);
}

int main(void) {
    WNDCLASSA wc;
    memset(&wc, 0, sizeof wc);
    wc.lpfnWndProc = dialog_proc;
    wc.lpszClassName = "Dlg";
    EXPECT(WextlRegisterClassA(&wc) != 0);
    wc.lpfnWndProc = WextlDefWindowProcA;
    wc.lpszClassName = "Field";
    EXPECT(WextlRegisterClassA(&wc) != 0);

    HWND dialog =
        WextlCreateWindowExA(0, "Dlg", "", WS_VISIBLE, 0, 0, 300, 200, NULL, NULL, NULL, NULL);
    HWND first = child(dialog, "Field", WS_VISIBLE | WS_TABSTOP, 3);
    HWND plain = child(dialog, "Field", WS_VISIBLE, 4);
    HWND disabled = child(dialog, "Field", WS_VISIBLE | WS_TABSTOP | WS_DISABLED, 6);
    HWND hidden = child(dialog, "Field", WS_TABSTOP, 7);
    HWND button = child(dialog, "Field", WS_VISIBLE | WS_TABSTOP, 5);
    HWND edit = child(dialog, "KEDIT", WS_VISIBLE | WS_TABSTOP, 8);
    HWND outside =
        WextlCreateWindowExA(0, "Field", "", WS_VISIBLE, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    EXPECT(dialog && first && plain && disabled && hidden && button && edit && outside);

    /* Forward, skipping what takes no Tab, into the KEDIT, then around. */
    WextlSetFocus(first);
    EXPECT(key(dialog, first, WM_KEYDOWN, VK_TAB) && WextlGetFocus() == button);
    EXPECT(key(dialog, button, WM_KEYDOWN, VK_TAB) && WextlGetFocus() == edit);
    /* Backwards from the first stop wraps to the last. */
    WextlSetFocus(first);
    shift(first, 1);
    EXPECT(key(dialog, first, WM_KEYDOWN, VK_TAB) && WextlGetFocus() == edit);
    shift(edit, 0);
    /* From a child that is no tab stop: the stops on either side of it. */
    WextlSetFocus(plain);
    EXPECT(key(dialog, plain, WM_KEYDOWN, VK_TAB) && WextlGetFocus() == button);
    WextlSetFocus(plain);
    shift(plain, 1);
    EXPECT(key(dialog, plain, WM_KEYDOWN, VK_TAB) && WextlGetFocus() == first);
    shift(plain, 0);

    /* The KEDIT keeps its keys: a character is dispatched to it and edits its text. */
    WextlSetFocus(edit);
    EXPECT(key(dialog, edit, WM_CHAR, 'a'));
    char text[8] = "";
    EXPECT(WextlSendMessageA(edit, KEM_GETTEXT, sizeof text, (LPARAM)text) == 2 &&
           strcmp(text, "a") == 0);
    g_commandId = -1;
    EXPECT(key(dialog, edit, WM_KEYDOWN, VK_TAB) && WextlGetFocus() == edit);

    /* The host's loop: a key down through IsDialogMessage is translated there, and its
       character comes round the loop to the KEDIT (the Tab above is a single line's move to
       the next control, not a character). */
    EXPECT(WextlPostMessageA(edit, WM_KEYDOWN, 'B', 1));
    MSG msg;
    while (WextlPeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        if (!WextlIsDialogMessageA(dialog, &msg)) {
            WextlTranslateMessage(&msg);
            WextlDispatchMessageA(&msg);
        }
    }
    EXPECT(WextlSendMessageA(edit, KEM_GETTEXT, sizeof text, (LPARAM)text) == 3 &&
           strcmp(text, "ab") == 0);

    /* Enter: the default button, or IDOK; Esc: IDCANCEL. */
    WextlSetFocus(first);
    g_defId = MAKELONG(5, DC_HASDEFID);
    EXPECT(key(dialog, first, WM_KEYDOWN, VK_RETURN));
    EXPECT(g_commandId == 5 && g_commandControl == (LPARAM)button);
    g_defId = 0;
    EXPECT(key(dialog, first, WM_KEYDOWN, VK_RETURN));
    EXPECT(g_commandId == IDOK && g_commandControl == 0);
    EXPECT(key(dialog, first, WM_KEYDOWN, VK_ESCAPE) && g_commandId == IDCANCEL);

    /* Not the dialog's: refused and not dispatched. */
    EXPECT(!key(dialog, outside, WM_KEYDOWN, VK_TAB));
    EXPECT(!WextlIsDialogMessageA(dialog, NULL));
    EXPECT(!key(outside, first, WM_KEYDOWN, VK_TAB));

    /* The dialog destroyed by its own IDCANCEL: the message was its, and nothing is left. */
    g_destroyOnCancel = 1;
    EXPECT(key(dialog, first, WM_KEYDOWN, VK_ESCAPE));
    EXPECT(!WextlIsWindow(dialog) && !WextlIsWindow(first));
    EXPECT(!key(dialog, first, WM_KEYDOWN, VK_TAB));
    WextlDestroyWindow(outside);
    return g_failures == 0 ? 0 : 1;
}
