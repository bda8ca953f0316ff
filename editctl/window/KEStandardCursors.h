#pragma once

// Whether `id` is the number of one of Win32's standard cursors (IDC_ARROW, IDC_IBEAM, …),
// the only cursors LoadCursorA gives.
bool KEIsStandardCursor(int id);
