#pragma once

#include "editctl/model/CKEditInfo.h"

// Turning mouse points into caret positions, and the word a double click selects.
namespace kehit {

// The position a click at (x, y) in client pixels lands on: scroll offsets added, margins
// taken away, the row under the point (at most the last), and the column before or after the
// character under x depending on which half was hit. Never a column after a row's CR LF.
KEPos PositionAtPoint(const CKEditInfo& info, LONG x, LONG y);

// The white-space class of the C library's Unicode locales (iswspace), independent of the
// process's locale.
bool IsSpace(char16_t ch);

struct KEWordBounds {
    KEPos start;
    KEPos end;
};

// The word around `caret` within its row: from just after the nearest white space at or
// before the caret, over the word after the caret and the white space that follows it.
KEWordBounds WordAt(const CKEditInfo& info, KEPos caret);

}  // namespace kehit
