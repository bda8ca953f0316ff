#pragma once

#include <QPoint>
#include <vector>

#include "editctl/window/CKEPopupMenu.h"

class QWidget;

// A window's context menu shown with QMenu, as TrackPopupMenu shows a pop-up.
class CKEQtPopupMenu {
  public:
    // Shows `menu` at `screenPoint`, owned by `owner`; the chosen command, or 0 for none.
    static std::uint32_t track(const CKEPopupMenu& menu, QPoint screenPoint, QWidget* owner);
};
