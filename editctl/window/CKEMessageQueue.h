#pragma once

#include <deque>
#include <optional>
#include <string>

#include "editctl/model/WextlWin32.h"

// One queued message; a key down from the toolkit also keeps the text the key types, which
// TranslateMessage turns into WM_CHARs.
struct CKEQueuedMessage {
    MSG msg;
    std::u16string text;
};

// Messages in the order they were posted, and the quit request of PostQuitMessage. The window
// system keeps two: posted messages, and the keyboard input behind them.
class CKEMessageQueue {
  public:
    void post(const MSG& msg, std::u16string text = {});
    // The first message for `hwnd` (null: any) within [first, last] (0, 0: any); removed
    // with `remove`.
    std::optional<CKEQueuedMessage> peek(HWND hwnd, UINT first, UINT last, bool remove);
    void removeFor(HWND hwnd);
    bool empty() const { return m_messages.empty(); }

    void postQuit(int exitCode);
    bool quitPosted() const { return m_quit; }
    int exitCode() const { return m_exitCode; }
    void clearQuit() { m_quit = false; }

  private:
    std::deque<CKEQueuedMessage> m_messages;
    bool m_quit = false;
    int m_exitCode = 0;
};
