#include "editctl/window/KEScrollBarGeometry.h"

#include <algorithm>

namespace {

constexpr int kMinThumb = 8;

// The positions the thumb can take: max - page + 1 of them, as SetScrollInfo holds nPos.
long long PositionSpan(const SCROLLINFO& info) {
    const long long span = static_cast<long long>(info.nMax) - info.nMin + 1;
    return std::max<long long>(span - std::max<long long>(info.nPage, 1) + 1, 1);
}

}  // namespace

KEScrollBarGeometry KEScrollBarGeometry::of(const SCROLLINFO& info, bool enabled, int width,
                                            int height) {
    KEScrollBarGeometry g;
    g.height = std::max(height, 0);
    g.arrow = std::min(std::max(width, 0), g.height / 2);
    const int track = g.height - 2 * g.arrow;
    const long long span = static_cast<long long>(info.nMax) - info.nMin + 1;
    if (!enabled || span <= 0 || track < kMinThumb) {
        return g;
    }
    const long long page = std::clamp<long long>(info.nPage, 0, span);
    const int length = page == 0
                           ? std::min(width, track)
                           : static_cast<int>(std::max<long long>(kMinThumb, track * page / span));
    g.thumbHeight = std::min(length, track);
    const long long steps = PositionSpan(info) - 1;
    const long long pos = std::clamp<long long>(static_cast<long long>(info.nPos) - info.nMin, 0,
                                                std::max<long long>(steps, 0));
    g.thumbTop =
        g.arrow + (steps > 0 ? static_cast<int>((track - g.thumbHeight) * pos / steps) : 0);
    return g;
}

int KEScrollBarGeometry::hit(int y) const {
    if (y < 0 || y >= height) {
        return -1;
    }
    if (y < arrow) {
        return SB_LINEUP;
    }
    if (y >= height - arrow) {
        return SB_LINEDOWN;
    }
    if (thumbHeight == 0) {
        return -1;
    }
    if (y < thumbTop) {
        return SB_PAGEUP;
    }
    if (y >= thumbTop + thumbHeight) {
        return SB_PAGEDOWN;
    }
    return SB_THUMBTRACK;
}

int KEScrollBarGeometry::positionAt(const SCROLLINFO& info, int top) const {
    const int room = height - 2 * arrow - thumbHeight;
    const long long steps = PositionSpan(info) - 1;
    if (room <= 0 || steps <= 0) {
        return info.nMin;
    }
    const long long offset = std::clamp(top - arrow, 0, room);
    return static_cast<int>(info.nMin + (offset * steps + room / 2) / room);
}
