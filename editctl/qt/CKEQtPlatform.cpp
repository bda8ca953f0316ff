#include "editctl/qt/CKEQtPlatform.h"

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QTimer>
#include <utility>

#include "editctl/qt/CKEQtImageSurface.h"
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

UINT CKEQtPlatform::trackPopupMenu(const CKEMenu& /*menu*/, POINT /*screenPos*/, HWND /*owner*/) {
    return 0;
}

int CKEQtPlatform::runCharFontDialog(HWND /*owner*/, const std::vector<std::string>& /*entries*/,
                                     int& /*selection*/) {
    return IDCANCEL;
}

std::uint64_t CKEQtPlatform::nowMs() const { return static_cast<std::uint64_t>(m_clock.elapsed()); }

bool CKEQtPlatform::open(HWND /*owner*/) { return false; }
bool CKEQtPlatform::close() { return false; }
bool CKEQtPlatform::empty() { return false; }
bool CKEQtPlatform::setData(UINT /*format*/, std::vector<std::byte> /*data*/) { return false; }
bool CKEQtPlatform::isFormatAvailable(UINT /*format*/) const { return false; }
std::optional<std::vector<std::byte>> CKEQtPlatform::getData(UINT /*format*/) const {
    return std::nullopt;
}
