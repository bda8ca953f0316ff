#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editctl/model/CKEClassRegistry.h"
#include "editctl/model/WextlWin32.h"
#include "editctl/window/CKECaret.h"
#include "editctl/window/CKEGdiObjects.h"
#include "editctl/window/CKEHandleTable.h"
#include "editctl/window/CKEKeyState.h"
#include "editctl/window/CKEMessageQueue.h"
#include "editctl/window/CKETimerList.h"
#include "editctl/window/CKEWindow.h"
#include "editctl/window/IKEPlatform.h"
#include "editctl/window/IKESurface.h"

// The small window system the control lives in, in Win32's own terms: window classes,
// windows behind a handle table, send and post, the default procedure, focus, capture,
// timers, the key state, the one system caret, scroll bars, invalidation and painting.
// Every call that takes a window refuses a null, stale or made-up handle (0, false or null,
// and no effect). One system serves one thread; the library makes one per process, tests
// make their own over a fake platform (the one made last is current()).
class CKEWindowSystem {
  public:
    // `gdi` (if given) holds the drawing objects, so that they can outlive the system.
    CKEWindowSystem(IKEPlatform& platform, CKEClassRegistry& classes, CKEGdiObjects* gdi = nullptr);
    ~CKEWindowSystem();
    CKEWindowSystem(const CKEWindowSystem&) = delete;
    CKEWindowSystem& operator=(const CKEWindowSystem&) = delete;

    // The system window procedures belong to (null if none exists).
    static CKEWindowSystem* current();

    IKEPlatform& platform() { return m_platform; }
    CKEClassRegistry& classes() { return m_classes; }
    CKEGdiObjects& gdi() { return m_gdi; }

    // Windows.
    HWND createWindow(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                      int x, int y, int width, int height, HWND parent, LONG_PTR menuOrId,
                      void* param);
    bool destroyWindow(HWND hwnd);
    // Hands the window's procedure record to the window system, which frees it with the
    // window (IKEWindowState). False for a dead handle (the record is freed at once).
    bool setWindowState(HWND hwnd, std::unique_ptr<IKEWindowState> state);
    CKEWindow* window(HWND hwnd) const;
    bool isWindow(HWND hwnd) const { return window(hwnd) != nullptr; }
    bool hasWindowOfClass(const std::string& className) const;
    HWND getParent(HWND hwnd) const;
    LONG_PTR getWindowLongPtr(HWND hwnd, int index) const;
    LONG_PTR setWindowLongPtr(HWND hwnd, int index, LONG_PTR value);
    bool getClientRect(HWND hwnd, RECT& rect) const;
    bool getWindowRect(HWND hwnd, RECT& rect) const;
    bool moveWindow(HWND hwnd, int x, int y, int width, int height, bool repaint);
    bool showWindow(HWND hwnd, int command);
    // EnableWindow: the previous state as Win32 answers it (true if it was disabled).
    bool enableWindow(HWND hwnd, bool enable);
    bool isWindowEnabled(HWND hwnd) const;
    bool clientToScreen(HWND hwnd, POINT& point) const;
    bool screenToClient(HWND hwnd, POINT& point) const;

    // Messages.
    LRESULT sendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool postMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void postQuitMessage(int exitCode);
    // GetMessageA: waits for a message (posted, a due timer, a paint); 0 for WM_QUIT.
    int getMessage(MSG& msg, HWND hwnd, UINT first, UINT last);
    bool peekMessage(MSG& msg, HWND hwnd, UINT first, UINT last, UINT removeFlags);
    LRESULT dispatchMessage(const MSG& msg);
    // Dispatches what is posted and what timers are due until nothing is left or `timeoutMs`
    // has passed; the number of messages dispatched.
    int pumpMessages(int timeoutMs);
    // The library's own loop for a host that runs the toolkit's loop instead of a Win32 one:
    // called by the platform soon after something was queued, it translates and dispatches
    // what is queued and due, at most `limit` messages, unless a GetMessage, PeekMessage or
    // pump of the host is running (which takes the messages itself). The number dispatched.
    int dispatchQueued(int limit);
    bool hostLoopRunning() const { return m_hostLoops > 0; }
    // When the next timer falls due (the platform's clock), if any is set.
    std::optional<std::uint64_t> nextTimerDue() const { return m_timers.nextDue(); }
    LRESULT defWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    // Focus and capture.
    HWND setFocus(HWND hwnd);
    HWND getFocus() const { return m_focus; }
    HWND setCapture(HWND hwnd);
    bool releaseCapture();
    HWND getCapture() const { return m_capture; }

    // Timers.
    // SetTimer: with a TIMERPROC, DispatchMessage calls it instead of the window procedure.
    UINT_PTR setTimer(HWND hwnd, UINT_PTR id, UINT intervalMs, TIMERPROC proc = nullptr);
    bool killTimer(HWND hwnd, UINT_PTR id);

