"""A host that ends without destroying its KEDIT windows must exit cleanly: the library's
own application and windows are left to the end of the process, not torn down after Qt's
platform plugin has gone."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
from wextl_win32 import WS_BORDER, WS_VISIBLE, load  # noqa: E402

create = load(sys.argv[1]).WextlCreateWindowExA
for _ in range(3):
    if not create(0, b"KEDIT", b"", WS_VISIBLE | WS_BORDER, 0, 0, 200, 40, None, None, None, None):
        sys.exit("KEDIT window not created")
# The interpreter now exits with the windows open; a crash at exit fails the test.
