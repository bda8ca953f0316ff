#include "editctl/window/KECharFontLayout.h"

#include <algorithm>

#include "editctl/window/KEResources.h"

namespace kelayout {
namespace {

LONG UnitsX(LONG units, KEBaseUnits base) { return units * base.x / 4; }
LONG UnitsY(LONG units, KEBaseUnits base) { return units * base.y / 8; }

RECT ToPixels(const keres::KEDialogControlResource& control, KEBaseUnits base) {
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

    g.label = ToPixels(keres::kCharFontLabel, base);
    Grow(g.label, minimum.label);

    // The resource's height of the list is its dropped-down height; closed, it is one row.
    const keres::KEDialogControlResource& list = keres::kCharFontList;
    g.list = ToPixels(list.x, list.y, list.width, 12, base);
    Grow(g.list, SIZE{0, minimum.list.cy});
    MoveTo(g.list, g.list.left, std::max(g.list.top, g.label.bottom + gapY));

    g.ok = ToPixels(keres::kCharFontOk, base);
    g.cancel = ToPixels(keres::kCharFontCancel, base);
    Grow(g.ok, minimum.ok);
    Grow(g.cancel, minimum.cancel);
    // One column of buttons, as wide as the wider one, right of the label and the list.
    const LONG column = std::max({g.ok.left, g.label.right + gapX, g.list.right + gapX});
    const LONG width = std::max(g.ok.right - g.ok.left, g.cancel.right - g.cancel.left);
    MoveTo(g.ok, column, g.ok.top);
    g.ok.right = column + width;
    MoveTo(g.cancel, column, std::max(g.cancel.top, g.ok.bottom + gapY));
    g.cancel.right = column + width;

    g.dialog.cx = std::max(UnitsX(keres::kCharFontDialogWidth, base), g.ok.right + marginX);
    g.dialog.cy = std::max(UnitsY(keres::kCharFontDialogHeight, base),
                           std::max(g.list.bottom, g.cancel.bottom) + marginY);
    return g;
}

}  // namespace kelayout
