/* A C host on the installed header that destroys the control or its parent from every
 * notification and call-out, on the real Qt backend (offscreen): each case must end with the
 * handle refused and nothing else disturbed. Run under valgrind or the sanitizers, it shows
 * that no freed memory is touched. Exit status 0 when every case holds. */
#include <stdio.h>
#include <string.h>

#include "wextl/wextl.h"

enum { kVictimControl, kVictimParent };

static UINT g_message;  /* what the host reacts to */
static WORD g_code;     /* the notification code, for WM_COMMAND from the control */
static HWND g_victim;
static int g_destroyed;

static void destroy_victim(void) {
    if (g_victim != NULL && !g_destroyed) {
        g_destroyed = 1;
        WextlDestroyWindow(g_victim);
    }
}

static LRESULT host_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    int matches = message == g_message;
    if (message == WM_COMMAND && matches) {
        matches = g_code == 0 ? lParam == 0 : (lParam != 0 && HIWORD(wParam) == g_code);
    }
    if (matches) {
        destroy_victim();
    }
    if (message == DM_GETDEFID) {
        return MAKELONG(IDOK, DC_HASDEFID);
    }
    return WextlDefWindowProcA(hwnd, message, wParam, lParam);
}

static int destroying_hook(const WEXTL_UIREQUEST* request, void* context) {
    (void)request;
    (void)context;
    destroy_victim();
    return -2;
}

struct Case {
    const char* name;
    UINT message;
    WORD code;
    DWORD style;
};

static const struct Case kCases[] = {
    {"type", WM_COMMAND, EN_UPDATE, ES_MULTILINE},
    {"type", WM_COMMAND, EN_CHANGE, ES_MULTILINE},
    {"full", WM_COMMAND, EN_MAXTEXT, ES_MULTILINE},
    {"enter", DM_GETDEFID, 0, 0},
    {"enter", WM_COMMAND, 0, 0},
    {"tab", WM_NEXTDLGCTL, 0, ES_MULTILINE},
    {"paste", WM_COMMAND, EN_UPDATE, ES_MULTILINE},
    {"paste", WM_COMMAND, EN_CHANGE, ES_MULTILINE},
    {"ime", WM_COMMAND, EN_UPDATE, ES_MULTILINE},
    {"ime", WM_COMMAND, EN_CHANGE, ES_MULTILINE},
    {"clear", WM_COMMAND, EN_CHANGE, ES_MULTILINE},
    {"delete", WM_COMMAND, EN_UPDATE, ES_MULTILINE},
    {"click", WM_COMMAND, EN_SETFOCUS, ES_MULTILINE},
    {"blur", WM_COMMAND, EN_KILLFOCUS, ES_MULTILINE},
    {"repaint", WM_CTLCOLOREDIT, 0, ES_MULTILINE},
    {"menu", 0, 0, ES_MULTILINE},
    {"dialog", 0, 0, ES_MULTILINE | ES_CHARFONT},
};

