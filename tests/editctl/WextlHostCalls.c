/* A C host's calls around a control: stock objects, standard cursors and WM_SETCURSOR,
   unregistering classes, and message boxes answered by the UI hook. Runs offscreen; exit
   status 0 when every case holds. */
#include <stdio.h>
#include <string.h>

#include "WextlHostCheck.h"
#include "wextl/wextl.h"

static int g_handCursor; /* the host's WM_SETCURSOR handler takes over */

static LRESULT host_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETCURSOR && g_handCursor) {
        WextlSetCursor(WextlLoadCursorA(NULL, IDC_HAND));
        return TRUE;
    }
    return WextlDefWindowProcA(hwnd, message, wParam, lParam);
}

/* What the hook was asked last, and what it answers. */
static WEXTL_UIREQUEST g_asked;
static char g_labels[4][32];
static UINT g_ids[4];
static char g_text[64];
static char g_caption[64];
static int g_answer;

static int hook(const WEXTL_UIREQUEST* request, void* context) {
    (void)context;
    g_asked = *request;
    for (int i = 0; i < request->count && i < 4; ++i) {
        g_ids[i] = request->items[i].id;
        snprintf(g_labels[i], sizeof g_labels[i], "%s", request->items[i].text);
    }
    snprintf(g_text, sizeof g_text, "%s", request->text != NULL ? request->text : "");
    snprintf(g_caption, sizeof g_caption, "%s", request->caption != NULL ? request->caption : "");
    return g_answer;
}

static void stock_objects(HWND host) {
    HGDIOBJ white = WextlGetStockObject(WHITE_BRUSH);
    HGDIOBJ gui = WextlGetStockObject(DEFAULT_GUI_FONT);
    EXPECT(white != NULL && gui != NULL && white != gui);
    EXPECT(WextlGetStockObject(WHITE_BRUSH) == white); /* one object, every time */
    WextlSetLastError(0);
    EXPECT(WextlGetStockObject(6) == NULL && WextlGetLastError() == ERROR_INVALID_PARAMETER);
    /* A stock font measures and survives DeleteObject; a stock brush selects. */
    HDC dc = WextlGetDC(host);
    EXPECT(WextlSelectObject(dc, gui) == NULL);
    TEXTMETRICA metrics;
    memset(&metrics, 0, sizeof metrics);
    EXPECT(WextlGetTextMetricsA(dc, &metrics) && metrics.tmHeight > 0);
    EXPECT(WextlDeleteObject(gui));
    EXPECT(WextlSelectObject(dc, WextlGetStockObject(SYSTEM_FIXED_FONT)) == gui);
    EXPECT(WextlSelectObject(dc, white) == NULL);
    EXPECT(WextlSelectObject(dc, WextlGetStockObject(NULL_BRUSH)) == white);
    WextlReleaseDC(host, dc);
}

static void cursors(HWND host, HWND edit) {
    HCURSOR ibeam = WextlLoadCursorA(NULL, IDC_IBEAM);
    EXPECT(ibeam != NULL && ibeam != WextlLoadCursorA(NULL, IDC_ARROW));
    WextlSetLastError(0);
    EXPECT(WextlLoadCursorA(NULL, "MYCURSOR") == NULL &&
           WextlGetLastError() == ERROR_RESOURCE_NAME_NOT_FOUND);
    EXPECT(WextlLoadCursorA(NULL, MAKEINTRESOURCEA(1)) == NULL);
    /* The mouse over the control: its class cursor, the parent asked first. */
    LPARAM overClient = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
    EXPECT(WextlSendMessageA(edit, WM_SETCURSOR, (WPARAM)edit, overClient) == TRUE);
    EXPECT(WextlGetCursor() == ibeam);
    g_handCursor = 1;
    EXPECT(WextlSendMessageA(edit, WM_SETCURSOR, (WPARAM)edit, overClient) == TRUE);
    EXPECT(WextlGetCursor() == WextlLoadCursorA(NULL, IDC_HAND));
    g_handCursor = 0;
    EXPECT(WextlSetCursor(NULL) == WextlLoadCursorA(NULL, IDC_HAND) && WextlGetCursor() == NULL);
    (void)host;
}

