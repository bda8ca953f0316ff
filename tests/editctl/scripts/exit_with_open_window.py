"""A host that ends without destroying its KEDIT windows must exit cleanly: the library's
own application and windows are left to the end of the process, not torn down after Qt's
platform plugin has gone."""
import ctypes
import sys
from ctypes import c_char_p, c_int, c_uint32, c_void_p

lib = ctypes.CDLL(sys.argv[1])
create = lib.WextlCreateWindowExA
create.restype = c_void_p
create.argtypes = [c_uint32, c_char_p, c_char_p, c_uint32, c_int, c_int, c_int, c_int,
                   c_void_p, c_void_p, c_void_p, c_void_p]
WS_VISIBLE, WS_BORDER = 0x10000000, 0x00800000
for _ in range(3):
    if not create(0, b"KEDIT", b"", WS_VISIBLE | WS_BORDER, 0, 0, 200, 40, None, None, None, None):
        sys.exit("KEDIT window not created")
# The interpreter now exits with the windows open; a crash at exit fails the test.
