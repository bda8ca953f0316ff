// The window widget's mouse, wheel, scroll-bar and input-method events, turned into the
// window's messages.
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "editctl/qt/CKEQtWindowWidget.h"
#include "editctl/qt/KEQtInputMethod.h"
#include "editctl/qt/KEQtMouseInput.h"
#include "editctl/window/CKEWindowSystem.h"

namespace {

constexpr int kWheelNotch = 120;        // WHEEL_DELTA
constexpr int kBarRepeatDelayMs = 400;  // before an arrow or track press repeats

}  // namespace

bool CKEQtWindowWidget::askCursor(WORD hitTest, UINT mouseMessage) {
    // As in Win32: none while a window holds the mouse.
    if (m_system.getCapture() == nullptr) {
        const HWND hwnd = m_hwnd;
        m_system.sendMessage(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd),
                             MAKELPARAM(hitTest, mouseMessage));
    }
    return !m_retired;
}

void CKEQtWindowWidget::enterEvent(QEnterEvent* event) {
    const bool inBar = scrollBarRect().contains(event->position().toPoint());
    askCursor(inBar ? HTVSCROLL : HTCLIENT, WM_MOUSEMOVE);
}

void CKEQtWindowWidget::sendMouse(QMouseEvent* event) {
    syncKeyState(event->modifiers(), event->buttons());
    event->accept();
    const std::optional<KEMouseMessage> message = KETranslateMouseEvent(*event, clientOffset());
    if (!message) {
        return;
    }
    const bool press =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (press && !askCursor(HTCLIENT, message->message)) {
        return;  // the window is gone
    }
    m_system.sendMessage(m_hwnd, message->message, message->wParam, message->lParam);
}

void CKEQtWindowWidget::mousePressEvent(QMouseEvent* event) {
    if (!scrollBarPress(event)) {
        sendMouse(event);
    }
}

void CKEQtWindowWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!scrollBarDrag(event)) {
        sendMouse(event);
    }
}

void CKEQtWindowWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!scrollBarRelease(event)) {
        sendMouse(event);
    }
}

void CKEQtWindowWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    // A double click on the bar is two presses there, as on Win32's bar.
    if (!scrollBarPress(event)) {
        sendMouse(event);
    }
}

void CKEQtWindowWidget::wheelEvent(QWheelEvent* event) {
    syncKeyState(event->modifiers(), event->buttons());
    m_wheelRemainder += event->angleDelta().y();
    const int notches = m_wheelRemainder / kWheelNotch;
    m_wheelRemainder -= notches * kWheelNotch;
    if (notches != 0) {
        const QPointF global = event->globalPosition();
        const int x = qRound(global.x());
        const int y = qRound(global.y());
        WPARAM keys = 0;
        keys |= (event->modifiers() & Qt::ShiftModifier) != 0 ? MK_SHIFT : 0;
        keys |= (event->modifiers() & Qt::ControlModifier) != 0 ? MK_CONTROL : 0;
        m_system.sendMessage(m_hwnd, WM_MOUSEWHEEL,
                             MAKEWPARAM(keys, static_cast<WORD>(notches * kWheelNotch)),
                             MAKELPARAM(x, y));
    }
    event->accept();
}

void CKEQtWindowWidget::inputMethodEvent(QInputMethodEvent* event) {
    // The preedit text is the input method's to show; only committed text is inserted.
    KEQtInputMethod::handleEvent(m_system, m_hwnd, *event);
    event->accept();
}

QVariant CKEQtWindowWidget::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (m_retired) {
        return QVariant();
    }
    QVariant answer = KEQtInputMethod::query(m_system, m_hwnd, query);
    if (query == Qt::ImCursorRectangle && answer.canConvert<QRect>()) {
        answer = answer.toRect().translated(clientOffset());
    }
    return answer;
}

QRect CKEQtWindowWidget::scrollBarRect() const {
    const auto style = static_cast<DWORD>(m_system.getWindowLongPtr(m_hwnd, GWL_STYLE));
    RECT client{};
    if ((style & WS_VSCROLL) == 0 || !m_system.getClientRect(m_hwnd, client)) {
        return QRect();
    }
    const QPoint offset = clientOffset();
    return QRect(offset.x() + client.right, offset.y(), width() - offset.x() * 2 - client.right,
                 client.bottom);
}

