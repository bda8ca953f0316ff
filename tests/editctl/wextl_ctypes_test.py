"""A script drives a KEDIT through libwextl.so with ctypes alone, without a display: register
a parent class, create the control, give it a font, type with key messages, read text,
selection, caret and scroll information back, hear the parent's notifications, paint."""
import ctypes
import os
import sys
from ctypes import POINTER, Structure, byref, c_char, c_char_p, c_int, c_int32, c_long
from ctypes import c_uint, c_uint16, c_uint32, c_void_p, c_size_t, c_ssize_t

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from wextl_win32 import *  # noqa: E402,F401,F403 (the records and constants of wextl/win32.h)
import wextl_win32  # noqa: E402

lib = wextl_win32.load(sys.argv[1])

notifications = []


@WNDPROC
def host_proc(hwnd, msg, wparam, lparam):
    if msg == WM_COMMAND and lparam:
        notifications.append((wparam & 0xFFFF, wparam >> 16))
        return 0
    return lib.WextlDefWindowProcA(hwnd, msg, wparam, lparam)


wc = WNDCLASSA(0, host_proc, 0, 0, None, None, None, None, None, b"ScriptHost")
assert lib.WextlRegisterClassA(byref(wc)) != 0
host = lib.WextlCreateWindowExA(0, b"ScriptHost", b"host", 0, 0, 0, 400, 300, None, None, None, None)
assert host
style = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN
edit = lib.WextlCreateWindowExA(0, b"KEDIT", b"", style, 0, 0, 300, 100, host, c_void_p(42), None, None)
assert edit
font = LOGFONTA()
font.lfHeight = -16
hfont = lib.WextlCreateFontIndirectA(byref(font))
assert hfont
lib.WextlSendMessageA(edit, WM_SETFONT, hfont, 1)
lib.WextlSetFocus(edit)


def send(msg, w=0, l=0):
    return lib.WextlSendMessageA(edit, msg, w, l)


for ch in b"hello\rworld":
    send(WM_CHAR, ch)
send(WM_KEYDOWN, VK_SHIFT)
assert lib.WextlGetKeyState(VK_SHIFT) & 0x8000
for _ in range(5):
    send(WM_KEYDOWN, VK_LEFT)
send(WM_KEYUP, VK_SHIFT)
assert not lib.WextlGetKeyState(VK_SHIFT) & 0x8000

raw = (c_uint16 * 64)()
n = send(KEM_GETTEXT, (64 & 0xFFFF) | (1 << 16), ctypes.addressof(raw))
text = bytes(raw)[: n * 2].decode("utf-16-le")
assert text == "hello\r\nworld", repr(text)
first, end = c_int32(), c_int32()
send(EM_GETSEL, ctypes.addressof(first), ctypes.addressof(end))
assert (first.value, end.value) == (7, 12), (first.value, end.value)

# Ctrl+Z undoes the typing; a second undo brings it back.
send(WM_KEYDOWN, VK_CONTROL)
send(WM_KEYDOWN, ord("Z"))
send(WM_KEYUP, ord("Z"))
assert send(KEM_GETTEXTLENGTH, 1) == 0
send(WM_KEYDOWN, ord("Z"))
send(WM_KEYUP, VK_CONTROL)
assert send(KEM_GETTEXTLENGTH, 1) == 12

caret = POINT()
assert lib.WextlGetCaretPos(byref(caret))
assert caret.y > 0, caret.y
info = SCROLLINFO(ctypes.sizeof(SCROLLINFO), 0x17)
assert lib.WextlGetScrollInfo(edit, 1, byref(info))
assert (info.nMin, info.nMax) == (0, 0)  # two rows: nothing to scroll
assert (42, EN_CHANGE) in notifications

# Posted messages arrive through the pump; the undo brought back the selection of "world",
# which the typed character replaces.
lib.WextlPostMessageA(edit, WM_CHAR, ord("!"), 0)
assert lib.WextlPumpMessages(100) == 1
assert send(KEM_GETTEXTLENGTH, 1) == 8

width, height = 280, 96
pixels = (c_uint32 * (width * height))()
assert lib.WextlPrintWindow(edit, pixels, width, height, width * 4)
dark = sum(1 for p in pixels if (p & 0xFF) < 0x80)
assert dark > 20, dark  # some text was painted
assert pixels[0] == 0xFFFFFFFF  # the window-colour background

assert lib.WextlDestroyWindow(host)
assert send(KEM_GETTEXTLENGTH, 1) == 0  # a destroyed window answers 0
print("ok")
