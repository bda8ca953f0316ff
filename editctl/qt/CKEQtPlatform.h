#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <functional>
#include <optional>

#include "editctl/qt/CKEQtClipboard.h"
#include "editctl/qt/CKEQtTextMeasurer.h"
#include "editctl/window/IKEClipboard.h"
#include "editctl/window/IKEClock.h"
#include "editctl/window/IKEPlatform.h"

class CKEWindowSystem;
class QEventLoop;

// The window system's platform on Qt: a widget per window, QImage surfaces, QFontMetrics,
// Qt's event loop and a steady clock. The clipboard, the pop-up menu and the dialog answer
// "not available" until their Qt parts exist.
class CKEQtPlatform : public IKEPlatform, public IKEClock {
  public:
    explicit CKEQtPlatform(std::function<const CKEFontCatalog*()> catalog);
    ~CKEQtPlatform() override;
    void setSystem(CKEWindowSystem* system) { m_system = system; }

    std::unique_ptr<IKEWindowPeer> createPeer(HWND hwnd, const CKEWindow& window) override;
    void retirePeer(std::unique_ptr<IKEWindowPeer> peer) override;
    std::unique_ptr<IKESurface> createSurface(int width, int height) override;
    KEFontMetrics fontMetrics(const LOGFONTA* font) override;
    SIZE charExtent(const LOGFONTA* font, char16_t ch) override;
    const CKEFontCatalog* fontCatalog() override;
    IKEClock& clock() override { return *this; }
    void processEvents(int maxWaitMs) override;
    void wake() override;
    void beep(UINT type) override;
    COLORREF sysColor(int index) const override;
    int systemMetric(int index) const override;
    POINT cursorPos() const override;
    bool setCursorPos(POINT screenPos) override;
    IKEClipboard& clipboard() override { return m_desktopClipboard; }
    UINT trackPopupMenu(const CKEMenu& menu, POINT screenPos, HWND owner) override;
    int runCharFontDialog(HWND owner, const std::vector<std::string>& entries,
                          int& selection) override;
    int messageBox(HWND owner, const std::string& text, const std::string& caption,
                   const KEMessageBoxLayout& layout) override;

    std::uint64_t nowMs() const override;

  private:
    // A host that runs Qt's loop rather than a Win32 one: what is queued and what timers fall
    // due are dispatched from Qt's loop (the window system declines while the host's own loop
    // runs).
    void scheduleDispatch(int delayMs);
    void dispatchQueued();

    std::function<const CKEFontCatalog*()> m_catalog;
    CKEQtTextMeasurer m_measurer;
    CKEQtClipboard m_desktopClipboard;
    QElapsedTimer m_clock;
    CKEWindowSystem* m_system = nullptr;
    QEventLoop* m_waiting = nullptr;
    QTimer m_dispatchTimer;
    // Where SetCursorPos put the pointer on a platform that cannot move it (offscreen), and
    // where the real pointer was then: the virtual one holds until the real one moves.
    std::optional<POINT> m_virtualCursor;
    POINT m_realCursorAtSet{0, 0};
};
