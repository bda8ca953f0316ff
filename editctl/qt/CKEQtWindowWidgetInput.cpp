// The window widget's mouse and input-method events, turned into the window's messages.
#include <QInputMethodEvent>
#include <QMouseEvent>

#include "editctl/qt/CKEQtWindowWidget.h"
#include "editctl/qt/KEQtInputMethod.h"
#include "editctl/qt/KEQtMouseInput.h"
#include "editctl/window/CKEWindowSystem.h"

void CKEQtWindowWidget::sendMouse(QMouseEvent* event) {
    const std::optional<KEMouseMessage> message = KETranslateMouseEvent(*event, clientOffset());
    if (message) {
        m_system.sendMessage(m_hwnd, message->message, message->wParam, message->lParam);
    }
    event->accept();
}

void CKEQtWindowWidget::mousePressEvent(QMouseEvent* event) { sendMouse(event); }
void CKEQtWindowWidget::mouseMoveEvent(QMouseEvent* event) { sendMouse(event); }
void CKEQtWindowWidget::mouseReleaseEvent(QMouseEvent* event) { sendMouse(event); }
void CKEQtWindowWidget::mouseDoubleClickEvent(QMouseEvent* event) { sendMouse(event); }

void CKEQtWindowWidget::inputMethodEvent(QInputMethodEvent* event) {
    // The preedit text is the input method's to show; only committed text is inserted.
    KEQtInputMethod::handleEvent(m_system, m_hwnd, *event);
    event->accept();
}

QVariant CKEQtWindowWidget::inputMethodQuery(Qt::InputMethodQuery query) const {
    QVariant answer = KEQtInputMethod::query(m_system, m_hwnd, query);
    if (query == Qt::ImCursorRectangle && answer.canConvert<QRect>()) {
        answer = answer.toRect().translated(clientOffset());
    }
    return answer;
}
