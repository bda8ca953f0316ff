#include "editctl/qt/CKEQtWindowWidget.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGuiApplication>
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
    m_barRepeat.setInterval(50);
    QObject::connect(&m_barRepeat, &QTimer::timeout, this, [this] {
        m_barRepeat.setInterval(50);
        if (m_barCode >= 0 && m_barCode != SB_THUMBTRACK) {
            sendScroll(m_barCode);
        }
    });
    hide();
}

CKEQtWindowWidget::~CKEQtWindowWidget() = default;

void CKEQtWindowWidget::retire() {
    m_retired = true;
    m_barRepeat.stop();
    if (QWidget::mouseGrabber() == this) {
        releaseMouse();
    }
    hide();
}

bool CKEQtWindowWidget::event(QEvent* event) {
    // A retired widget only waits for its deletion: Qt's own handling, nothing sent.
    if (m_retired) {
        switch (event->type()) {
            case QEvent::Paint:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseMove:
            case QEvent::Wheel:
            case QEvent::FocusIn:
            case QEvent::FocusOut:
            case QEvent::Resize:
            case QEvent::Move:
            case QEvent::InputMethod:
            case QEvent::Enter:
                event->accept();
                return true;
            default:
                break;
        }
    }
    // Shift+Tab comes as Backtab, which QWidget would take for focus navigation.
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Backtab) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return QWidget::event(event);
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

namespace {

Qt::CursorShape ShapeOf(int cursorId) {
    struct Standard {
        const char* id;
        Qt::CursorShape shape;
    };
    static const Standard kStandard[] = {
        {IDC_IBEAM, Qt::IBeamCursor},        {IDC_WAIT, Qt::WaitCursor},
        {IDC_CROSS, Qt::CrossCursor},        {IDC_UPARROW, Qt::UpArrowCursor},
        {IDC_SIZENWSE, Qt::SizeFDiagCursor}, {IDC_SIZENESW, Qt::SizeBDiagCursor},
        {IDC_SIZEWE, Qt::SizeHorCursor},     {IDC_SIZENS, Qt::SizeVerCursor},
        {IDC_SIZEALL, Qt::SizeAllCursor},    {IDC_NO, Qt::ForbiddenCursor},
        {IDC_HAND, Qt::PointingHandCursor},  {IDC_APPSTARTING, Qt::BusyCursor},
        {IDC_HELP, Qt::WhatsThisCursor},
    };
    if (cursorId == 0) {
        return Qt::BlankCursor;  // SetCursor(NULL)
    }
    for (const Standard& standard : kStandard) {
        if (KECursorId(standard.id) == cursorId) {
            return standard.shape;
        }
    }
    return Qt::ArrowCursor;
}

}  // namespace

