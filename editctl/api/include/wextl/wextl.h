#ifndef WEXTL_WEXTL_H
#define WEXTL_WEXTL_H

/* Wextl: the KEDIT text-edit control and the small Win32-style window system it lives in.

   Every function has the semantics of the Win32 function of the same name without the
   prefix; handles of destroyed or unknown objects are refused (0 and no effect). Plain C
   (C11); compiles as C and as C++.

   The process: loading the library registers the KEDIT class. The window system starts with
   the first window: the library makes its own QApplication then, unless the host made one
   already, and needs a display (QT_QPA_PLATFORM=offscreen runs without one). Everything runs
   on the thread that loaded the library; no function may be called from another thread.

   The loop: a host runs one of three loops. Its own Win32 loop (WextlGetMessageA,
   WextlTranslateMessage, WextlDispatchMessageA) until WM_QUIT; Qt's loop
   (QApplication::exec), from which the library dispatches what is posted and due; or, in
   scripts, WextlPumpMessages now and then. Keys are queued as WM_KEYDOWN and WM_KEYUP behind
   posted messages, as in Win32, and WextlTranslateMessage posts the WM_CHARs they type; the
   library translates and dispatches them itself only while no WextlGetMessageA,
   WextlPeekMessageA or WextlPumpMessages of the host runs.

   Text: narrow text is CP932 (Shift_JIS); wide text is UTF-16. WM_CHAR carries one CP932
   byte: a double-byte character arrives as two WM_CHARs, lead byte first.

   The control's private messages:
     KEM_GETTEXTLENGTH  wParam 0: the CP932 length of the control text plus 1 (the
                        terminator); wParam non-zero: its length in UTF-16 units.
     KEM_GETTEXT        LOWORD(wParam) is the buffer's size in units, lParam the buffer;
                        HIWORD(wParam) 0 copies CP932 and returns the bytes copied plus 1, or
                        0 (and a zeroed buffer) if the text does not fit; HIWORD(wParam)
                        non-zero copies UTF-16, cut to fit, and returns the units copied.
     KEM_SETTEXT        lParam a 0-terminated text, CP932 with wParam 0 or UTF-16 with wParam
                        non-zero; replaces the control text (an undoable edit); 1 on success.
   The window text of a KEDIT (WM_SETTEXT, WM_GETTEXT) is its window's own text, not the
   control text: the control text goes through the KEM_ messages. */

#include "wextl/win32.h"

#ifdef __cplusplus
extern "C" {
#endif

/* ---- The library ------------------------------------------------------------------- */

/* Does nothing: linking against it makes a host load the library, which registers KEDIT. */
WEXTL_API void WextlEntry(void);
WEXTL_API BOOL WextlIsClassRegistered(const char* className);

/* ---- Errors ----------------------------------------------------------------------- */

/* The code of the last failure, as Win32 keeps it; a call that succeeds leaves it as it was.
   Creating a window sets ERROR_CANNOT_FIND_WND_CLASS (no such class),
   ERROR_INVALID_WINDOW_HANDLE (the parent is no window), ERROR_TLW_WITH_WSCHILD (WS_CHILD and
   no parent), ERROR_CANCELLED (WM_NCCREATE answered FALSE or WM_CREATE -1, unless the window
   procedure set a code of its own) or ERROR_DEVICE_NOT_AVAILABLE (the window system could
   not start: no display). Functions given a handle that is no window set
   ERROR_INVALID_WINDOW_HANDLE. */
WEXTL_API DWORD WextlGetLastError(void);
WEXTL_API void WextlSetLastError(DWORD code);

/* ---- Classes and windows ----------------------------------------------------------- */

/* A class's hCursor is a standard cursor (LoadCursorA(NULL, IDC_…)) or null. UnregisterClassA
   refuses a class with windows (ERROR_CLASS_HAS_WINDOWS) and the library's own KEDIT
   (ERROR_CLASS_DOES_NOT_EXIST, as for a class of another module). */
WEXTL_API WORD WextlRegisterClassA(const WNDCLASSA* windowClass);
WEXTL_API BOOL WextlUnregisterClassA(const char* className, HINSTANCE instance);
WEXTL_API HWND WextlCreateWindowExA(DWORD exStyle, const char* className, const char* windowName,
                                    DWORD style, int x, int y, int width, int height, HWND parent,
                                    HMENU menuOrId, HINSTANCE instance, void* param);
WEXTL_API BOOL WextlDestroyWindow(HWND hwnd);
WEXTL_API BOOL WextlIsWindow(HWND hwnd);
WEXTL_API HWND WextlGetParent(HWND hwnd);
WEXTL_API LONG_PTR WextlGetWindowLongPtrA(HWND hwnd, int index);
WEXTL_API LONG_PTR WextlSetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value);
WEXTL_API BOOL WextlGetClientRect(HWND hwnd, RECT* rect);
WEXTL_API BOOL WextlMoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
WEXTL_API BOOL WextlShowWindow(HWND hwnd, int command);
/* A disabled window (WS_DISABLED) gets no keyboard or mouse input and takes no focus. */
WEXTL_API BOOL WextlEnableWindow(HWND hwnd, BOOL enable);
WEXTL_API BOOL WextlIsWindowEnabled(HWND hwnd);
/* The window's rectangle in screen coordinates; visible when it and every ancestor have
   WS_VISIBLE. A child's control ID is the menuOrId it was created with; GetDlgItem finds a
   direct child by it (ERROR_CONTROL_ID_NOT_FOUND if none). */
