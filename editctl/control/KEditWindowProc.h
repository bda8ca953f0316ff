#pragma once

#include "editctl/model/WextlWin32.h"

// The window procedure of class KEDIT: one switch that hands each message to its handler.
// The handlers live in files by concern:
//   KEditLifecycle   WM_CREATE, WM_DESTROY, WM_SETFOCUS, WM_KILLFOCUS, WM_SETFONT,
//                    WM_GETDLGCODE
//   KEditKeyboard    WM_KEYDOWN, WM_CHAR, WM_SYSKEYDOWN
//   KEditCommands    WM_COMMAND (the menu's and the keys' commands)
//   KEditTextMessages EM_*, KEM_GETTEXTLENGTH, KEM_GETTEXT, KEM_SETTEXT
//   KEditPaint       WM_PAINT;  KEditCaret: placing the caret;  KEditScroll: WM_VSCROLL
//                    and the scroll bar
//   KEditMouse       WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_TIMER
//   KEditClipboard   WM_CUT, WM_COPY, WM_PASTE, WM_CLEAR
//   KEditIme         WM_IME_COMPOSITION
//   KEditContextMenu WM_RBUTTONDOWN and the change-character command
//   KEditScroll      also WM_MOUSEWHEEL
// Every change of the text from input goes through KEReplaceSelection (KEditEditing).
LRESULT KEditWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

class CKEClassRegistry;

// Registers class KEDIT as the library does at load: double clicks, the parent's context,
// global, one pointer-sized slot for the record, the I-beam and the window colour.
bool KERegisterEditClass(CKEClassRegistry& classes);
