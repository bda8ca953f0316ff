#pragma once

#include <cstdint>
#include <memory>

#include "editctl/control/CKEPaintCache.h"
#include "editctl/control/CKEditWindowHost.h"
#include "editctl/model/CKEditInfo.h"
#include "editctl/window/CKEMenu.h"
#include "editctl/window/IKESurface.h"
#include "editctl/window/IKEWindowState.h"

class CKEWindowSystem;

// The kinds of edit that undo grouping tells apart.
enum KELastEdit : std::int32_t { KE_EDIT_NONE = 0, KE_EDIT_INSERT = 1, KE_EDIT_DELETE = 2 };

// The record that a KEDIT window's slot 0 points to, from WM_CREATE to WM_DESTROY: the edit
// state followed by the pending lead byte, the window's own context menu, the auto-scroll
// timer and the kind of the last edit. The window system owns it (IKEWindowState): a
// handler whose window a host destroyed during a call-out still finds it, and asks alive()
// before it goes on.
class CKEditWindowData : public CKEditInfo, public IKEWindowState {
  public:
    CKEditWindowData(CKEWindowSystem& system, HWND hwnd);

    CKEWindowSystem& system() const { return m_system; }
    HWND hwnd() const { return m_window; }
    CKEditWindowHost& host() { return m_host; }
    // False once the window is destroyed (or its record replaced): every handler asks this
    // after a call-out to the host (a notification, WM_CTLCOLOREDIT, a menu, a dialog).
    bool alive() const;

    std::int32_t m_leadByte = 0;
    std::unique_ptr<CKEMenu> m_menu;
    std::int32_t m_timerId = 0;
    std::int32_t m_lastEdit = KE_EDIT_NONE;
    std::unique_ptr<IKESurface> m_paintBuffer;  // WM_PAINT's off-screen buffer, kept
    CKEPaintCache m_paintCache;                 // what the kept buffer shows

  private:
    CKEWindowSystem& m_system;
    HWND m_window;
    CKEditWindowHost m_host;
};

// The record of a KEDIT window, or null if `hwnd` is no live KEDIT window with one.
CKEditWindowData* KEditDataOf(HWND hwnd);
