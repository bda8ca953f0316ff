// wextl-demo: a host written against wextl/wextl.h alone. A window of its own class holds a
// single-line KEDIT with an "OK" default button and a multi-line KEDIT with per-character
// fonts; Tab and Shift+Tab move between them, and the parent prints the notifications it
// receives. `--quit-after MS` ends the run
// after MS milliseconds (for machines without a display).
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "wextl/wextl.h"

namespace {

constexpr int kSingleId = 100;
constexpr int kMultiId = 101;
constexpr UINT_PTR kQuitTimer = 1;

// The two controls, in Tab order.
HWND g_edits[2] = {nullptr, nullptr};

const char* CodeName(WORD code) {
    switch (code) {
        case EN_SETFOCUS:
            return "EN_SETFOCUS";
        case EN_KILLFOCUS:
            return "EN_KILLFOCUS";
        case EN_CHANGE:
            return "EN_CHANGE";
        case EN_UPDATE:
            return "EN_UPDATE";
        case EN_MAXTEXT:
            return "EN_MAXTEXT";
        default:
            return "?";
    }
}

LRESULT ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = WextlBeginPaint(hwnd, &ps);
        WextlFillRect(dc, &ps.rcPaint, WextlGetSysColorBrush(COLOR_BTNFACE));
        WextlSetBkMode(dc, TRANSPARENT);
        const WCHAR ok[] = {u'O', u'K'};
        WextlTextOutW(dc, (ps.rcPaint.right - 16) / 2, 2, ok, 2);
        WextlEndPaint(hwnd, &ps);
        return 0;
    }
    if (message == WM_LBUTTONUP) {
        WextlSendMessageA(WextlGetParent(hwnd), WM_COMMAND, IDOK, 0);
        return 0;
    }
    return WextlDefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case DM_GETDEFID:
            return MAKELONG(IDOK, DC_HASDEFID);
        case WM_NEXTDLGCTL: {
            // Tab (wParam 0) and Shift+Tab (1): with two controls, both go to the other one.
            WextlSetFocus(WextlGetFocus() == g_edits[0] ? g_edits[1] : g_edits[0]);
            return 0;
        }
        case WM_COMMAND:
            if (lParam != 0) {
                std::printf("control %u: %s\n", LOWORD(wParam), CodeName(HIWORD(wParam)));
            } else if (LOWORD(wParam) == IDOK) {
                std::printf("OK\n");
            }
            std::fflush(stdout);
            return 0;
        case WM_TIMER:
            if (wParam == kQuitTimer) {
                WextlDestroyWindow(hwnd);
            }
            return 0;
        case WM_DESTROY:
            WextlPostQuitMessage(0);
            return 0;
        default:
            return WextlDefWindowProcA(hwnd, message, wParam, lParam);
    }
}

}  // namespace

int main(int argc, char** argv) {
    int quitAfter = 0;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--quit-after") == 0) {
            quitAfter = std::atoi(argv[i + 1]);
        }
    }
    WNDCLASSA host{};
    host.lpfnWndProc = HostProc;
    host.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    host.lpszClassName = "WextlDemoHost";
    WNDCLASSA button{};
    button.lpfnWndProc = ButtonProc;
    button.lpszClassName = "WextlDemoButton";
    if (WextlRegisterClassA(&host) == 0 || WextlRegisterClassA(&button) == 0) {
        std::fprintf(stderr, "wextl-demo: cannot register the window classes\n");
        return 1;
    }
    HWND frame = WextlCreateWindowExA(0, "WextlDemoHost", "Wextl demo", WS_OVERLAPPEDWINDOW, 100,
                                      100, 480, 320, nullptr, nullptr, nullptr, nullptr);
    if (frame == nullptr) {
        std::fprintf(stderr, "wextl-demo: cannot create the window\n");
        return 1;
    }
    const DWORD child = WS_CHILD | WS_VISIBLE;
    HWND single = WextlCreateWindowExA(0, "KEDIT", "", child | WS_BORDER, 10, 10, 360, 26, frame,
                                       reinterpret_cast<HMENU>(kSingleId), nullptr, nullptr);
    WextlCreateWindowExA(0, "WextlDemoButton", "OK", child | WS_BORDER, 380, 10, 80, 26, frame,
                         reinterpret_cast<HMENU>(IDOK), nullptr, nullptr);
    HWND multi = WextlCreateWindowExA(0, "KEDIT", "",
                                      child | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN |
                                          ES_CHARFONT | WS_VSCROLL | WS_BORDER,
                                      10, 46, 450, 220, frame, reinterpret_cast<HMENU>(kMultiId),
                                      nullptr, nullptr);
    g_edits[0] = single;
    g_edits[1] = multi;
    LOGFONTA font{};
    font.lfHeight = -18;
    font.lfCharSet = SHIFTJIS_CHARSET;
    std::strcpy(font.lfFaceName, "Noto Sans CJK JP");
    HFONT japanese = WextlCreateFontIndirectA(&font);
    WextlSendMessageA(single, WM_SETFONT, reinterpret_cast<WPARAM>(japanese), 1);
    WextlSendMessageA(multi, WM_SETFONT, reinterpret_cast<WPARAM>(japanese), 1);
    const WCHAR greeting[] = u"日本語のテキスト\r\nKEDIT コントロール";
    WextlSendMessageA(multi, KEM_SETTEXT, 1, reinterpret_cast<LPARAM>(greeting));
    WextlShowWindow(frame, SW_SHOW);
    WextlSetFocus(single);
    if (quitAfter > 0) {
        WextlSetTimer(frame, kQuitTimer, static_cast<UINT>(quitAfter), nullptr);
    }
    MSG msg;
    while (WextlGetMessageA(&msg, nullptr, 0, 0) > 0) {
        WextlTranslateMessage(&msg);
        WextlDispatchMessageA(&msg);
    }
    WextlDeleteObject(japanese);
    return static_cast<int>(msg.wParam);
}
