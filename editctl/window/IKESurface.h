#pragma once

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "editctl/model/WextlWin32.h"

// A painting surface in device pixels: an image the window system paints a window into
// (the off-screen buffer of WM_PAINT, a window's screen image, WextlPrintWindow's buffer).
// Coordinates are the surface's own; the device context applies the window origin.
class IKESurface {
  public:
    virtual ~IKESurface() = default;

    virtual int width() const = 0;
    virtual int height() const = 0;

    // Fills `rect` (clipped to the surface) with `color`.
    virtual void fillRect(const RECT& rect, COLORREF color) = 0;
    // Draws one UTF-16 character with its cell's top-left corner at (x, y) in `font` (null: the
    // default font), clipped to `clip`. With `opaque` the character's cell (its advance by the
    // font's height) is first filled with `back`, as a context in OPAQUE mode does.
    virtual void drawChar(int x, int y, char16_t ch, const LOGFONTA* font, const RECT& clip,
                          COLORREF text, COLORREF back, bool opaque) = 0;
    // Draws a run of characters of one font in one go: character i has its cell at
    // x + advances[0] + ... + advances[i - 1], `cellHeight` high, and is drawn exactly as
    // drawChar would draw it with its cell clipped to `area` as the clip. A surface that has
    // no faster way draws them one by one.
    virtual void drawRun(int x, int y, std::u16string_view chars, const std::int32_t* advances,
                         int cellHeight, const LOGFONTA* font, const RECT& area, COLORREF text,
                         COLORREF back, bool opaque) {
        for (std::size_t i = 0; i < chars.size(); ++i) {
            const RECT clip{std::max<LONG>(x, area.left), std::max<LONG>(y, area.top),
                            std::min<LONG>(x + advances[i], area.right),
                            std::min<LONG>(y + cellHeight, area.bottom)};
            if (clip.left < clip.right && clip.top < clip.bottom) {
                drawChar(x, y, chars[i], font, clip, text, back, opaque);
            }
            x += advances[i];
        }
    }
    // Copies all of `source` to (0, 0) (the one BitBlt of a finished off-screen paint).
    virtual void drawSurface(const IKESurface& source) = 0;
    // The surface as 32-bit 0xAARRGGBB pixels, top row first, into `width` x `height` pixels
    // at `pixels` with `strideBytes` between rows (only the part that both cover).
    virtual void copyPixels(std::uint32_t* pixels, int width, int height,
                            int strideBytes) const = 0;
};