WEXTL_API BOOL WextlGetWindowRect(HWND hwnd, RECT* rect);
WEXTL_API BOOL WextlIsWindowVisible(HWND hwnd);
WEXTL_API int WextlGetDlgCtrlID(HWND hwnd);
WEXTL_API HWND WextlGetDlgItem(HWND dialog, int id);
/* The window's own text, through WM_SETTEXT and WM_GETTEXT: for a KEDIT this is not the
   control text (see KEM_GETTEXT). GetWindowTextA copies at most capacity - 1 bytes and a
   terminator and returns the bytes copied. */
WEXTL_API BOOL WextlSetWindowTextA(HWND hwnd, const char* text);
WEXTL_API int WextlGetWindowTextA(HWND hwnd, char* buffer, int capacity);
WEXTL_API int WextlGetWindowTextLengthA(HWND hwnd);
WEXTL_API int WextlGetSystemMetrics(int index);
/* SetWindowPos moves and sizes (unless SWP_NOMOVE or SWP_NOSIZE) and shows or hides
   (SWP_SHOWWINDOW, SWP_HIDEWINDOW); the z-order is not kept and its flags are accepted.
   EnumChildWindows visits every descendant, each before its own children, until the callback
   answers FALSE; it may destroy windows. */
WEXTL_API BOOL WextlSetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int width, int height,
                                 UINT flags);
WEXTL_API BOOL WextlEnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam);
WEXTL_API BOOL WextlClientToScreen(HWND hwnd, POINT* point);
WEXTL_API BOOL WextlScreenToClient(HWND hwnd, POINT* point);

/* ---- Messages ---------------------------------------------------------------------- */

/* WextlPumpMessages dispatches what is posted and what timers are due, and returns once
   nothing is left or timeoutMs has passed: the number dispatched. */
WEXTL_API LRESULT WextlSendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
WEXTL_API BOOL WextlPostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
/* Calls `proc` (a window procedure a subclass replaced) with the message. */
WEXTL_API LRESULT WextlCallWindowProcA(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam,
                                       LPARAM lParam);
WEXTL_API LRESULT WextlDefWindowProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
WEXTL_API BOOL WextlGetMessageA(MSG* msg, HWND hwnd, UINT first, UINT last);
WEXTL_API BOOL WextlPeekMessageA(MSG* msg, HWND hwnd, UINT first, UINT last, UINT remove);
/* TranslateMessage: for WM_KEYDOWN (WM_SYSKEYDOWN), posts the WM_CHARs (WM_SYSCHARs) the key
   types: what the toolkit said for the operator's keys, what a US layout types for a key down
   the host posted. Nonzero for every key message. */
