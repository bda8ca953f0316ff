#pragma once

// The library's C interface besides the font callbacks (KEFontCallbacks.h) and font handles
// (KEFontHandle.h).

#include "editctl/model/WextlWin32.h"

extern "C" {
// Does nothing: linking against it makes a host load the library, which registers KEDIT.
WEXTL_API void WextlEntry(void);

// 1 if a window class of that name is registered, else 0.
WEXTL_API BOOL WextlIsClassRegistered(const char* className);

// The font catalogue: number of families (or of full names with a non-zero flag), one
// family's LOGFONTA (1, or 0 for an index out of range), and the index of a face name or
// full name (-1 if none).
WEXTL_API int WextlFontCatalogCount(BOOL fullNames);
WEXTL_API BOOL WextlFontCatalogFamily(int index, LOGFONTA* out);
WEXTL_API int WextlFontCatalogFind(const char* name, BOOL fullNames);
}
