"""The records, types and constants the script hosts share, and the library's functions with
their ctypes signatures. The constants are read from the installed header wextl/win32.h
itself, so a script can never disagree with the library about a value."""
import ctypes as C
import os
import re

HWND = C.c_void_p
WPARAM = C.c_size_t
LPARAM = C.c_ssize_t
LRESULT = C.c_ssize_t
WNDPROC = C.CFUNCTYPE(LRESULT, HWND, C.c_uint, WPARAM, LPARAM)

HEADER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "editctl", "api",
                      "include", "wextl", "win32.h")


def _read_constants(path):
    """Object-like #defines whose values are integer expressions of earlier ones."""
    names = {}
    with open(path, encoding="utf-8") as header:
        for line in header:
            match = re.match(r"#define ([A-Z_][A-Z0-9_]*) +(.+?)\s*(/\*.*)?$", line)
            if not match:
                continue
            value = match.group(2).replace("0x80000000u", "-0x80000000").replace("(int)", "")
            if not re.fullmatch(r"[\w\s()+|\-]+", value):
                continue
            try:
                names[match.group(1)] = eval(value, {"__builtins__": {}}, dict(names))
            except (NameError, SyntaxError):
                pass
    return names


globals().update(_read_constants(HEADER))


class POINT(C.Structure):
    _fields_ = [("x", C.c_int32), ("y", C.c_int32)]


class RECT(C.Structure):
    _fields_ = [("left", C.c_int32), ("top", C.c_int32), ("right", C.c_int32),
                ("bottom", C.c_int32)]


class SIZE(C.Structure):
    _fields_ = [("cx", C.c_int32), ("cy", C.c_int32)]


class MSG(C.Structure):
    _fields_ = [("hwnd", HWND), ("message", C.c_uint), ("wParam", WPARAM), ("lParam", LPARAM),
                ("time", C.c_uint32), ("pt", POINT)]


class WNDCLASSA(C.Structure):
    _fields_ = [("style", C.c_uint), ("lpfnWndProc", WNDPROC), ("cbClsExtra", C.c_int),
                ("cbWndExtra", C.c_int), ("hInstance", C.c_void_p), ("hIcon", C.c_void_p),
                ("hCursor", C.c_void_p), ("hbrBackground", C.c_void_p),
                ("lpszMenuName", C.c_char_p), ("lpszClassName", C.c_char_p)]


class LOGFONTA(C.Structure):
    _fields_ = [("lfHeight", C.c_int32), ("lfWidth", C.c_int32), ("lfEscapement", C.c_int32),
                ("lfOrientation", C.c_int32), ("lfWeight", C.c_int32), ("lfItalic", C.c_ubyte),
                ("lfUnderline", C.c_ubyte), ("lfStrikeOut", C.c_ubyte),
                ("lfCharSet", C.c_ubyte), ("lfOutPrecision", C.c_ubyte),
                ("lfClipPrecision", C.c_ubyte), ("lfQuality", C.c_ubyte),
                ("lfPitchAndFamily", C.c_ubyte), ("lfFaceName", C.c_char * 32)]


class SCROLLINFO(C.Structure):
    _fields_ = [("cbSize", C.c_uint), ("fMask", C.c_uint), ("nMin", C.c_int), ("nMax", C.c_int),
                ("nPage", C.c_uint), ("nPos", C.c_int), ("nTrackPos", C.c_int)]


class UIITEM(C.Structure):
    _fields_ = [("id", C.c_uint), ("flags", C.c_uint), ("text", C.c_char_p)]


class UIREQUEST(C.Structure):
    _fields_ = [("kind", C.c_int), ("owner", HWND), ("screenPoint", POINT),
                ("caption", C.c_char_p), ("count", C.c_int), ("items", C.POINTER(UIITEM)),
                ("selected", C.c_int), ("text", C.c_char_p)]


UIHOOK = C.CFUNCTYPE(C.c_int, C.POINTER(UIREQUEST), C.c_void_p)

# Layouts fixed by the header's own static assertions.
assert C.sizeof(LOGFONTA) == 60 and C.sizeof(SCROLLINFO) == 28 and C.sizeof(POINT) == 8

_SIGNATURES = [
    ("WextlRegisterClassA", C.c_uint16, [C.POINTER(WNDCLASSA)]),
    ("WextlCreateWindowExA", HWND, [C.c_uint32, C.c_char_p, C.c_char_p, C.c_uint32, C.c_int,
                                    C.c_int, C.c_int, C.c_int, HWND, C.c_void_p, C.c_void_p,
                                    C.c_void_p]),
    ("WextlDestroyWindow", C.c_int, [HWND]),
    ("WextlSendMessageA", LRESULT, [HWND, C.c_uint, WPARAM, LPARAM]),
    ("WextlPostMessageA", C.c_int, [HWND, C.c_uint, WPARAM, LPARAM]),
    ("WextlDefWindowProcA", LRESULT, [HWND, C.c_uint, WPARAM, LPARAM]),
    ("WextlPumpMessages", C.c_int, [C.c_int]),
    ("WextlCreateFontIndirectA", C.c_void_p, [C.POINTER(LOGFONTA)]),
    ("WextlSetFocus", HWND, [HWND]),
    ("WextlGetCapture", HWND, []),
    ("WextlGetCaretPos", C.c_int, [C.POINTER(POINT)]),
    ("WextlGetScrollInfo", C.c_int, [HWND, C.c_int, C.POINTER(SCROLLINFO)]),
    ("WextlGetKeyState", C.c_short, [C.c_int]),
    ("WextlPrintWindow", C.c_int, [HWND, C.POINTER(C.c_uint32), C.c_int, C.c_int, C.c_int]),
    ("WextlOpenClipboard", C.c_int, [HWND]),
    ("WextlSetClipboardData", C.c_int, [C.c_uint, C.c_void_p, C.c_size_t]),
    ("WextlGetClipboardData", C.c_size_t, [C.c_uint, C.c_void_p, C.c_size_t]),
    ("WextlImmCommitStringW", C.c_int, [HWND, C.c_void_p, C.c_int]),
    ("WextlSetUiHook", None, [UIHOOK, C.c_void_p]),
    ("WextlGetLastError", C.c_uint32, []),
    ("WextlSetLastError", None, [C.c_uint32]),
]


def load(path):
    """The library at `path` with the signatures above set on the functions it has."""
    lib = C.CDLL(path)
    for name, result, arguments in _SIGNATURES:
        if hasattr(lib, name):
            function = getattr(lib, name)
            function.restype = result
            function.argtypes = arguments
    return lib
