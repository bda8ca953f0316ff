/* The installed header compiles as C, and a C host sees Win32's last-error codes for what
   fails: every case of window creation, a stale handle, and success leaving the code alone.
   Runs offscreen; a display that cannot start (argument "no-display") must give
   ERROR_DEVICE_NOT_AVAILABLE instead. Exit status 0 when every case holds. */
#include <stdio.h>
#include <string.h>

#include "WextlHostCheck.h"
#include "wextl/wextl.h"

static LRESULT g_createAnswer;
static LRESULT g_nccreateAnswer = TRUE;
static DWORD g_procError;
static WNDPROC g_previous;
static int g_subclassed;

static HWND g_seen[8];
static int g_seenCount;
static int g_stopAfter;

static BOOL enum_proc(HWND hwnd, LPARAM lParam) {
    (void)lParam;
    if (g_seenCount < 8) {
        g_seen[g_seenCount] = hwnd;
    }
    ++g_seenCount;
    if (g_stopAfter == -1) {
        WextlDestroyWindow(hwnd); /* the callback destroys what it is given */
    }
    return g_seenCount != g_stopAfter;
}

static LRESULT subclass_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT) {
        ++g_subclassed;
    }
    return WextlCallWindowProcA(g_previous, hwnd, message, wParam, lParam);
}

static LRESULT host_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE && g_nccreateAnswer != TRUE) {
        if (g_procError != 0) {
            WextlSetLastError(g_procError);
        }
        return g_nccreateAnswer;
    }
    if (message == WM_CREATE) {
        return g_createAnswer;
    }
    return WextlDefWindowProcA(hwnd, message, wParam, lParam);
}

static HWND create(const char* className, DWORD style, HWND parent) {
    WextlSetLastError(ERROR_SUCCESS);
    return WextlCreateWindowExA(0, className, "", style, 0, 0, 100, 40, parent, NULL, NULL, NULL);
}