WEXTL_API BOOL WextlTranslateMessage(const MSG* msg);
WEXTL_API LRESULT WextlDispatchMessageA(const MSG* msg);
WEXTL_API void WextlPostQuitMessage(int exitCode);
WEXTL_API int WextlPumpMessages(int timeoutMs);
WEXTL_API UINT_PTR WextlSetTimer(HWND hwnd, UINT_PTR id, UINT intervalMs, TIMERPROC proc);
WEXTL_API BOOL WextlKillTimer(HWND hwnd, UINT_PTR id);

/* ---- Dialogs ---------------------------------------------------------------------- */

/* For a host's loop: keys for `dialog` or its descendants. Tab and Shift+Tab move the focus
   through the visible, enabled WS_TABSTOP children in creation order; Enter sends WM_COMMAND
   for the button DM_GETDEFID names (IDOK if none); Esc sends WM_COMMAND IDCANCEL; a control
   keeps the keys its WM_GETDLGCODE asks for (a KEDIT asks for all). Anything else is
   translated and dispatched. TRUE if the message was the dialog's, and then it must not be dispatched again. */
WEXTL_API BOOL WextlIsDialogMessageA(HWND dialog, MSG* msg);
/* A modal message box (Qt's) with the MB_* buttons, icon and default button; the texts are
   CP932, the buttons' Japanese ("はい(Y)", "キャンセル", …); a null caption is "エラー". The ID
   of the button pressed (Esc: IDCANCEL, or IDOK for MB_OK), or 0 (ERROR_INVALID_MSGBOX_STYLE
   for an unknown MB_ type, ERROR_DEVICE_NOT_AVAILABLE without a display). Posted messages and
   timers are dispatched while it is open; a UI hook answers it instead (WextlSetUiHook). */
WEXTL_API int WextlMessageBoxA(HWND owner, const char* text, const char* caption, UINT type);

/* ---- Input: focus, capture, keys, the mouse cursor, the caret, scroll bars --------- */

WEXTL_API HWND WextlSetFocus(HWND hwnd);
WEXTL_API HWND WextlGetFocus(void);
WEXTL_API HWND WextlSetCapture(HWND hwnd);
WEXTL_API BOOL WextlReleaseCapture(void);
WEXTL_API HWND WextlGetCapture(void);
WEXTL_API short WextlGetKeyState(int virtualKey);
/* The mouse cursor in screen coordinates. */
WEXTL_API BOOL WextlSetCursorPos(int x, int y);
/* The standard cursors only: LoadCursorA(NULL, IDC_…) gives a handle, anything else NULL
   (ERROR_RESOURCE_NAME_NOT_FOUND). SetCursor shows the cursor over the window the mouse is
   in (or the capture's) until the next WM_SETCURSOR, which the library sends as the mouse
   enters a window and at every button press; null hides it. A class's cursor is shown where
   no WM_SETCURSOR handler says otherwise. */
WEXTL_API HCURSOR WextlLoadCursorA(HINSTANCE instance, const char* name);
WEXTL_API HCURSOR WextlSetCursor(HCURSOR cursor);
WEXTL_API HCURSOR WextlGetCursor(void);
WEXTL_API BOOL WextlGetCursorPos(POINT* point);
WEXTL_API BOOL WextlGetCaretPos(POINT* pos);
WEXTL_API BOOL WextlGetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info);
WEXTL_API int WextlSetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, BOOL redraw);
WEXTL_API BOOL WextlMessageBeep(UINT type);

/* ---- Drawing: objects, colours, painting ------------------------------------------- */

/* WextlPrintWindow (for scripts and tests) paints the client area through the window's own
   WM_PAINT into width x height 32-bit 0xAARRGGBB pixels, top row first, strideBytes apart. */
/* Measuring as the control measures: GetDC gives a context with the default font selected
   (hwnd may be null), SelectObject selects a font or a brush into it (the previous one returned),
   GetTextExtentPoint32W sums the characters' extents as the control's layout does.
   GetTextMetricsA fills tmHeight, tmAveCharWidth, tmMaxCharWidth (a double-byte character),
   tmWeight, tmItalic, tmUnderlined, tmPitchAndFamily, tmCharSet and the character range;
   tmAscent, tmDescent and the leadings are 0. */
