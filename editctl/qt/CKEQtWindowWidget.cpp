#include "editctl/qt/CKEQtWindowWidget.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

#include "editctl/model/KEAnsiCodePage.h"
#include "editctl/qt/CKEQtImageSurface.h"
#include "editctl/qt/KEQtVirtualKeys.h"
#include "editctl/window/CKEWindowSystem.h"

CKEQtWindowWidget::CKEQtWindowWidget(CKEWindowSystem& system, HWND hwnd, QWidget* parent)
    : QWidget(parent), m_system(system), m_hwnd(hwnd) {
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

QPoint CKEQtWindowWidget::clientOffset() const {
    POINT origin{0, 0};
    m_system.clientToScreen(m_hwnd, origin);
    RECT outer{};
    m_system.getWindowRect(m_hwnd, outer);
    return QPoint(origin.x - outer.left, origin.y - outer.top);
}

void CKEQtWindowWidget::setGeometry(const RECT& r) {
    QWidget::setGeometry(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void CKEQtWindowWidget::setVisible(bool visible) { QWidget::setVisible(visible); }

void CKEQtWindowWidget::setTitle(const char* ansiTitle) {
    if (isWindow() && ansiTitle != nullptr) {
        setWindowTitle(QString::fromStdU16String(keansi::ToUtf16(ansiTitle)));
    }
}

void CKEQtWindowWidget::invalidate() { update(); }

void CKEQtWindowWidget::updateNow() { repaint(); }

void CKEQtWindowWidget::setScrollBar(const SCROLLINFO& info, bool enabled) {
    m_bar = info;
    m_barEnabled = enabled;
    update();
}

void CKEQtWindowWidget::createCaret(int width, int height) {
    m_caret = QRect(0, 0, width, height);
    m_caretVisible = false;
}

void CKEQtWindowWidget::destroyCaret() {
    m_caretVisible = false;
    update();
}

void CKEQtWindowWidget::setCaretPos(POINT pos) {
    m_caret.moveTo(pos.x, pos.y);
    update();
}

void CKEQtWindowWidget::setCaretVisible(bool visible) {
    m_caretVisible = visible;
    update();
}

void CKEQtWindowWidget::setCursor(int cursorId) {
    QWidget::setCursor(cursorId == IDC_IBEAM  ? Qt::IBeamCursor
                       : cursorId == IDC_WAIT ? Qt::WaitCursor
                                              : Qt::ArrowCursor);
}

void CKEQtWindowWidget::setFocus() {
    if (!hasFocus()) {
        QWidget::setFocus(Qt::OtherFocusReason);
    }
}

void CKEQtWindowWidget::setCapture(bool captured) {
    if (captured) {
        grabMouse();
    } else {
        releaseMouse();
    }
}

void CKEQtWindowWidget::setCompositionWindow(POINT caret, const LOGFONTA* /*font*/) {
    setAttribute(Qt::WA_InputMethodEnabled, true);
    m_caret.moveTo(caret.x, caret.y);
}

void CKEQtWindowWidget::paintEvent(QPaintEvent* /*event*/) {
    RECT client{};
    if (!m_system.getClientRect(m_hwnd, client)) {
        return;
    }
    CKEQtImageSurface surface(client.right, client.bottom);
    m_system.paint(m_hwnd, surface);
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QPoint offset = clientOffset();
    painter.drawImage(offset, surface.image());
    const auto style = static_cast<DWORD>(m_system.getWindowLongPtr(m_hwnd, GWL_STYLE));
    if ((style & WS_CHILD) != 0 && (style & WS_BORDER) != 0) {
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if ((style & WS_VSCROLL) != 0) {
        const QRect bar(offset.x() + client.right, offset.y(),
                        width() - offset.x() * 2 - client.right, client.bottom);
        painter.fillRect(bar, QColor(230, 230, 230));
        const int span = m_bar.nMax - m_bar.nMin + 1;
        if (m_barEnabled && span > 0) {
            const int thumbH = std::max(8, bar.height() * static_cast<int>(m_bar.nPage) / span);
            const int top = bar.top() + (bar.height() - thumbH) * (m_bar.nPos - m_bar.nMin) /
                                            std::max(1, span - static_cast<int>(m_bar.nPage));
            painter.fillRect(QRect(bar.left() + 2, top, bar.width() - 4, thumbH),
                             QColor(160, 160, 160));
        }
    }
    if (m_caretVisible && hasFocus()) {
        painter.fillRect(m_caret.translated(offset), Qt::black);
    }
}

void CKEQtWindowWidget::sendKey(QKeyEvent* event, bool down) {
    const int vk = KEQtVirtualKey(event->key());
    if (vk == 0) {
        return;
    }
    const bool alt = (event->modifiers() & Qt::AltModifier) != 0 || vk == VK_MENU;
    const UINT message = down ? (alt ? WM_SYSKEYDOWN : WM_KEYDOWN) : (alt ? WM_SYSKEYUP : WM_KEYUP);
    m_system.sendMessage(m_hwnd, message, static_cast<WPARAM>(vk), event->isAutoRepeat() ? 1 : 0);
}

void CKEQtWindowWidget::keyPressEvent(QKeyEvent* event) {
    const HWND hwnd = m_hwnd;
    sendKey(event, true);
    if (!m_system.isWindow(hwnd) || (event->modifiers() & Qt::AltModifier) != 0) {
        return;
    }
    const std::u16string text = event->text().toStdU16String();
    if (text.empty()) {
        return;
    }
    bool lost = false;
    const std::string bytes = keansi::FromUtf16(text, &lost);
    if (lost) {
        // A character outside the code page: the input-method path takes such text.
        QApplication::beep();
        return;
    }
    for (unsigned char byte : bytes) {
        if (!m_system.isWindow(hwnd)) {
            return;
        }
        m_system.sendMessage(hwnd, WM_CHAR, byte, 0);
    }
}

void CKEQtWindowWidget::keyReleaseEvent(QKeyEvent* event) { sendKey(event, false); }

void CKEQtWindowWidget::focusInEvent(QFocusEvent* /*event*/) {
    m_system.peerFocusChanged(m_hwnd, true);
}

void CKEQtWindowWidget::focusOutEvent(QFocusEvent* /*event*/) {
    m_system.peerFocusChanged(m_hwnd, false);
}

void CKEQtWindowWidget::resizeEvent(QResizeEvent* /*event*/) {
    if (isWindow()) {
        m_system.peerResized(m_hwnd, width(), height());
    }
}
