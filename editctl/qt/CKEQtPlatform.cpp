#include "editctl/qt/CKEQtPlatform.h"

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "editctl/qt/CKEQtCharFontDialog.h"
#include "editctl/qt/CKEQtImageSurface.h"
#include "editctl/qt/CKEQtPopupMenu.h"
#include "editctl/qt/CKEQtWindowWidget.h"
#include "editctl/window/CKEWindowSystem.h"
#include "editctl/window/KEMessageBoxLayout.h"

CKEQtPlatform::CKEQtPlatform(std::function<const CKEFontCatalog*()> catalog)
    : m_catalog(std::move(catalog)) {
    m_clock.start();
    m_dispatchTimer.setSingleShot(true);
    QObject::connect(&m_dispatchTimer, &QTimer::timeout, [this] { dispatchQueued(); });
}

CKEQtPlatform::~CKEQtPlatform() = default;

void CKEQtPlatform::scheduleDispatch(int delayMs) {
    if (!m_dispatchTimer.isActive() || m_dispatchTimer.remainingTime() > delayMs) {
        m_dispatchTimer.start(delayMs);
    }
}

void CKEQtPlatform::dispatchQueued() {
    if (m_system == nullptr || m_system->hostLoopRunning()) {
        return;  // the host's loop takes the messages, and wakes this again when it returns
    }
    // A turn of Qt's loop dispatches a bounded number, so that painting and input go on.
    constexpr int kPerTurn = 64;
    m_system->dispatchQueued(kPerTurn);
    if (std::optional<std::uint64_t> due = m_system->nextTimerDue()) {
        const std::uint64_t now = nowMs();
        scheduleDispatch(
            *due <= now ? 0 : static_cast<int>(std::min<std::uint64_t>(*due - now, 1u << 30)));
    }
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

void CKEQtPlatform::retirePeer(std::unique_ptr<IKEWindowPeer> peer) {
    auto* widget = dynamic_cast<CKEQtWindowWidget*>(peer.get());
    if (widget == nullptr) {
        return;  // not ours: freed by the unique_ptr
    }
    // The destroyed window may be inside one of its widget's events right now: Qt deletes it
    // once that event is over.
    (void)peer.release();
    widget->retire();
    widget->deleteLater();
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
    scheduleDispatch(0);
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
    const POINT real{pos.x(), pos.y()};
    if (m_virtualCursor && real.x == m_realCursorAtSet.x && real.y == m_realCursorAtSet.y) {
        return *m_virtualCursor;
    }
    return real;
}

bool CKEQtPlatform::setCursorPos(POINT screenPos) {
    QCursor::setPos(screenPos.x, screenPos.y);
    const QPoint now = QCursor::pos();
    if (now.x() == screenPos.x && now.y() == screenPos.y) {
        m_virtualCursor.reset();
    } else {
        m_virtualCursor = screenPos;
        m_realCursorAtSet = POINT{now.x(), now.y()};
    }
    return true;
}

UINT CKEQtPlatform::trackPopupMenu(const CKEMenu& menu, POINT screenPos, HWND /*owner*/) {
    // Belongs to no widget: a host that destroys the owner from a notification while the
    // menu runs must not delete the menu under its own loop.
    return CKEQtPopupMenu::track(menu, QPoint(screenPos.x, screenPos.y));
}

int CKEQtPlatform::runCharFontDialog(HWND owner, const std::vector<std::string>& entries,
                                     int& selection) {
    // Belongs to no widget, for the menu's reason; modal for the whole application.
    (void)owner;
    CKEQtCharFontDialog dialog(entries, selection, nullptr);
    dialog.setWindowModality(Qt::ApplicationModal);
    const int answer = dialog.run();
    if (answer == -2) {
        return IDCANCEL;
    }
    selection = answer;
    return IDOK;
}

int CKEQtPlatform::messageBox(HWND /*owner*/, const std::string& text, const std::string& caption,
                              const KEMessageBoxLayout& layout) {
    if (layout.buttons.empty()) {
        return 0;
    }
    // Belongs to no widget, for the menu's reason; modal for the whole application.
    QMessageBox box;
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(QString::fromStdString(caption));
    box.setText(QString::fromStdString(text));
    switch (layout.icon) {
        case MB_ICONHAND:
            box.setIcon(QMessageBox::Critical);
            break;
        case MB_ICONQUESTION:
            box.setIcon(QMessageBox::Question);
            break;
        case MB_ICONEXCLAMATION:
            box.setIcon(QMessageBox::Warning);
            break;
        case MB_ICONASTERISK:
            box.setIcon(QMessageBox::Information);
            break;
        default:
            break;
    }
    std::vector<QPushButton*> buttons;
    for (const KEMessageBoxButton& button : layout.buttons) {
        const QMessageBox::ButtonRole role =
            button.id == IDCANCEL ? QMessageBox::RejectRole : QMessageBox::AcceptRole;
        buttons.push_back(box.addButton(QString::fromUtf8(button.text), role));
        if (button.id == layout.escapeId) {
            box.setEscapeButton(buttons.back());
        }
    }
    box.setDefaultButton(buttons[static_cast<std::size_t>(layout.defaultIndex)]);
    box.exec();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (box.clickedButton() == buttons[i]) {
            return layout.buttons[i].id;
        }
    }
    // Closed without a button (the window manager's close): what Esc would answer.
    return layout.dismissedAnswer();
}

std::uint64_t CKEQtPlatform::nowMs() const { return static_cast<std::uint64_t>(m_clock.elapsed()); }
