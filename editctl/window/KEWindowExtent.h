#pragma once

#include "editctl/model/WextlWin32.h"

// Sizes the window system shares between its parts.

// A window larger than this in either direction is held to it (and so is a print buffer).
inline constexpr int kKEMaxExtent = 16384;

inline int KEWidth(const RECT& rect) { return rect.right - rect.left; }
inline int KEHeight(const RECT& rect) { return rect.bottom - rect.top; }
