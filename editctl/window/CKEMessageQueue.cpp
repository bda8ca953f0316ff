#include "editctl/window/CKEMessageQueue.h"

#include <algorithm>

void CKEMessageQueue::post(const MSG& msg, std::u16string text) {
    m_messages.push_back(CKEQueuedMessage{msg, std::move(text)});
}

std::optional<CKEQueuedMessage> CKEMessageQueue::peek(HWND hwnd, UINT first, UINT last,
                                                      bool remove) {
    const bool anyMessage = first == 0 && last == 0;
    for (auto it = m_messages.begin(); it != m_messages.end(); ++it) {
        if (hwnd != nullptr && it->msg.hwnd != hwnd) {
            continue;
        }
        if (!anyMessage && (it->msg.message < first || it->msg.message > last)) {
            continue;
        }
        if (!remove) {
            return *it;
        }
        CKEQueuedMessage taken = std::move(*it);
        m_messages.erase(it);
        return taken;
    }
    return std::nullopt;
}

void CKEMessageQueue::removeFor(HWND hwnd) {
    std::erase_if(m_messages,
                  [&](const CKEQueuedMessage& queued) { return queued.msg.hwnd == hwnd; });
}

void CKEMessageQueue::postQuit(int exitCode) {
    m_quit = true;
    m_exitCode = exitCode;
}
