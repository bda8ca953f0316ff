#pragma once

// The Win32 virtual-key code of a Qt key, or 0 for a key that has none.
int KEQtVirtualKey(int qtKey);