WEXTL_API HDC WextlGetDC(HWND hwnd);
WEXTL_API int WextlReleaseDC(HWND hwnd, HDC dc);
WEXTL_API HGDIOBJ WextlSelectObject(HDC dc, HGDIOBJ object);
/* The stock brushes (WHITE_BRUSH … NULL_BRUSH) and fonts (OEM_FIXED_FONT … DEFAULT_GUI_FONT:
   the desktop's default font, its monospaced one for the fixed fonts); NULL for pens and
   palettes (ERROR_INVALID_PARAMETER). DeleteObject on a stock object does nothing. */
WEXTL_API HGDIOBJ WextlGetStockObject(int index);
WEXTL_API BOOL WextlGetTextMetricsA(HDC dc, TEXTMETRICA* metrics);
WEXTL_API BOOL WextlGetTextExtentPoint32W(HDC dc, const WCHAR* text, int count, SIZE* size);
WEXTL_API HFONT WextlCreateFontIndirectA(const LOGFONTA* logFont);
WEXTL_API BOOL WextlDeleteObject(HGDIOBJ object);
WEXTL_API void WextlDeleteFont(HFONT font); /* WextlDeleteObject for a font */
WEXTL_API HBRUSH WextlCreateSolidBrush(COLORREF color);
WEXTL_API HBRUSH WextlGetSysColorBrush(int index);
WEXTL_API COLORREF WextlGetSysColor(int index);
WEXTL_API COLORREF WextlSetTextColor(HDC dc, COLORREF color);
WEXTL_API COLORREF WextlSetBkColor(HDC dc, COLORREF color);
WEXTL_API int WextlSetBkMode(HDC dc, int mode);
WEXTL_API BOOL WextlUpdateWindow(HWND hwnd);
WEXTL_API BOOL WextlInvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
WEXTL_API HDC WextlBeginPaint(HWND hwnd, PAINTSTRUCT* paint);
WEXTL_API BOOL WextlEndPaint(HWND hwnd, const PAINTSTRUCT* paint);
WEXTL_API int WextlFillRect(HDC dc, const RECT* rect, HBRUSH brush);
WEXTL_API BOOL WextlTextOutW(HDC dc, int x, int y, const WCHAR* text, int count);
WEXTL_API BOOL WextlPrintWindow(HWND hwnd, uint32_t* pixels, int width, int height,
                                int strideBytes);

/* ---- Fonts: the catalogue and the enumeration callbacks ---------------------------- */

/* The catalogue: number of families (or of full names with a non-zero flag), one family's
   LOGFONTA (1, or 0 for an index out of range), the index of a name (-1 if none). */
WEXTL_API int WextlFontCatalogCount(BOOL fullNames);
WEXTL_API BOOL WextlFontCatalogFamily(int index, LOGFONTA* out);
WEXTL_API int WextlFontCatalogFind(const char* name, BOOL fullNames);

#ifdef __cplusplus
}
#endif

/* The four font-enumeration callbacks, shaped for EnumFontFamiliesA, and the records they
   fill (passed through the last argument). A caller sizes the arrays with a counting pass
   before a collecting pass: the collecting callbacks write at index `count`. Each returns 1
   so that an enumeration is never cut short. */
#ifndef WEXTL_FONT_CALLBACKS_H
#define WEXTL_FONT_CALLBACKS_H

/* Record of CB_FontFamilyCount (the first two fields) and CB_FontFamilyInfo. */
typedef struct KEFamilyRecord {
    int32_t count;
    int32_t typeFilter; /* -1 accepts every font type */
    int32_t* types;
    LOGFONTA* families;
} KEFamilyRecord;

/* Record of CB_FontFullNameCount and CB_FontFullNameInfo. */
typedef struct KEFullNameRecord {
    int32_t count;
    int32_t reserved; /* not read by the callbacks */
    ENUMLOGFONTA* fullNames;
} KEFullNameRecord;

typedef int (*KEFamilyProc)(const LOGFONTA*, const TEXTMETRICA*, int, LPARAM);
typedef int (*KEStyleProc)(const ENUMLOGFONTA*, const NEWTEXTMETRICA*, int, LPARAM);

