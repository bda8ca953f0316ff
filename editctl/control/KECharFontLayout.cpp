#include "editctl/control/KECharFontLayout.h"

#include <algorithm>

namespace kelayout {
namespace {

// Dialog 131 in dialog units: x, y, width, height.
struct KEDialogRect {
    LONG x, y, width, height;
};
constexpr LONG kDialogWidth = 187;
constexpr LONG kDialogHeight = 51;
constexpr KEDialogRect kOk{130, 7, 50, 14};
constexpr KEDialogRect kCancel{130, 24, 50, 14};
constexpr KEDialogRect kLabel{7, 7, 107, 8};
constexpr KEDialogRect kList{7, 21, 104, 140};  // the height is the dropped-down list's

LONG UnitsX(LONG units, KEBaseUnits base) { return units * base.x / 4; }
LONG UnitsY(LONG units, KEBaseUnits base) { return units * base.y / 8; }

RECT ToPixels(const KEDialogRect& control, KEBaseUnits base) {
    return ToPixels(control.x, control.y, control.width, control.height, base);
}

// Grows `rect` to `minimum`, keeping its top-left corner.
void Grow(RECT& rect, SIZE minimum) {
    rect.right = std::max(rect.right, rect.left + minimum.cx);
    rect.bottom = std::max(rect.bottom, rect.top + minimum.cy);
}

void MoveTo(RECT& rect, LONG left, LONG top) {
    rect.right += left - rect.left;
    rect.bottom += top - rect.top;
    rect.left = left;
    rect.top = top;
}

}  // namespace

RECT ToPixels(LONG x, LONG y, LONG width, LONG height, KEBaseUnits base) {
    const LONG left = UnitsX(x, base);
    const LONG top = UnitsY(y, base);
    return RECT{left, top, left + UnitsX(width, base), top + UnitsY(height, base)};
}

KECharFontGeometry LayoutCharFont(KEBaseUnits base, const KECharFontMinimum& minimum) {
    KECharFontGeometry g;
    const LONG gapX = UnitsX(4, base);
    const LONG gapY = UnitsY(3, base);
    const LONG marginX = UnitsX(7, base);
    const LONG marginY = UnitsY(7, base);

    g.label = ToPixels(kLabel, base);
    Grow(g.label, minimum.label);

    // Closed, the list is one row high.
    const KEDialogRect& list = kList;
    g.list = ToPixels(list.x, list.y, list.width, 12, base);
    Grow(g.list, SIZE{0, minimum.list.cy});
    MoveTo(g.list, g.list.left, std::max(g.list.top, g.label.bottom + gapY));

    g.ok = ToPixels(kOk, base);
    g.cancel = ToPixels(kCancel, base);
    Grow(g.ok, minimum.ok);
    Grow(g.cancel, minimum.cancel);
    // One column of buttons, as wide as the wider one, right of the label and the list.
    const LONG column = std::max({g.ok.left, g.label.right + gapX, g.list.right + gapX});
    const LONG width = std::max(g.ok.right - g.ok.left, g.cancel.right - g.cancel.left);
    MoveTo(g.ok, column, g.ok.top);
    g.ok.right = column + width;
    MoveTo(g.cancel, column, std::max(g.cancel.top, g.ok.bottom + gapY));
    g.cancel.right = column + width;

    g.dialog.cx = std::max(UnitsX(kDialogWidth, base), g.ok.right + marginX);
    g.dialog.cy =
        std::max(UnitsY(kDialogHeight, base), std::max(g.list.bottom, g.cancel.bottom) + marginY);
    return g;
}

}  // namespace kelayout
