#include "tests/support/CRecordingOperator.h"

// The display records into its operator; it stays usable (and keeps recording) after the
// test has dropped every other reference, as a real display outlives its operation.
class CRecordingOperator::CRecordingProgress : public IProgressDisplay {
  public:
    CRecordingProgress(CRecordingOperator& owner, int index) : m_owner(owner), m_index(index) {}

    void SetProgress(int range, int position, const std::string& text) override {
        Record("SetProgress " + std::to_string(range) + " " + std::to_string(position) + " " +
               text);
    }
    void SetBar(int range, int position) override {
        Record("SetBar " + std::to_string(range) + " " + std::to_string(position));
    }
    void SetMessage(const std::string& text) override { Record("SetMessage " + text); }
    void ShowCloseButton() override { Record("ShowCloseButton"); }

  private:
    void Record(std::string call) {
        m_owner.m_log.push_back("Progress" + std::to_string(m_index) + "." + call);
        m_owner.m_progressCalls.push_back({m_index, std::move(call)});
    }

    CRecordingOperator& m_owner;
    int m_index;
};

void CRecordingOperator::ShowMessage(const std::string& caption, const std::string& text,
                                     MessageIcon icon) {
    m_messages.push_back({caption, text, icon});
    m_log.push_back("ShowMessage " + caption + ": " + text + " [" + IconName(icon) + "]");
}

bool CRecordingOperator::AskYesNo(const std::string& caption, const std::string& text,
                                  MessageIcon icon) {
    bool answer = m_defaultAnswer;
    if (!m_answers.empty()) {
        answer = m_answers.front();
        m_answers.pop_front();
    }
    m_questions.push_back({caption, text, icon, answer});
    m_log.push_back("AskYesNo " + caption + ": " + text + " [" + IconName(icon) + "] -> " +
                    (answer ? "yes" : "no"));
    return answer;
}

std::shared_ptr<IProgressDisplay> CRecordingOperator::OpenProgress() {
    const int index = m_displaysOpened++;
    m_log.push_back("OpenProgress " + std::to_string(index));
    return std::make_shared<CRecordingProgress>(*this, index);
}

std::vector<std::string> CRecordingOperator::MessageTexts() const {
    std::vector<std::string> result;
    for (const Message& m : m_messages) result.push_back(m.text);
    return result;
}

void CRecordingOperator::Clear() {
    m_messages.clear();
    m_questions.clear();
    m_progressCalls.clear();
    m_log.clear();
    m_displaysOpened = m_refreshCount = m_repaintCount = m_pumpCount = 0;
}

const char* CRecordingOperator::IconName(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::None:
            return "None";
        case MessageIcon::Information:
            return "Information";
        case MessageIcon::Exclamation:
            return "Exclamation";
        case MessageIcon::Question:
            return "Question";
        case MessageIcon::Stop:
            return "Stop";
    }
    return "?";
}
