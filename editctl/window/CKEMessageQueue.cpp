#include "editctl/window/CKEMessageQueue.h"

#include <algorithm>

void CKEMessageQueue::post(const MSG& msg) { m_messages.push_back(msg); }

std::optional<MSG> CKEMessageQueue::peek(HWND hwnd, UINT first, UINT last, bool remove) {
    const bool anyMessage = first == 0 && last == 0;
    for (auto it = m_messages.begin(); it != m_messages.end(); ++it) {
        if (hwnd != nullptr && it->hwnd != hwnd) {
            continue;
        }
        if (!anyMessage && (it->message < first || it->message > last)) {
            continue;
        }
        const MSG msg = *it;
        if (remove) {
            m_messages.erase(it);
        }
        return msg;
    }
    return std::nullopt;
}

void CKEMessageQueue::removeFor(HWND hwnd) {
    std::erase_if(m_messages, [&](const MSG& msg) { return msg.hwnd == hwnd; });
}

void CKEMessageQueue::postQuit(int exitCode) {
    m_quit = true;
    m_exitCode = exitCode;
}
