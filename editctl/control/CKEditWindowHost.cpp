#include "editctl/control/CKEditWindowHost.h"

#include "editctl/control/CKEditWindowData.h"
#include "editctl/control/KEditCaret.h"
#include "editctl/control/KEditEditing.h"
#include "editctl/control/KEditScroll.h"
#include "editctl/window/CKEWindowSystem.h"

CKEditWindowHost::CKEditWindowHost(CKEWindowSystem& system, HWND hwnd, CKEditWindowData& data)
    : m_system(system), m_hwnd(hwnd), m_data(data) {}

DWORD CKEditWindowHost::style() const {
    return static_cast<DWORD>(m_system.getWindowLongPtr(m_hwnd, GWL_STYLE));
}

DWORD CKEditWindowHost::exStyle() const {
    return static_cast<DWORD>(m_system.getWindowLongPtr(m_hwnd, GWL_EXSTYLE));
}

RECT CKEditWindowHost::clientRect() const {
    RECT rect{0, 0, 0, 0};
    m_system.getClientRect(m_hwnd, rect);
    return rect;
}

KEFontMetrics CKEditWindowHost::fontMetrics(HFONT font) {
    return m_system.platform().fontMetrics(m_system.gdi().logFont(font));
}

SIZE CKEditWindowHost::charExtent(HFONT font, const LOGFONTA* faceFont, char16_t ch) {
    const LOGFONTA* logFont = faceFont != nullptr ? faceFont : m_system.gdi().logFont(font);
    return m_system.platform().charExtent(logFont, ch);
}

const CKEFontCatalog* CKEditWindowHost::fontCatalog() const {
    return m_system.platform().fontCatalog();
}

void CKEditWindowHost::notifyParent(WORD code) { KENotifyParent(m_data, code); }

void CKEditWindowHost::beep() { m_system.messageBeep(0); }

void CKEditWindowHost::setWaitCursor(bool on) {
    if (CKEWindow* w = m_system.window(m_hwnd); w != nullptr && w->peer) {
        w->peer->setCursor(KECursorId(on ? IDC_WAIT : IDC_IBEAM));
    }
}

void CKEditWindowHost::updateScrollRange() { KEUpdateScrollRange(m_data); }

void CKEditWindowHost::placeCaret() { KEPlaceCaret(m_data); }

void CKEditWindowHost::invalidate() { m_system.invalidateRect(m_hwnd, nullptr, false); }