    // Keys. A toolkit's key events are queued behind posted messages, as Win32 queues input;
    // a key down keeps the text it types, and TranslateMessage posts that text as WM_CHARs
    // (WM_SYSCHARs for WM_SYSKEYDOWN), one CP932 byte each, lead byte first. A key down
    // without text (posted by a host) types what KEKeyText says.
    void postKeyInput(HWND hwnd, UINT message, WPARAM virtualKey, LPARAM lParam,
                      std::u16string text);
    bool translateMessage(const MSG& msg);
    short getKeyState(int virtualKey) const { return m_keys.get(virtualKey); }
    CKEKeyState& keyState() { return m_keys; }

    // The mouse cursor (SetCursor): shown over the window the mouse is in (the last
    // WM_SETCURSOR's) or the capture's; null hides it. The previous cursor.
    HCURSOR setCursor(HCURSOR cursor);
    HCURSOR getCursor() const { return m_cursor; }

    // The system caret.
    bool createCaret(HWND hwnd, int width, int height);
    bool destroyCaret();
    bool setCaretPos(int x, int y);
    bool getCaretPos(POINT& pos) const;
    bool showCaret(HWND hwnd);
    bool hideCaret(HWND hwnd);
    const CKECaret& caret() const { return m_caret; }

    // Scroll bars (SB_VERT, SB_HORZ).
    int setScrollInfo(HWND hwnd, int bar, const SCROLLINFO& info, bool redraw);
    bool getScrollInfo(HWND hwnd, int bar, SCROLLINFO& info) const;
    bool getScrollRange(HWND hwnd, int bar, int& min, int& max) const;

    // Invalidation and painting. A peer repaints a window with paint(); BeginPaint then hands
    // out a context on that surface. printWindow paints into 0xAARRGGBB pixels.
    bool invalidateRect(HWND hwnd, const RECT* rect, bool erase);
    bool updateWindow(HWND hwnd);
    bool paint(HWND hwnd, IKESurface& target);
    bool printWindow(HWND hwnd, std::uint32_t* pixels, int width, int height, int strideBytes);
    HDC beginPaint(HWND hwnd, PAINTSTRUCT& paint);
    bool endPaint(HWND hwnd, const PAINTSTRUCT& paint);

    // The input method: a finished composition arrives as WM_IME_COMPOSITION with
    // GCS_RESULTSTR while the window's context holds the string.
    CKEInputContext* inputContext(HWND hwnd) const;
    bool commitComposition(HWND hwnd, std::u16string_view text);

    void messageBeep(UINT type) { m_platform.beep(type); }

    // Called by peers when the toolkit changes what the window system keeps.
    void peerResized(HWND hwnd, int width, int height);
    // A top-level window moved by the user or the window manager (screen coordinates).
    void peerMoved(HWND hwnd, int x, int y);
    void peerFocusChanged(HWND hwnd, bool focused);

  private:
    void destroyTree(HWND hwnd);
    // Takes a destroyed window out of the handle table (and of focus, capture, caret, timers
    // and queue) and frees its record, or keeps it in m_retired while a dispatch holds it.
    void release(HWND hwnd);
    void unlock(CKEWindow& window);
    void free(std::unique_ptr<CKEWindow> record);
    LRESULT callProc(CKEWindow& window, UINT message, WPARAM wParam, LPARAM lParam);
    // The next message for GetMessage and PeekMessage; the library's own loops leave the quit
    // request (`quit` false) for the host's loop.
    bool takeNextMessage(MSG& msg, HWND hwnd, UINT first, UINT last, bool remove, bool quit = true);
    bool takeInput(MSG& msg, HWND hwnd, UINT first, UINT last, bool remove);
    bool takeTimer(MSG& msg, HWND hwnd, bool remove);
    // Marks a host's GetMessage, PeekMessage or pump as running while it lives.
    class HostLoop;
    RECT clientRectOf(const CKEWindow& window) const;
    LRESULT defaultPaint(CKEWindow& window);

    IKEPlatform& m_platform;
    CKEClassRegistry& m_classes;
    CKEGdiObjects m_ownGdi;
    CKEGdiObjects& m_gdi;
    CKEHandleTable<HWND, CKEWindow> m_windows;
    CKEMessageQueue m_queue;
    CKEMessageQueue m_input;       // keyboard input, taken after posted messages
    CKEQueuedMessage m_lastKey{};  // the key down taken last, for TranslateMessage
    int m_hostLoops = 0;           // nesting of the host's GetMessage, PeekMessage and pumps
    CKETimerList m_timers;
    CKEKeyState m_keys;
    CKECaret m_caret;
    HWND m_focus = nullptr;
    HWND m_capture = nullptr;
    HCURSOR m_cursor = nullptr;
    HWND m_cursorWindow = nullptr;  // the window the mouse is over, as WM_SETCURSOR said
    std::vector<HWND> m_order;      // live windows in creation order
    // Destroyed windows whose dispatches are still on the stack.
    std::vector<std::unique_ptr<CKEWindow>> m_retired;
    IKESurface* m_paintTarget = nullptr;
    std::unique_ptr<IKESurface> m_scratch;
    std::unique_ptr<IKESurface> m_printSurface;  // printWindow's, kept between prints
    HWND m_paintWindow = nullptr;
    CKEWindowSystem* m_previous = nullptr;
};
