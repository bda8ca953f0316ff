#pragma once

#include <QPoint>

#include "editctl/model/WextlWin32.h"

class CKEMenu;

// A pop-up menu shown with QMenu, as TrackPopupMenu shows one.
class CKEQtPopupMenu {
  public:
    // Shows `menu` at `screenPoint` (a menu of no widget); the chosen command, or 0 for none.
    static UINT track(const CKEMenu& menu, QPoint screenPoint);
};
