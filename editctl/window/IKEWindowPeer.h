#pragma once

#include "editctl/model/WextlWin32.h"

class IKESurface;

// What a toolkit shows of one window. The window system keeps every Win32 attribute itself
// (rectangle, styles, scroll information, caret position) and tells the peer what to show;
// the peer sends the toolkit's input back as messages through the window system.
class IKEWindowPeer {
  public:
    virtual ~IKEWindowPeer() = default;

    // The window's rectangle in its parent's client coordinates (in screen coordinates for a
    // top-level window) and whether it is shown.
    virtual void setGeometry(const RECT& windowRect) = 0;
    virtual void setVisible(bool visible) = 0;
    virtual void setTitle(const char* ansiTitle) = 0;

    // Invalidation: schedule a repaint, or repaint now (UpdateWindow). A peer repaints by
    // asking the window system to paint the window into a surface (CKEWindowSystem::paint).
    virtual void invalidate() = 0;
    virtual void updateNow() = 0;

    // The vertical scroll bar as the window system keeps it (shown only with WS_VSCROLL).
    virtual void setScrollBar(const SCROLLINFO& info, bool enabled) = 0;

    // The system caret while this window owns it: client coordinates.
    virtual void createCaret(int width, int height) = 0;
    virtual void destroyCaret() = 0;
    virtual void setCaretPos(POINT pos) = 0;
    virtual void setCaretVisible(bool visible) = 0;

    // The mouse cursor over the window (a system cursor id such as IDC_IBEAM), keyboard focus
    // and mouse capture as the toolkit knows them.
    virtual void setCursor(int cursorId) = 0;
    virtual void setFocus() = 0;
    virtual void setCapture(bool captured) = 0;

    // Where the input method shows its composition: the caret in client coordinates and the
    // font (null: the default font).
    virtual void setCompositionWindow(POINT caret, const LOGFONTA* font) = 0;

    // Maps a point in the window's own coordinates (its top-left corner at 0, 0) to the
    // screen as the toolkit places the window; false where the toolkit cannot tell (the
    // window system then reckons from the rectangles it keeps).
    virtual bool mapToScreen(POINT& /*windowPoint*/) const { return false; }
    // WS_DISABLED: a disabled window gets no keyboard or mouse input and no focus.
    virtual void setEnabled(bool /*enabled*/) {}
};