int main(int argc, char** argv) {
    SCROLLINFO info = {sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    SIZE size = {TRUE, FALSE};
    HGDIOBJ object = WextlGetSysColorBrush(COLOR_WINDOW); /* no cast needed in C */
    (void)info;
    (void)size;
    (void)object;
    if (argc > 1 && strcmp(argv[1], "no-display") == 0) {
        EXPECT(create("KEDIT", WS_VISIBLE, NULL) == NULL);
        EXPECT(WextlGetLastError() == ERROR_DEVICE_NOT_AVAILABLE);
        return g_failures == 0 ? 0 : 1;
    }
    EXPECT(WextlIsClassRegistered("KEDIT"));

    WNDCLASSA wc;
    memset(&wc, 0, sizeof wc);
    wc.lpfnWndProc = host_proc;
    wc.lpszClassName = "ErrorHost";
    EXPECT(WextlRegisterClassA(&wc) != 0);

    EXPECT(create("NoSuchClass", 0, NULL) == NULL);
    EXPECT(WextlGetLastError() == ERROR_CANNOT_FIND_WND_CLASS);
    EXPECT(create(NULL, 0, NULL) == NULL);
    EXPECT(WextlGetLastError() == ERROR_CANNOT_FIND_WND_CLASS);
    EXPECT(create("KEDIT", WS_CHILD, NULL) == NULL);
    EXPECT(WextlGetLastError() == ERROR_TLW_WITH_WSCHILD);
    EXPECT(create("KEDIT", WS_CHILD, (HWND)(UINT_PTR)0x1234) == NULL);
    EXPECT(WextlGetLastError() == ERROR_INVALID_WINDOW_HANDLE);

    g_createAnswer = -1;
    EXPECT(create("ErrorHost", 0, NULL) == NULL);
    EXPECT(WextlGetLastError() == ERROR_CANCELLED);
    g_createAnswer = 0;
    g_nccreateAnswer = FALSE;
    g_procError = ERROR_INVALID_PARAMETER; /* the procedure's own reason is kept */
    EXPECT(create("ErrorHost", 0, NULL) == NULL);
    EXPECT(WextlGetLastError() == ERROR_INVALID_PARAMETER);
    g_nccreateAnswer = TRUE;

    /* Success leaves the code as it was. */
    WextlSetLastError(77);
    HWND parent =
        WextlCreateWindowExA(0, "ErrorHost", "", 0, 0, 0, 200, 100, NULL, NULL, NULL, NULL);
    EXPECT(parent != NULL);
    EXPECT(WextlGetLastError() == 77);
    HWND edit = WextlCreateWindowExA(0, "KEDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 30, parent,
                                     NULL, NULL, NULL);
    EXPECT(edit != NULL);
    RECT rect;
    EXPECT(WextlGetClientRect(edit, &rect));
    EXPECT(WextlGetLastError() == 77);

    /* The dialog calls: IDs, lookup by ID, visibility through the ancestors, the window
       rectangle where the client rectangle says. */
    HWND second = WextlCreateWindowExA(0, "KEDIT", "", WS_CHILD, 0, 40, 100, 30, parent,
                                       (HMENU)(UINT_PTR)7, NULL, NULL);
    EXPECT(WextlGetDlgCtrlID(second) == 7);
    EXPECT(WextlGetDlgCtrlID(parent) == 0);
    EXPECT(WextlGetDlgItem(parent, 7) == second);
    WextlSetLastError(ERROR_SUCCESS);
    EXPECT(WextlGetDlgItem(parent, 8) == NULL);
    EXPECT(WextlGetLastError() == ERROR_CONTROL_ID_NOT_FOUND);
    EXPECT(!WextlIsWindowVisible(edit)); /* the parent is hidden */
    WextlShowWindow(parent, SW_SHOW);
    EXPECT(WextlIsWindowVisible(edit));
    EXPECT(!WextlIsWindowVisible(second));
    RECT window;
    EXPECT(WextlGetWindowRect(second, &window));
    EXPECT(window.right - window.left == 100 && window.bottom - window.top == 30);
    POINT origin = {0, 40};
    EXPECT(WextlClientToScreen(parent, &origin));
    EXPECT(window.left == origin.x && window.top == origin.y);

    /* A KEDIT's window text is its own, apart from the control text; a short buffer cuts it
       and keeps the terminator; a subclass sees WM_SETTEXT and hands it on. */
    EXPECT(WextlSendMessageA(edit, KEM_SETTEXT, 0, (LPARAM) "control") == 1);
    g_previous = (WNDPROC)WextlSetWindowLongPtrA(edit, GWLP_WNDPROC, (LONG_PTR)subclass_proc);
    EXPECT(WextlSetWindowTextA(edit, "window"));
    EXPECT(g_subclassed == 1);
    EXPECT(WextlGetWindowTextLengthA(edit) == 6);
    char text[16];
    EXPECT(WextlGetWindowTextA(edit, text, sizeof text) == 6 && strcmp(text, "window") == 0);
    EXPECT(WextlGetWindowTextA(edit, text, 4) == 3 && strcmp(text, "win") == 0);
    EXPECT(WextlGetWindowTextA(edit, text, 0) == 0);
    EXPECT(WextlSendMessageA(edit, KEM_GETTEXT, sizeof text, (LPARAM)text) == 8 &&
           strcmp(text, "control") == 0);
    EXPECT(WextlGetSystemMetrics(SM_CXVSCROLL) > 0);

    /* Measuring as the control lays out: the caret moves by the extent of what is typed. */
    LOGFONTA logFont;
    memset(&logFont, 0, sizeof logFont);
    logFont.lfHeight = -16;
    logFont.lfCharSet = SHIFTJIS_CHARSET;
    HFONT font = WextlCreateFontIndirectA(&logFont);
    WextlSendMessageA(edit, WM_SETFONT, (WPARAM)font, 0);
    WextlSendMessageA(edit, KEM_SETTEXT, 0, (LPARAM) "");
    WextlSetFocus(edit);
    POINT start, end;
    EXPECT(WextlGetCaretPos(&start));
    const WCHAR typed[] = {'W', 'i', 0x3042, 'l', 0};
    EXPECT(WextlSendMessageA(edit, KEM_SETTEXT, 1, (LPARAM)typed) == 1);
    WextlSendMessageA(edit, EM_SETSEL, 4, 4);
    EXPECT(WextlGetCaretPos(&end));
    HDC dc = WextlGetDC(edit);
    EXPECT(dc != NULL);
    EXPECT(WextlSelectObject(dc, font) == NULL); /* the default font was selected */
    SIZE extent;
    EXPECT(WextlGetTextExtentPoint32W(dc, typed, 4, &extent));
    EXPECT(extent.cx > 0 && extent.cx == end.x - start.x);
    TEXTMETRICA metrics;
    EXPECT(WextlGetTextMetricsA(dc, &metrics) && metrics.tmHeight == extent.cy &&
           metrics.tmAveCharWidth > 0 && metrics.tmMaxCharWidth >= metrics.tmAveCharWidth);
    EXPECT(WextlGetTextExtentPoint32W(dc, typed, 0, &extent) && extent.cx == 0);
    EXPECT(!WextlGetTextExtentPoint32W(dc, typed, -1, &extent));
    EXPECT(!WextlSelectObject(dc, (HGDIOBJ)(UINT_PTR)0x1234)); /* no such font */
    EXPECT(WextlSelectObject(dc, NULL) == font);
    EXPECT(!WextlReleaseDC(parent, dc)); /* not the window it was got for */
    EXPECT(WextlReleaseDC(edit, dc));
    EXPECT(!WextlReleaseDC(edit, dc) && !WextlGetTextMetricsA(dc, &metrics));

    /* SetWindowPos keeps what its flags say; EnumChildWindows goes depth first and stops. */
    EXPECT(WextlSetWindowPos(second, HWND_TOP, 5, 50, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW));
    EXPECT(WextlGetWindowRect(second, &window) && window.right - window.left == 100);
    origin.x = 5;
    origin.y = 50;
    EXPECT(WextlClientToScreen(parent, &origin) && window.left == origin.x &&
           window.top == origin.y);
    EXPECT(WextlIsWindowVisible(second));
    EXPECT(WextlSetWindowPos(second, NULL, 0, 0, 60, 20, SWP_NOMOVE | SWP_HIDEWINDOW));
    EXPECT(WextlGetWindowRect(second, &window) && window.left == origin.x &&
           window.right - window.left == 60 && !WextlIsWindowVisible(second));
    HWND grandchild =
        WextlCreateWindowExA(0, "ErrorHost", "", WS_CHILD, 0, 0, 10, 10, edit, NULL, NULL, NULL);
    g_seenCount = 0;
    EXPECT(WextlEnumChildWindows(parent, enum_proc, 0));
    EXPECT(g_seenCount == 3 && g_seen[0] == edit && g_seen[1] == grandchild && g_seen[2] == second);
    g_seenCount = 0;
    g_stopAfter = 2;
    EXPECT(!WextlEnumChildWindows(parent, enum_proc, 0) && g_seenCount == 2);
    EXPECT(!WextlEnumChildWindows(parent, NULL, 0));
    g_seenCount = 0;
    g_stopAfter = -1; /* destroying each visited window: the dead are not visited */
    EXPECT(WextlEnumChildWindows(parent, enum_proc, 0) && g_seenCount == 2);
    EXPECT(g_seen[0] == edit && g_seen[1] == second && !WextlIsWindow(grandchild));

    /* A destroyed window's handle is refused with the code, by every group of calls. */
    EXPECT(WextlDestroyWindow(parent));
    WextlSetLastError(ERROR_SUCCESS);
    EXPECT(!WextlGetClientRect(edit, &rect));
    EXPECT(WextlGetLastError() == ERROR_INVALID_WINDOW_HANDLE);
    WextlSetLastError(ERROR_SUCCESS);
    EXPECT(WextlSendMessageA(edit, WM_GETTEXTLENGTH, 0, 0) == 0);
    EXPECT(WextlGetLastError() == ERROR_INVALID_WINDOW_HANDLE);
    WextlSetLastError(ERROR_SUCCESS);
    EXPECT(!WextlDestroyWindow(parent));
    EXPECT(WextlGetLastError() == ERROR_INVALID_WINDOW_HANDLE);
    EXPECT(!WextlIsWindowVisible(edit) && WextlGetDlgCtrlID(second) == 0);
    EXPECT(WextlGetDlgItem(parent, 7) == NULL && !WextlGetWindowRect(second, &window));
    g_seenCount = 0;
    EXPECT(!WextlEnumChildWindows(parent, enum_proc, 0) && g_seenCount == 0);
    EXPECT(!WextlSetWindowPos(second, NULL, 0, 0, 1, 1, 0));
    text[0] = 'x';
    EXPECT(WextlGetWindowTextA(edit, text, sizeof text) == 0 && text[0] == '\0');
    return g_failures == 0 ? 0 : 1;
}
