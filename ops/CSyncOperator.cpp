#include "ops/CSyncOperator.h"

#include "ops/CSyncProgress.h"

void CSyncOperator::ShowMessage(const std::string&, const std::string& text, MessageIcon) {
    m_messages.push_back(text);
    if (m_observer) m_observer(-1, -1, text);
}

bool CSyncOperator::AskYesNo(const std::string&, const std::string&, MessageIcon) { return true; }

std::shared_ptr<IProgressDisplay> CSyncOperator::OpenProgress() {
    return std::make_shared<CSyncProgress>(
        [this](int range, int position, const std::string& text) {
            if (m_observer) m_observer(range, position, text);
        });
}
