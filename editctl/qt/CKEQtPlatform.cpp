#include "editctl/qt/CKEQtPlatform.h"

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QTimer>
#include <utility>

#include "editctl/qt/CKEQtCharFontDialog.h"
#include "editctl/qt/CKEQtImageSurface.h"
#include "editctl/qt/CKEQtPopupMenu.h"
#include "editctl/qt/CKEQtWindowWidget.h"
#include "editctl/window/CKEWindowSystem.h"

CKEQtPlatform::CKEQtPlatform(std::function<const CKEFontCatalog*()> catalog)
    : m_catalog(std::move(catalog)) {
    m_clock.start();
}

std::unique_ptr<IKEWindowPeer> CKEQtPlatform::createPeer(HWND hwnd, const CKEWindow& window) {
    if (m_system == nullptr) {
        return nullptr;
    }
    QWidget* parent = nullptr;
    if (CKEWindow* parentWindow = m_system->window(window.parent)) {
        parent = dynamic_cast<CKEQtWindowWidget*>(parentWindow->peer.get());
    }
    auto widget =
        std::make_unique<CKEQtWindowWidget>(*m_system, hwnd, window.isChild() ? parent : nullptr);
    widget->setGeometry(window.rect);
    widget->setTitle(window.text.c_str());
    return widget;
}

std::unique_ptr<IKESurface> CKEQtPlatform::createSurface(int width, int height) {
    return std::make_unique<CKEQtImageSurface>(width, height);
}

KEFontMetrics CKEQtPlatform::fontMetrics(const LOGFONTA* font) {
    return m_measurer.metricsOf(font);
}

SIZE CKEQtPlatform::charExtent(const LOGFONTA* font, char16_t ch) {
    return m_measurer.extentOf(font, ch);
}

const CKEFontCatalog* CKEQtPlatform::fontCatalog() { return m_catalog ? m_catalog() : nullptr; }

void CKEQtPlatform::processEvents(int maxWaitMs) {
    if (maxWaitMs <= 0 || m_waiting != nullptr) {
        QCoreApplication::processEvents();
        return;
    }
    QEventLoop loop;
    m_waiting = &loop;
    QTimer::singleShot(maxWaitMs, &loop, &QEventLoop::quit);
    loop.exec();
    m_waiting = nullptr;
}

void CKEQtPlatform::wake() {
    if (m_waiting != nullptr) {
        QTimer::singleShot(0, m_waiting, &QEventLoop::quit);
    }
}

void CKEQtPlatform::beep(UINT /*type*/) { QApplication::beep(); }

COLORREF CKEQtPlatform::sysColor(int index) const {
    switch (index) {
        case COLOR_WINDOW:
            return RGB(255, 255, 255);
        case COLOR_HIGHLIGHT:
            return RGB(0, 120, 215);
        case COLOR_HIGHLIGHTTEXT:
            return RGB(255, 255, 255);
        case COLOR_BTNFACE:
            return RGB(240, 240, 240);
        case COLOR_GRAYTEXT:
            return RGB(109, 109, 109);
        default:
            return RGB(0, 0, 0);
    }
}

int CKEQtPlatform::systemMetric(int index) const {
    switch (index) {
        case SM_CXVSCROLL:
            return 17;
        case SM_CXEDGE:
        case SM_CYEDGE:
            return 2;
        default:
            return 1;
    }
}

POINT CKEQtPlatform::cursorPos() const {
    const QPoint pos = QCursor::pos();
    return POINT{pos.x(), pos.y()};
}

namespace {

// The widget of a window, to own a menu or a dialog (null: none).
QWidget* WidgetOf(CKEWindowSystem* system, HWND hwnd) {
    CKEWindow* window = system != nullptr ? system->window(hwnd) : nullptr;
    return window != nullptr ? dynamic_cast<CKEQtWindowWidget*>(window->peer.get()) : nullptr;
}

}  // namespace

UINT CKEQtPlatform::trackPopupMenu(const CKEMenu& menu, POINT screenPos, HWND owner) {
    return CKEQtPopupMenu::track(menu, QPoint(screenPos.x, screenPos.y), WidgetOf(m_system, owner));
}

int CKEQtPlatform::runCharFontDialog(HWND owner, const std::vector<std::string>& entries,
                                     int& selection) {
    // Created without an explicit parent: the host's active window owns it.
    (void)owner;
    CKEQtCharFontDialog dialog(entries, selection, QApplication::activeWindow());
    const int answer = dialog.run();
    if (answer == -2) {
        return IDCANCEL;
    }
    selection = answer;
    return IDOK;
}

std::uint64_t CKEQtPlatform::nowMs() const { return static_cast<std::uint64_t>(m_clock.elapsed()); }