static void trigger(const char* name, HWND edit, HWND other) {
    static const WCHAR kana[] = {0x304B, 0x306A};
    static const WCHAR clip[] = {'X', 'Y', 0};
    if (strcmp(name, "type") == 0 || strcmp(name, "full") == 0) {
        WextlSendMessageA(edit, WM_CHAR, 'x', 0);
    } else if (strcmp(name, "enter") == 0) {
        WextlSendMessageA(edit, WM_CHAR, 13, 0);
    } else if (strcmp(name, "tab") == 0) {
        WextlSendMessageA(edit, WM_CHAR, 9, 0);
    } else if (strcmp(name, "paste") == 0) {
        WextlOpenClipboard(NULL);
        WextlEmptyClipboard();
        WextlSetClipboardData(CF_UNICODETEXT, clip, sizeof clip);
        WextlCloseClipboard();
        WextlSendMessageA(edit, WM_PASTE, 0, 0);
    } else if (strcmp(name, "ime") == 0) {
        WextlImmCommitStringW(edit, kana, 2);
    } else if (strcmp(name, "clear") == 0) {
        WextlSendMessageA(edit, WM_CLEAR, 0, 0);
    } else if (strcmp(name, "delete") == 0) {
        WextlSendMessageA(edit, WM_KEYDOWN, VK_DELETE, 0);
    } else if (strcmp(name, "click") == 0) {
        WextlSendMessageA(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
        WextlSendMessageA(edit, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    } else if (strcmp(name, "blur") == 0) {
        WextlSetFocus(other);
    } else if (strcmp(name, "repaint") == 0) {
        WextlInvalidateRect(edit, NULL, 1);
        WextlUpdateWindow(edit); /* a real paint event of the Qt peer */
    } else if (strcmp(name, "menu") == 0) {
        WextlSendMessageA(edit, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(4, 4));
    } else if (strcmp(name, "dialog") == 0) {
        WextlSendMessageA(edit, WM_COMMAND, KEDIT_CMD_CHARFONT, 0);
    }
    WextlPumpMessages(20);
}

int main(void) {
    WNDCLASSA host;
    memset(&host, 0, sizeof host);
    host.lpfnWndProc = host_proc;
    host.lpszClassName = "DestroyingHost";
    if (WextlRegisterClassA(&host) == 0) {
        fprintf(stderr, "cannot register the host class\n");
        return 1;
    }
    int failures = 0;
    for (size_t i = 0; i < sizeof kCases / sizeof kCases[0]; ++i) {
        for (int victim = kVictimControl; victim <= kVictimParent; ++victim) {
            const struct Case* c = &kCases[i];
            HWND parent = WextlCreateWindowExA(0, "DestroyingHost", "", WS_VISIBLE, 0, 0, 300,
                                               200, NULL, NULL, NULL, NULL);
            HWND edit = WextlCreateWindowExA(0, "KEDIT", "", WS_CHILD | WS_VISIBLE | c->style, 0,
                                             0, 200, 60, parent, (HMENU)7, NULL, NULL);
            HWND other = WextlCreateWindowExA(0, "KEDIT", "", WS_CHILD | WS_VISIBLE, 0, 70, 200,
                                              30, parent, (HMENU)8, NULL, NULL);
            if (parent == NULL || edit == NULL || other == NULL) {
                fprintf(stderr, "cannot create the windows\n");
                return 1;
            }
            static const WCHAR text[] = {'a', 'b', 'c', 'd', 0};
            WextlSendMessageA(edit, KEM_SETTEXT, 1, (LPARAM)text);
            WextlSendMessageA(edit, EM_SETSEL, 1, 3);
            if (strcmp(c->name, "full") == 0) {
                WextlSendMessageA(edit, EM_SETSEL, 0, 0);
                WextlSendMessageA(edit, EM_LIMITTEXT, 4, 0);
            }
            WextlShowWindow(parent, SW_SHOW);
            if (strcmp(c->name, "blur") == 0) {
                WextlSetFocus(edit);
            }
            g_message = c->message;
            g_code = c->code;
            g_victim = victim == kVictimControl ? edit : parent;
            g_destroyed = 0;
            WextlSetUiHook(c->message == 0 ? destroying_hook : NULL, NULL);
            trigger(c->name, edit, other);
            WextlSetUiHook(NULL, NULL);
            const int ok = g_destroyed && !WextlIsWindow(g_victim) &&
                           WextlSendMessageA(g_victim, KEM_GETTEXTLENGTH, 1, 0) == 0;
            if (!ok) {
                fprintf(stderr, "%s (%u/%u), victim %s: not destroyed as asked\n", c->name,
                        c->message, c->code, victim == kVictimControl ? "control" : "parent");
                ++failures;
            }
            g_victim = NULL;
            WextlDestroyWindow(parent);
            WextlPumpMessages(0);
        }
    }
    printf("%d failed\n", failures);
    return failures == 0 ? 0 : 1;
}
