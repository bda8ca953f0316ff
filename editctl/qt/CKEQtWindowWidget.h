#pragma once

#include <QTimer>
#include <QWidget>
#include <memory>

#include "editctl/window/IKEWindowPeer.h"
#include "editctl/window/KEScrollBarGeometry.h"

class CKEQtImageSurface;
class CKEWindowSystem;

// The Qt peer of one window: shows what the window system keeps (rectangle, border, scroll
// bar, caret) and turns Qt's key, focus, mouse, wheel, resize, move and paint events into
// messages. A destroyed window's widget is retired: it answers no event and is deleted once
// Qt has left its events (deleteLater), never inside one.
class CKEQtWindowWidget : public QWidget, public IKEWindowPeer {
  public:
    CKEQtWindowWidget(CKEWindowSystem& system, HWND hwnd, QWidget* parent);
    ~CKEQtWindowWidget() override;

    void setGeometry(const RECT& windowRect) override;
    void setVisible(bool visible) override;
    void setTitle(const char* ansiTitle) override;
    void invalidate() override;
    void updateNow() override;
    void setScrollBar(const SCROLLINFO& info, bool enabled) override;
    void createCaret(int width, int height) override;
    void destroyCaret() override;
    void setCaretPos(POINT pos) override;
    void setCaretVisible(bool visible) override;
    void setCursor(int cursorId) override;
    void setFocus() override;
    void setCapture(bool captured) override;
    void setCompositionWindow(POINT caret, const LOGFONTA* font) override;
    bool mapToScreen(POINT& windowPoint) const override;
    void setEnabled(bool enabled) override;

    // Called when the window is destroyed: from then on the widget sends nothing.
    void retire();

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    // Mouse, wheel, scroll bar and input method (CKEQtWindowWidgetInput.cpp).
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

  private:
    // Queues the key as the window's key message, with the text it types.
    void postKey(QKeyEvent* event, bool down);
    void sendMouse(QMouseEvent* event);
    // WM_SETCURSOR for the mouse over the window; false if the window is gone after it.
    bool askCursor(WORD hitTest, UINT mouseMessage);
    void syncKeyState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
    QPoint clientOffset() const;
    // The vertical scroll bar: its rectangle in widget coordinates (empty without WS_VSCROLL),
    // its parts, and a press, drag or release on it.
    QRect scrollBarRect() const;
    KEScrollBarGeometry scrollBarGeometry() const;
    bool scrollBarPress(QMouseEvent* event);
    bool scrollBarDrag(QMouseEvent* event);
    bool scrollBarRelease(QMouseEvent* event);
    void sendScroll(int code, int pos = 0);
    void paintScrollBar(QPainter& painter);

    CKEWindowSystem& m_system;
    HWND m_hwnd;
    bool m_retired = false;
    SCROLLINFO m_bar{};
    bool m_barEnabled = false;
    int m_barCode = -1;        // the part held down, or -1
    int m_dragGrab = 0;        // where the thumb was grabbed, from its top
    int m_dragPos = 0;         // the position the dragged thumb stands for
    QTimer m_barRepeat;        // repeats an arrow or track press while held
    int m_wheelRemainder = 0;  // angle not yet sent as whole notches
    QRect m_caret;
    bool m_caretVisible = false;
    std::unique_ptr<CKEQtImageSurface> m_surface;  // the last paint's image, kept
};