void CKEQtWindowWidget::setCursor(int cursorId) {
    const Qt::CursorShape shape = ShapeOf(cursorId);
    if (cursor().shape() != shape) {
        QWidget::setCursor(shape);
    }
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

bool CKEQtWindowWidget::mapToScreen(POINT& windowPoint) const {
    // A top-level widget's geometry is its client area: Qt keeps the frame outside it.
    const QPoint screen = mapToGlobal(QPoint(windowPoint.x, windowPoint.y));
    windowPoint = POINT{screen.x(), screen.y()};
    return true;
}

void CKEQtWindowWidget::setEnabled(bool enabled) { QWidget::setEnabled(enabled); }

void CKEQtWindowWidget::paintEvent(QPaintEvent* /*event*/) {
    RECT client{};
    if (!m_system.getClientRect(m_hwnd, client)) {
        return;
    }
    // The window's image is kept between paints, as the off-screen buffer is.
    std::unique_ptr<CKEQtImageSurface> kept = std::move(m_surface);
    if (!kept || kept->width() != std::max<LONG>(client.right, 1) ||
        kept->height() != std::max<LONG>(client.bottom, 1)) {
        kept = std::make_unique<CKEQtImageSurface>(client.right, client.bottom);
    } else {
        kept->fillRect(client, RGB(255, 255, 255));
    }
    CKEQtImageSurface& surface = *kept;
    m_system.paint(m_hwnd, surface);
    if (m_retired) {
        return;  // the window was destroyed while it painted
    }
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QPoint offset = clientOffset();
    painter.drawImage(offset, surface.image());
    const auto style = static_cast<DWORD>(m_system.getWindowLongPtr(m_hwnd, GWL_STYLE));
    if ((style & WS_CHILD) != 0 && (style & WS_BORDER) != 0) {
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    paintScrollBar(painter);
    if (m_caretVisible && hasFocus()) {
        painter.fillRect(m_caret.translated(offset), Qt::black);
    }
    m_surface = std::move(kept);
}

void CKEQtWindowWidget::syncKeyState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
    CKEKeyState& keys = m_system.keyState();
    keys.syncModifiers((modifiers & Qt::ShiftModifier) != 0, (modifiers & Qt::ControlModifier) != 0,
                       (modifiers & Qt::AltModifier) != 0);
    keys.syncButtons((buttons & Qt::LeftButton) != 0, (buttons & Qt::RightButton) != 0,
                     (buttons & Qt::MiddleButton) != 0);
}

void CKEQtWindowWidget::postKey(QKeyEvent* event, bool down) {
    // Win32's key data: a repeat count of 1, the previous state (bit 30) and the transition
    // (bit 31); no scan code.
    LPARAM data = 1;
    if (!down) {
        data |= LPARAM{3} << 30;
    } else if (event->isAutoRepeat()) {
        data |= LPARAM{1} << 30;
    }
    const bool alt = (event->modifiers() & Qt::AltModifier) != 0 || event->key() == Qt::Key_Alt;
    // Qt gives Shift+Tab no text; Win32 types it as character 9.
    const QString typed = event->key() == Qt::Key_Backtab ? QStringLiteral("\t") : event->text();
    std::u16string text = down ? typed.toStdU16String() : std::u16string();
    int vk = KEQtVirtualKey(event->key());
    if (vk == 0) {
        if (text.empty()) {
            return;
        }
        vk = VK_PACKET;  // a key known only by what it types
    }
    const UINT message = down ? (alt ? WM_SYSKEYDOWN : WM_KEYDOWN) : (alt ? WM_SYSKEYUP : WM_KEYUP);
    m_system.postKeyInput(m_hwnd, message, static_cast<WPARAM>(vk), data, std::move(text));
}

namespace {

// A modifier key's own event reports the modifiers before or after it, depending on the
// platform: its key message says what happened, and the state is not synchronised there.
bool IsModifierKey(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
           key == Qt::Key_Meta || key == Qt::Key_AltGr;
}

}  // namespace

void CKEQtWindowWidget::keyPressEvent(QKeyEvent* event) {
    if (!IsModifierKey(event->key())) {
        syncKeyState(event->modifiers(), QGuiApplication::mouseButtons());
    }
    postKey(event, true);
}

void CKEQtWindowWidget::keyReleaseEvent(QKeyEvent* event) {
    if (!IsModifierKey(event->key())) {
        syncKeyState(event->modifiers(), QGuiApplication::mouseButtons());
    }
    postKey(event, false);
}

void CKEQtWindowWidget::focusInEvent(QFocusEvent* event) {
    syncKeyState(QGuiApplication::queryKeyboardModifiers(), QGuiApplication::mouseButtons());
    // A popup (the context menu) closing gives the focus back: the window never lost it.
    if (event->reason() != Qt::PopupFocusReason) {
        m_system.peerFocusChanged(m_hwnd, true);
    }
}

void CKEQtWindowWidget::focusOutEvent(QFocusEvent* event) {
    // A popup taking the keyboard is not a loss of focus (Win32's menus take none).
    if (event->reason() != Qt::PopupFocusReason) {
        m_system.peerFocusChanged(m_hwnd, false);
    }
}

void CKEQtWindowWidget::resizeEvent(QResizeEvent* /*event*/) {
    if (isWindow()) {
        m_system.peerResized(m_hwnd, width(), height());
    }
}

void CKEQtWindowWidget::moveEvent(QMoveEvent* /*event*/) {
    if (isWindow()) {
        m_system.peerMoved(m_hwnd, x(), y());
    }
}
