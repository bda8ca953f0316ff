#pragma once

#include <QPoint>

#include "editctl/model/WextlWin32.h"

class CKEMenu;
class QWidget;

// A pop-up menu shown with QMenu, as TrackPopupMenu shows one.
class CKEQtPopupMenu {
  public:
    // Shows `menu` at `screenPoint`, owned by `owner`; the chosen command, or 0 for none.
    static UINT track(const CKEMenu& menu, QPoint screenPoint, QWidget* owner);
};
