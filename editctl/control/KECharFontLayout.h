#pragma once

#include "editctl/model/WextlWin32.h"

// Where the change-character dialog's controls stand, in pixels: dialog 131's rectangles in
// dialog units turned into pixels with the dialog font's base units (as the platform lays
// out dialog resources), then widened and moved where a text needs more room than the
// resource gave it, so that no text is clipped whatever the desktop's font.
namespace kelayout {

// The dialog font's base units: average letter width and character height in pixels.
struct KEBaseUnits {
    LONG x = 0;
    LONG y = 0;
};

// What each control needs at least (its toolkit's size hint).
struct KECharFontMinimum {
    SIZE label{};
    SIZE ok{};
    SIZE cancel{};
    SIZE list{};  // the closed drop-down list; its width is the resource's
};

struct KECharFontGeometry {
    RECT label{};
    RECT list{};
    RECT ok{};
    RECT cancel{};
    SIZE dialog{};
};

RECT ToPixels(LONG x, LONG y, LONG width, LONG height, KEBaseUnits base);
KECharFontGeometry LayoutCharFont(KEBaseUnits base, const KECharFontMinimum& minimum);

}  // namespace kelayout
