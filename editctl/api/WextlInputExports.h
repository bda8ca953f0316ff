#pragma once

/* The C interface of the control's input paths besides the keyboard: the mouse cursor, the
   clipboard, the composition window and the UI hook for the context menu and the
   change-character dialog. */

#include "editctl/model/WextlUiHook.h"
#include "editctl/model/WextlWin32.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The mouse cursor in screen coordinates. */
WEXTL_API BOOL WextlSetCursorPos(int x, int y);
WEXTL_API BOOL WextlGetCursorPos(POINT* point);

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

/* Where the composition window was last placed. */
WEXTL_API BOOL WextlImmGetCompositionWindow(HWND hwnd, COMPOSITIONFORM* form);

/* While a hook is set, the context menu and the change-character dialog are not shown: the
   hook is called with what would be shown and returns the operator's answer. Null: show them
   again. */
WEXTL_API void WextlSetUiHook(WEXTL_UIHOOK hook, void* context);

#ifdef __cplusplus
}
#endif