#ifdef __cplusplus
extern "C" {
#endif
WEXTL_API int CB_FontFamilyCount(const LOGFONTA* logFont, const TEXTMETRICA* metric, int fontType,
                                 LPARAM record);
WEXTL_API int CB_FontFamilyInfo(const LOGFONTA* logFont, const TEXTMETRICA* metric, int fontType,
                                LPARAM record);
WEXTL_API int CB_FontFullNameCount(const ENUMLOGFONTA* logFont, const NEWTEXTMETRICA* metric,
                                   int fontType, LPARAM record);
WEXTL_API int CB_FontFullNameInfo(const ENUMLOGFONTA* logFont, const NEWTEXTMETRICA* metric,
                                  int fontType, LPARAM record);
#ifdef __cplusplus
}
#endif
#endif /* WEXTL_FONT_CALLBACKS_H */

/* ---- Clipboard and input method ---------------------------------------------------- */

/* The UI hook (for scripts and tests): while a hook is set, the control's context menu and
   change-character dialog and WextlMessageBoxA's boxes are not shown; the hook is called
   with what would be shown and returns the operator's answer. */
#ifndef WEXTL_UIHOOK_H
#define WEXTL_UIHOOK_H

typedef struct {
    UINT id;
    UINT flags;       /* MF_GRAYED, MF_SEPARATOR */
    const char* text; /* UTF-8 */
} WEXTL_UIITEM;

#define WEXTL_UI_CONTEXTMENU 1
#define WEXTL_UI_CHARFONTDIALOG 2
#define WEXTL_UI_MESSAGEBOX 3

typedef struct {
    int kind;                  /* WEXTL_UI_CONTEXTMENU, _CHARFONTDIALOG or _MESSAGEBOX */
    HWND owner;                /* the control */
    POINT screenPoint;         /* the menu: where it would open */
    const char* caption;       /* the dialog and the message box: the caption, UTF-8 */
    int count;                 /* the menu: its items; the dialog: its list entries; the
                                  message box: its buttons */
    const WEXTL_UIITEM* items; /* in menu order, the dialog's list in list order, or the
                                  message box's buttons (id: IDOK, IDCANCEL, …) in order */
    int selected;              /* the dialog: the preselected entry, or -1; the message box:
                                  the default button's index */
    const char* text;          /* the message box: its text, UTF-8 */
} WEXTL_UIREQUEST;

/* The answer: the menu, the chosen command ID or 0 for none; the dialog, -2 for Cancel, -1 for
   OK with no entry selected, k for OK with entry k selected; the message box, the ID of the
   button pressed (any other answer is Esc: IDCANCEL, or IDOK for MB_OK, else the default
   button). */
typedef int (*WEXTL_UIHOOK)(const WEXTL_UIREQUEST* request, void* context);

#endif /* WEXTL_UIHOOK_H */

#ifdef __cplusplus
extern "C" {
#endif

/* The clipboard, as Win32's: CF_TEXT (0-terminated CP932) and CF_UNICODETEXT (0-terminated
   UTF-16). SetClipboardData copies `bytes` bytes (the terminator included). GetClipboardData
   copies the block into `buffer` if it fits in `capacity` bytes and returns its size in
   bytes, terminator included; with a null buffer it returns the size the block needs; 0 if
   the clipboard is not open, holds no such block or the block does not fit. */
WEXTL_API BOOL WextlOpenClipboard(HWND owner);
WEXTL_API BOOL WextlCloseClipboard(void);
WEXTL_API BOOL WextlEmptyClipboard(void);
WEXTL_API BOOL WextlIsClipboardFormatAvailable(UINT format);
WEXTL_API BOOL WextlSetClipboardData(UINT format, const void* data, size_t bytes);
WEXTL_API size_t WextlGetClipboardData(UINT format, void* buffer, size_t capacity);

/* The input method: where the composition window was last placed, and (for scripts and
   tests) a finished composition delivered to the window as WM_IME_COMPOSITION with
   GCS_RESULTSTR, as if the operator had typed it through an input method. */
WEXTL_API BOOL WextlImmGetCompositionWindow(HWND hwnd, COMPOSITIONFORM* form);
WEXTL_API BOOL WextlImmCommitStringW(HWND hwnd, const WCHAR* text, int count);

/* Null shows the menu and the dialog again. */
WEXTL_API void WextlSetUiHook(WEXTL_UIHOOK hook, void* context);

#ifdef __cplusplus
}
#endif

#endif /* WEXTL_WEXTL_H */
