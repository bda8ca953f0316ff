#pragma once

#include "editctl/model/WextlWin32.h"

class CKEFontCatalog;

// Height and average width of a font, as GetTextMetricsA reports them.
struct KEFontMetrics {
    LONG aveCharWidth = 0;
    LONG height = 0;
};

// What the edit state needs from its window: style, client rectangle, text measurement and
// the ways it tells the window and its parent about changes. The window layer implements it;
// tests use a deterministic fake. A state without a host (a snapshot) measures nothing and
// sends nothing.
class IKEditHost {
  public:
    virtual ~IKEditHost() = default;

    virtual DWORD style() const = 0;
    virtual DWORD exStyle() const { return 0; }
    // The client rectangle in device pixels (left and top are 0).
    virtual RECT clientRect() const = 0;

    // Metrics of `font` (null: the default font).
    virtual KEFontMetrics fontMetrics(HFONT font) = 0;
    // Width and height of one character in `faceFont` if it is not null (a family from the
    // catalogue, its height already set), else in `font` (null: the default font).
    virtual SIZE charExtent(HFONT font, const LOGFONTA* faceFont, char16_t ch) = 0;
    // The process-wide font catalogue, or null if there is none.
    virtual const CKEFontCatalog* fontCatalog() const = 0;

    // WM_COMMAND with `code` to the parent; nothing without a parent.
    virtual void notifyParent(WORD code) = 0;
    virtual void beep() = 0;
    virtual void setWaitCursor(bool /*on*/) {}

    // Hooks for the drawing layer: the row count changed (scroll range), the caret or the
    // scroll position may have moved (place the caret), and the whole window needs painting.
    virtual void updateScrollRange() {}
    virtual void placeCaret() {}
    virtual void invalidate() {}
};
