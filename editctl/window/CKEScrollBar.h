#pragma once

#include "editctl/model/WextlWin32.h"

// One scroll bar's information with SetScrollInfo's rules: the page is held within the range
// and the position within [min, max - max(page - 1, 0)].
class CKEScrollBar {
  public:
    // Applies the fields that `info.fMask` names; the resulting position.
    int set(const SCROLLINFO& info);
    // Fills the fields that `info.fMask` names.
    void get(SCROLLINFO& info) const;
    SCROLLINFO all() const;
    // The bar is enabled when its range holds more than one page; with SIF_DISABLENOSCROLL
    // an unneeded bar is shown disabled rather than hidden.
    bool enabled() const;
    bool disableNoScroll() const { return m_disableNoScroll; }

  private:
    int m_min = 0;
    int m_max = 0;
    UINT m_page = 0;
    int m_pos = 0;
    int m_trackPos = 0;
    bool m_disableNoScroll = false;
};
