#pragma once

#include "editctl/model/WextlWin32.h"

// Where a vertical scroll bar's parts lie, and what a click on them means, as Win32's bar
// has them: an arrow button at each end, the track between them and a thumb in the track
// whose length is the page's share of the range. Coordinates run from the bar's top.
struct KEScrollBarGeometry {
    int height = 0;       // the whole bar
    int arrow = 0;        // each arrow button's height
    int thumbTop = 0;     // from the bar's top
    int thumbHeight = 0;  // 0: no thumb (a disabled bar, or no room)

    static KEScrollBarGeometry of(const SCROLLINFO& info, bool enabled, int width, int height);

    // SB_LINEUP, SB_LINEDOWN, SB_PAGEUP or SB_PAGEDOWN for a press at `y`; SB_THUMBTRACK on
    // the thumb; -1 where a press does nothing (a disabled bar).
    int hit(int y) const;
    // The position that puts the thumb's top at `thumbTop` (held within the range).
    int positionAt(const SCROLLINFO& info, int thumbTop) const;
};
