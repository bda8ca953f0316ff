#pragma once

#include <deque>
#include <optional>

#include "editctl/model/WextlWin32.h"

// Posted messages in the order they were posted, and the quit request of PostQuitMessage.
class CKEMessageQueue {
  public:
    void post(const MSG& msg);
    // The first message for `hwnd` (null: any) within [first, last] (0, 0: any); removed
    // with `remove`.
    std::optional<MSG> peek(HWND hwnd, UINT first, UINT last, bool remove);
    void removeFor(HWND hwnd);
    bool empty() const { return m_messages.empty(); }

    void postQuit(int exitCode);
    bool quitPosted() const { return m_quit; }
    int exitCode() const { return m_exitCode; }
    void clearQuit() { m_quit = false; }

  private:
    std::deque<MSG> m_messages;
    bool m_quit = false;
    int m_exitCode = 0;
};
