#pragma once

#include <QWidget>

#include "editctl/window/IKEWindowPeer.h"

class CKEWindowSystem;

// The Qt peer of one window: shows what the window system keeps (rectangle, border, scroll
// bar, caret) and turns Qt's key, focus, resize and paint events into messages.
class CKEQtWindowWidget : public QWidget, public IKEWindowPeer {
  public:
    CKEQtWindowWidget(CKEWindowSystem& system, HWND hwnd, QWidget* parent);

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

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Mouse and input method (CKEQtWindowWidgetInput.cpp).
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

  private:
    void sendKey(QKeyEvent* event, bool down);
    void sendMouse(QMouseEvent* event);
    QPoint clientOffset() const;

    CKEWindowSystem& m_system;
    HWND m_hwnd;
    SCROLLINFO m_bar{};
    bool m_barEnabled = false;
    QRect m_caret;
    bool m_caretVisible = false;
};
