#include "editctl/qt/KEQtMouseInput.h"

#include <QMouseEvent>
#include <algorithm>

namespace {

WPARAM KeyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    WPARAM flags = 0;
    flags |= (buttons & Qt::LeftButton) != 0 ? MK_LBUTTON : 0;
    flags |= (buttons & Qt::RightButton) != 0 ? MK_RBUTTON : 0;
    flags |= (buttons & Qt::MiddleButton) != 0 ? MK_MBUTTON : 0;
    flags |= (modifiers & Qt::ShiftModifier) != 0 ? MK_SHIFT : 0;
    flags |= (modifiers & Qt::ControlModifier) != 0 ? MK_CONTROL : 0;
    return flags;
}

// The 16-bit signed coordinates that the messages carry.
LPARAM PointParam(const QPointF& point) {
    const int x = std::clamp(qRound(point.x()), -32768, 32767);
    const int y = std::clamp(qRound(point.y()), -32768, 32767);
    return MAKELPARAM(x, y);
}

}  // namespace

std::optional<KEMouseMessage> KETranslateMouseEvent(const QMouseEvent& event,
                                                    const QPoint& clientOrigin) {
    const Qt::MouseButton button = event.button();
    UINT message = 0;
    switch (event.type()) {
        case QEvent::MouseMove:
            message = WM_MOUSEMOVE;
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const bool dbl = event.type() == QEvent::MouseButtonDblClick;
            if (button == Qt::LeftButton) {
                message = dbl ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN;
            } else if (button == Qt::RightButton) {
                message = WM_RBUTTONDOWN;  // only the left button double-clicks here
            } else if (button == Qt::MiddleButton) {
                message = WM_MBUTTONDOWN;
            }
            break;
        }
        case QEvent::MouseButtonRelease:
            if (button == Qt::LeftButton) {
                message = WM_LBUTTONUP;
            } else if (button == Qt::RightButton) {
                message = WM_RBUTTONUP;
            } else if (button == Qt::MiddleButton) {
                message = WM_MBUTTONUP;
            }
            break;
        default:
            break;
    }
    if (message == 0) {
        return std::nullopt;
    }
    // Qt reports the buttons held after the event, as the MK_ flags of Win32 do.
    return KEMouseMessage{message, KeyFlags(event.buttons(), event.modifiers()),
                          PointParam(event.position() - QPointF(clientOrigin))};
}
