#pragma once

// The Win32 types, records and constants have one definition: the installed header.
#include "wextl/win32.h"

#include <cstdint>

// The number of a standard cursor (IDC_ARROW is MAKEINTRESOURCEA(32512)), as windows keep it.
inline int KECursorId(const char* resource) {
    return static_cast<int>(reinterpret_cast<std::uintptr_t>(resource) & 0xFFFF);
}
// A standard cursor's handle is its number, as LoadCursorA(NULL, IDC_…) gives it.
inline HCURSOR KECursorHandle(int id) {
    return reinterpret_cast<HCURSOR>(static_cast<std::uintptr_t>(id));
}
