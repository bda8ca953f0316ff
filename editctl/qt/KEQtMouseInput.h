#pragma once

#include <optional>

#include "editctl/model/WextlWin32.h"

class QMouseEvent;
class QPoint;

// Qt's mouse events in the window system's terms: the button message with the MK_ flags of
// the buttons and modifiers held, and the point in client coordinates. The peer sends the
// message; the window system keeps VK_LBUTTON, VK_RBUTTON and VK_MBUTTON from it.
struct KEMouseMessage {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// `clientOrigin` is where the client area starts in the widget.
std::optional<KEMouseMessage> KETranslateMouseEvent(const QMouseEvent& event,
                                                    const QPoint& clientOrigin);