static void classes(void) {
    WNDCLASSA wc;
    memset(&wc, 0, sizeof wc);
    wc.lpfnWndProc = WextlDefWindowProcA;
    wc.lpszClassName = "Temporary";
    wc.hCursor = WextlLoadCursorA(NULL, IDC_CROSS);
    EXPECT(WextlRegisterClassA(&wc) != 0);
    HWND w = WextlCreateWindowExA(0, "Temporary", "", 0, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    EXPECT(w != NULL);
    EXPECT(!WextlUnregisterClassA("Temporary", NULL) &&
           WextlGetLastError() == ERROR_CLASS_HAS_WINDOWS);
    WextlDestroyWindow(w);
    EXPECT(WextlUnregisterClassA("Temporary", NULL));
    EXPECT(!WextlIsClassRegistered("Temporary"));
    EXPECT(WextlCreateWindowExA(0, "Temporary", "", 0, 0, 0, 10, 10, NULL, NULL, NULL, NULL) ==
               NULL &&
           WextlGetLastError() == ERROR_CANNOT_FIND_WND_CLASS);
    EXPECT(!WextlUnregisterClassA("Temporary", NULL) &&
           WextlGetLastError() == ERROR_CLASS_DOES_NOT_EXIST);
    /* The library's class is not the host's to take away. */
    EXPECT(!WextlUnregisterClassA("KEDIT", NULL) &&
           WextlGetLastError() == ERROR_CLASS_DOES_NOT_EXIST);
    EXPECT(WextlIsClassRegistered("KEDIT"));
}

static void message_boxes(HWND host) {
    WextlSetUiHook(hook, NULL);
    /* The buttons in Win32's order, Japanese, the default and icon as asked. */
    g_answer = IDNO;
    EXPECT(WextlMessageBoxA(host, "\x93\xfa\x96\x7b", "Stampix",
                            MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2) == IDNO);
    EXPECT(g_asked.kind == WEXTL_UI_MESSAGEBOX && g_asked.owner == host && g_asked.count == 3);
    EXPECT(g_ids[0] == IDYES && g_ids[1] == IDNO && g_ids[2] == IDCANCEL);
    EXPECT(strcmp(g_labels[0], "はい(Y)") == 0 && strcmp(g_labels[2], "キャンセル") == 0);
    EXPECT(g_asked.selected == 1);
    EXPECT(strcmp(g_text, "日本") == 0 && strcmp(g_caption, "Stampix") == 0);
    /* An answer that is no button's is Esc: Cancel, OK alone, or else the default. */
    g_answer = 99;
    EXPECT(WextlMessageBoxA(host, "", "", MB_OKCANCEL) == IDCANCEL);
    EXPECT(WextlMessageBoxA(NULL, "", NULL, MB_OK) == IDOK);
    EXPECT(strcmp(g_caption, "エラー") == 0);
    EXPECT(WextlMessageBoxA(host, "", "", MB_ABORTRETRYIGNORE | MB_DEFBUTTON3) == IDIGNORE);
    EXPECT(WextlMessageBoxA(host, "", "", MB_YESNO | MB_DEFBUTTON4) == IDYES);
    /* Styles and owners that are none. */
    WextlSetLastError(0);
    EXPECT(WextlMessageBoxA(host, "", "", 0x0F) == 0 &&
           WextlGetLastError() == ERROR_INVALID_MSGBOX_STYLE);
    EXPECT(WextlMessageBoxA((HWND)(UINT_PTR)0x4321, "", "", MB_OK) == 0 &&
           WextlGetLastError() == ERROR_INVALID_WINDOW_HANDLE);
    WextlSetUiHook(NULL, NULL);
}

int main(void) {
    WNDCLASSA wc;
    memset(&wc, 0, sizeof wc);
    wc.lpfnWndProc = host_proc;
    wc.lpszClassName = "CallsHost";
    EXPECT(WextlRegisterClassA(&wc) != 0);
    HWND host = WextlCreateWindowExA(0, "CallsHost", "", WS_VISIBLE, 0, 0, 200, 100, NULL, NULL,
                                     NULL, NULL);
    HWND edit = WextlCreateWindowExA(0, "KEDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 150, 24, host,
                                     (HMENU)1, NULL, NULL);
    EXPECT(host != NULL && edit != NULL);
    if (host == NULL || edit == NULL) {
        return 1;
    }
    stock_objects(host);
    cursors(host, edit);
    classes();
    message_boxes(host);
    WextlDestroyWindow(host);
    return g_failures == 0 ? 0 : 1;
}
