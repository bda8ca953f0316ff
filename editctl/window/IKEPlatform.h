#pragma once

#include <memory>
#include <string>
#include <vector>

#include "editctl/model/IKEditHost.h"
#include "editctl/model/WextlWin32.h"

class CKEFontCatalog;
class CKEMenu;
struct CKEWindow;
class IKEClipboard;
class IKEClock;
class IKESurface;
class IKEWindowPeer;
struct KEMessageBoxLayout;

// Everything the window system needs from a toolkit. The Qt backend implements it with
// widgets; tests with a deterministic fake (fixed widths, an in-memory clipboard, a virtual
// clock). All calls come on the thread that owns the windows.
class IKEPlatform {
  public:
    virtual ~IKEPlatform() = default;

    // A peer for a new window (its rectangle, styles and parent are set in `window`).
    virtual std::unique_ptr<IKEWindowPeer> createPeer(HWND hwnd, const CKEWindow& window) = 0;
    // A destroyed window's peer. The call may come while the toolkit is still inside an
    // event of that peer: a toolkit frees it once its own event is over.
    virtual void retirePeer(std::unique_ptr<IKEWindowPeer> peer) { peer.reset(); }
    // An off-screen surface of the given size, filled white.
    virtual std::unique_ptr<IKESurface> createSurface(int width, int height) = 0;

    // Measuring with a font (null: the default font): height and average width, and one
    // character's extent.
    virtual KEFontMetrics fontMetrics(const LOGFONTA* font) = 0;
    virtual SIZE charExtent(const LOGFONTA* font, char16_t ch) = 0;
    // The process-wide font catalogue, or null while there is none.
    virtual const CKEFontCatalog* fontCatalog() = 0;

    virtual IKEClock& clock() = 0;
    // Runs the toolkit's own events for at most `maxWaitMs` (0: only what is pending), waking
    // early when something is posted (wake).
    virtual void processEvents(int maxWaitMs) = 0;
    virtual void wake() = 0;

    // System services.
    virtual void beep(UINT type) = 0;
    virtual COLORREF sysColor(int index) const = 0;
    virtual int systemMetric(int index) const = 0;
    virtual POINT cursorPos() const = 0;  // screen coordinates
    // Moves the mouse cursor (SetCursorPos); false where the toolkit cannot.
    virtual bool setCursorPos(POINT /*screenPos*/) { return false; }
    virtual IKEClipboard& clipboard() = 0;

    // Shows `menu` at `screenPos` for `owner` and waits for the choice: the chosen command id,
    // or 0 if the menu was dismissed.
    virtual UINT trackPopupMenu(const CKEMenu& menu, POINT screenPos, HWND owner) = 0;
    // The modal change-character dialog: `entries` are the combo box's texts in CP932, the
    // no-font entry first; `selection` comes in as the preselected index (-1: none) and goes
    // out as the chosen one. IDOK or IDCANCEL.
    virtual int runCharFontDialog(HWND owner, const std::vector<std::string>& entries,
                                  int& selection) = 0;
    // The modal message box (UTF-8 texts) and the ID of the button chosen; 0 where the
    // toolkit cannot show one.
    virtual int messageBox(HWND /*owner*/, const std::string& /*text*/,
                           const std::string& /*caption*/, const KEMessageBoxLayout& /*layout*/) {
        return 0;
    }
};
