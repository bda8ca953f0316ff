#pragma once

#include <QVariant>

#include "editctl/model/WextlWin32.h"

class CKEWindowSystem;
class QInputMethodEvent;

// The desktop input method for one window: a committed string goes in through the window's
// input context as WM_IME_COMPOSITION with GCS_RESULTSTR; the preedit text stays with the
// input method (it is not inserted). Queries are answered so that the composition window
// stands at the caret in the control's font.
class KEQtInputMethod {
  public:
    // True if the event carried committed text (it was then sent to the window).
    static bool handleEvent(CKEWindowSystem& system, HWND hwnd, const QInputMethodEvent& event);
    static QVariant query(CKEWindowSystem& system, HWND hwnd, Qt::InputMethodQuery query);
};
