#!/usr/bin/env python3
"""Drives a KEDIT through libwextl.so as a script host would, using only the interface of
wextl/wextl.h: selects with mouse messages, puts text on the clipboard in either format and
pastes it, commits input-method text, and answers the context menu and the change-character
dialog through the UI hook. Run under QT_QPA_PLATFORM=offscreen; exits non-zero on a fault."""

import ctypes as C
import os
import sys

LIB = sys.argv[1] if len(sys.argv) > 1 else os.environ.get("WEXTL_LIBRARY", "libwextl.so")
sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
from wextl_win32 import *  # noqa: E402,F401,F403 (the records and constants of wextl/win32.h)
import wextl_win32  # noqa: E402

w = wextl_win32.load(LIB)
if not hasattr(w, "WextlCreateWindowExA") or not hasattr(w, "WextlPumpMessages"):
    # A library without the exports this script tests is a broken build, not a skip.
    print("the library lacks WextlCreateWindowExA or WextlPumpMessages", file=sys.stderr)
    sys.exit(1)

notes = []


@WNDPROC
def host_proc(hwnd, msg, wp, lp):
    if msg == WM_COMMAND:
        notes.append(wp >> 16)
    return w.WextlDefWindowProcA(hwnd, msg, wp, lp)


failures = []


def check(what, got, want):
    if got != want:
        failures.append(f"{what}: got {got!r}, want {want!r}")


def lparam(x, y):
    return ((y & 0xFFFF) << 16) | (x & 0xFFFF)


def send(h, msg, wp=0, lp=0):
    return w.WextlSendMessageA(h, msg, wp, lp)


def text(h):
    buf = C.create_string_buffer(2 * 4096)
    n = send(h, KEM_GETTEXT, (1 << 16) | 4095, C.addressof(buf))
    return buf.raw[: 2 * n].decode("utf-16-le")


def set_text(h, s):
    data = C.create_string_buffer(s.encode("utf-16-le") + b"\0\0")
    return send(h, KEM_SETTEXT, 1, C.addressof(data))


def selection(h):
    a, b = C.c_uint32(), C.c_uint32()
    send(h, EM_GETSEL, C.addressof(a), C.addressof(b))
    return a.value, b.value


cls = WNDCLASSA()
cls.lpfnWndProc = host_proc
cls.lpszClassName = b"ScriptHost"
assert w.WextlRegisterClassA(C.byref(cls)), "RegisterClassA"
host = w.WextlCreateWindowExA(0, b"ScriptHost", b"", WS_VISIBLE, 0, 0, 400, 300, None, None,
                              None, None)
edit = w.WextlCreateWindowExA(0, b"KEDIT", b"", WS_CHILD | WS_VISIBLE | ES_MULTILINE |
                              ES_AUTOVSCROLL | ES_CHARFONT, 0, 0, 300, 200, host, C.c_void_p(5),
                              None, None)
assert edit, "CreateWindowExA KEDIT"

# Mouse: a click at the start, a Shift-click further on, a double click on a word.
set_text(edit, "foo bar baz")
send(edit, WM_LBUTTONDOWN, MK_LBUTTON, lparam(0, 2))
check("capture while the button is down", w.WextlGetCapture(), edit)
send(edit, WM_LBUTTONUP, 0, lparam(0, 2))
check("capture after the button", w.WextlGetCapture(), None)
send(edit, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, lparam(32767, 2))
send(edit, WM_LBUTTONUP, MK_SHIFT, lparam(32767, 2))
check("shift-click selects to the end", selection(edit), (0, 11))

# Clipboard: copy leaves both formats; a script's CF_TEXT alone pastes.
send(edit, WM_COPY)
assert w.WextlOpenClipboard(edit)
need = w.WextlGetClipboardData(CF_UNICODETEXT, None, 0)
check("CF_UNICODETEXT size with terminator", need, 24)
buf = C.create_string_buffer(need)
w.WextlGetClipboardData(CF_UNICODETEXT, buf, need)
check("CF_UNICODETEXT text", buf.raw[:-2].decode("utf-16-le"), "foo bar baz")
ansi = C.create_string_buffer(64)
check("CF_TEXT size", w.WextlGetClipboardData(CF_TEXT, ansi, 64), 12)
check("CF_TEXT bytes", ansi.value, b"foo bar baz")
w.WextlEmptyClipboard()
sjis = "日本".encode("cp932") + b"\0"
w.WextlSetClipboardData(CF_TEXT, sjis, len(sjis))
w.WextlCloseClipboard()
send(edit, EM_SETSEL, 4, 7)
send(edit, WM_PASTE)
check("paste of CF_TEXT alone", text(edit), "foo 日本 baz")

# Input method: committed text replaces the selection.
send(edit, EM_SETSEL, 0, 3)
committed = C.create_string_buffer("漢字".encode("utf-16-le") + b"\0\0")
w.WextlImmCommitStringW(edit, committed, 2)
check("committed text", text(edit), "漢字 日本 baz")

# The menu and the dialog through the hook.
requests = []
answers = [32776]


@UIHOOK
def hook(request, _context):
    r = request.contents
    items = [(r.items[i].id, r.items[i].flags, r.items[i].text) for i in range(r.count)]
    requests.append((r.kind, r.caption, items, r.selected))
    return answers.pop(0)


w.WextlSetUiHook(hook, None)
send(edit, WM_RBUTTONDOWN, 0, lparam(5, 5))
w.WextlPumpMessages(100)
check("menu request", requests[0][0], 1)
check("menu items", len(requests[0][2]), 10)
check("delete-all from the menu", text(edit), "")

set_text(edit, "ab")
send(edit, EM_SETSEL, 0, 2)
answers.append(-2)
send(edit, WM_COMMAND, 32777)
check("dialog request", requests[1][0], 2)
check("dialog caption", requests[1][1], "文字の変更".encode())
check("dialog first entry", requests[1][2][0][2], "(変更しない)".encode())
check("dialog preselection", requests[1][3], 0)
w.WextlSetUiHook(UIHOOK(), None)
w.WextlDestroyWindow.argtypes = [HWND]
w.WextlDestroyWindow(host)  # the host window and its KEDIT child, before the library unloads
w.WextlPumpMessages(0)

if failures:
    print("\n".join(failures))
    sys.exit(1)
print("input paths: all checks passed")
