"""A script drives a KEDIT through libwextl.so with ctypes alone, without a display: register
a parent class, create the control, give it a font, type with key messages, read text,
selection, caret and scroll information back, hear the parent's notifications, paint."""
import ctypes
import sys
from ctypes import POINTER, Structure, byref, c_char, c_char_p, c_int, c_int32, c_long
from ctypes import c_uint, c_uint16, c_uint32, c_void_p, c_size_t, c_ssize_t

lib = ctypes.CDLL(sys.argv[1])

LRESULT = c_ssize_t
WPARAM = c_size_t
LPARAM = c_ssize_t
WNDPROC = ctypes.CFUNCTYPE(LRESULT, c_void_p, c_uint, WPARAM, LPARAM)


class WNDCLASSA(Structure):
    _fields_ = [("style", c_uint), ("lpfnWndProc", WNDPROC), ("cbClsExtra", c_int),
                ("cbWndExtra", c_int), ("hInstance", c_void_p), ("hIcon", c_void_p),
                ("hCursor", c_void_p), ("hbrBackground", c_void_p),
                ("lpszMenuName", c_char_p), ("lpszClassName", c_char_p)]


class LOGFONTA(Structure):
    _fields_ = [("lfHeight", c_int32), ("lfWidth", c_int32), ("lfEscapement", c_int32),
                ("lfOrientation", c_int32), ("lfWeight", c_int32), ("rest", ctypes.c_ubyte * 8),
                ("lfFaceName", c_char * 32)]


class POINT(Structure):
    _fields_ = [("x", c_int32), ("y", c_int32)]


class SCROLLINFO(Structure):
    _fields_ = [("cbSize", c_uint), ("fMask", c_uint), ("nMin", c_int), ("nMax", c_int),
                ("nPage", c_uint), ("nPos", c_int), ("nTrackPos", c_int)]


WM_DESTROY, WM_SETFONT, WM_KEYDOWN, WM_KEYUP, WM_CHAR, WM_COMMAND = 2, 0x30, 0x100, 0x101, 0x102, 0x111
EM_GETSEL, KEM_GETTEXT, KEM_GETTEXTLENGTH = 0xB0, 0x60C, 0x604
VK_SHIFT, VK_CONTROL, VK_LEFT, VK_HOME = 0x10, 0x11, 0x25, 0x24
WS_CHILD, WS_VISIBLE, WS_BORDER, WS_VSCROLL = 0x40000000, 0x10000000, 0x00800000, 0x00200000
ES_MULTILINE, ES_AUTOVSCROLL, ES_WANTRETURN = 0x4, 0x40, 0x1000
EN_CHANGE = 0x300

for name, res, args in [
    ("WextlRegisterClassA", c_uint16, [POINTER(WNDCLASSA)]),
    ("WextlCreateWindowExA", c_void_p, [c_uint32, c_char_p, c_char_p, c_uint32, c_int, c_int,
                                        c_int, c_int, c_void_p, c_void_p, c_void_p, c_void_p]),
    ("WextlSendMessageA", LRESULT, [c_void_p, c_uint, WPARAM, LPARAM]),
    ("WextlDefWindowProcA", LRESULT, [c_void_p, c_uint, WPARAM, LPARAM]),
    ("WextlCreateFontIndirectA", c_void_p, [POINTER(LOGFONTA)]),
    ("WextlSetFocus", c_void_p, [c_void_p]),
    ("WextlGetCaretPos", c_int, [POINTER(POINT)]),
    ("WextlGetScrollInfo", c_int, [c_void_p, c_int, POINTER(SCROLLINFO)]),
    ("WextlGetKeyState", ctypes.c_short, [c_int]),
    ("WextlPrintWindow", c_int, [c_void_p, POINTER(c_uint32), c_int, c_int, c_int]),
    ("WextlPostMessageA", c_int, [c_void_p, c_uint, WPARAM, LPARAM]),
    ("WextlPumpMessages", c_int, [c_int]),
    ("WextlDestroyWindow", c_int, [c_void_p]),
]:
    getattr(lib, name).restype = res
    getattr(lib, name).argtypes = args

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