KEScrollBarGeometry CKEQtWindowWidget::scrollBarGeometry() const {
    const QRect bar = scrollBarRect();
    return KEScrollBarGeometry::of(m_bar, m_barEnabled, bar.width(), bar.height());
}

void CKEQtWindowWidget::sendScroll(int code, int pos) {
    m_system.sendMessage(m_hwnd, WM_VSCROLL, MAKEWPARAM(code, static_cast<WORD>(pos)), 0);
}

bool CKEQtWindowWidget::scrollBarPress(QMouseEvent* event) {
    const QRect bar = scrollBarRect();
    const QPoint at = event->position().toPoint();
    if (event->button() != Qt::LeftButton || !bar.contains(at)) {
        return false;
    }
    event->accept();
    const KEScrollBarGeometry geometry = scrollBarGeometry();
    m_barCode = geometry.hit(at.y() - bar.top());
    if (m_barCode == SB_THUMBTRACK) {
        m_dragGrab = at.y() - bar.top() - geometry.thumbTop;
        m_dragPos = m_bar.nPos;
    } else if (m_barCode >= 0) {
        sendScroll(m_barCode);
        m_barRepeat.start(kBarRepeatDelayMs);
    }
    return true;
}

bool CKEQtWindowWidget::scrollBarDrag(QMouseEvent* event) {
    if (m_barCode < 0) {
        return false;
    }
    event->accept();
    if (m_barCode == SB_THUMBTRACK) {
        const QRect bar = scrollBarRect();
        const int top = qRound(event->position().y()) - bar.top() - m_dragGrab;
        const int pos = scrollBarGeometry().positionAt(m_bar, top);
        if (pos != m_dragPos) {
            m_dragPos = pos;
            sendScroll(SB_THUMBTRACK, pos);
            update();
        }
    }
    return true;
}

bool CKEQtWindowWidget::scrollBarRelease(QMouseEvent* event) {
    if (m_barCode < 0 || event->button() != Qt::LeftButton) {
        return false;
    }
    event->accept();
    const int code = std::exchange(m_barCode, -1);
    m_barRepeat.stop();
    if (code == SB_THUMBTRACK) {
        sendScroll(SB_THUMBPOSITION, m_dragPos);
    }
    if (!m_retired) {
        sendScroll(SB_ENDSCROLL);
    }
    return true;
}

void CKEQtWindowWidget::paintScrollBar(QPainter& painter) {
    const QRect bar = scrollBarRect();
    if (bar.isEmpty()) {
        return;
    }
    painter.fillRect(bar, QColor(230, 230, 230));
    SCROLLINFO shown = m_bar;
    if (m_barCode == SB_THUMBTRACK) {
        shown.nPos = m_dragPos;  // the thumb follows the mouse while it is dragged
    }
    const KEScrollBarGeometry geometry =
        KEScrollBarGeometry::of(shown, m_barEnabled, bar.width(), bar.height());
    const QColor arrowColor = m_barEnabled ? QColor(96, 96, 96) : QColor(176, 176, 176);
    const int a = geometry.arrow;
    for (const bool up : {true, false}) {
        const QRect box(bar.left(), up ? bar.top() : bar.bottom() + 1 - a, bar.width(), a);
        painter.fillRect(box.adjusted(1, 1, -1, -1), QColor(214, 214, 214));
        const QPointF c = QRectF(box).center();
        const qreal s = a / 4.0;
        const QPointF tip(c.x(), up ? c.y() - s / 2 : c.y() + s / 2);
        const QPointF left(c.x() - s, up ? c.y() + s / 2 : c.y() - s / 2);
        const QPointF right(c.x() + s, left.y());
        const QPointF points[] = {tip, left, right};
        painter.setPen(Qt::NoPen);
        painter.setBrush(arrowColor);
        painter.drawPolygon(points, 3);
    }
    if (geometry.thumbHeight > 0) {
        painter.fillRect(QRect(bar.left() + 2, bar.top() + geometry.thumbTop, bar.width() - 4,
                               geometry.thumbHeight),
                         QColor(160, 160, 160));
    }
}
