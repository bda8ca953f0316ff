#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/IOperator.h"

// An operator for tests that records every call in order and answers questions from a
// queue of preset answers. Texts are kept exactly as they were passed (UTF-8).
class CRecordingOperator : public IOperator {
  public:
    struct Message {
        std::string caption;
        std::string text;
        MessageIcon icon;
        bool operator==(const Message&) const = default;
    };
    struct Question {
        std::string caption;
        std::string text;
        MessageIcon icon;
        bool answer;  // what the operator answered
    };
    // One call on a progress display, as "SetProgress 10 3 text", "SetBar 10 4",
    // "SetMessage text" or "ShowCloseButton".
    struct ProgressCall {
        int display;  // 0 for the first display opened, 1 for the next ...
        std::string call;
    };

    // Answers for the next questions, first in first out. With the queue empty a question
    // is answered with DefaultAnswer().
    void QueueAnswer(bool answer) { m_answers.push_back(answer); }
    void SetDefaultAnswer(bool answer) { m_defaultAnswer = answer; }
    bool DefaultAnswer() const { return m_defaultAnswer; }

    void ShowMessage(const std::string& caption, const std::string& text,
                     MessageIcon icon) override;
    bool AskYesNo(const std::string& caption, const std::string& text, MessageIcon icon) override;
    std::shared_ptr<IProgressDisplay> OpenProgress() override;
    void RefreshItemList() override {
        ++m_refreshCount;
        m_log.push_back("RefreshItemList");
    }
    void RepaintPreviews() override {
        ++m_repaintCount;
        m_log.push_back("RepaintPreviews");
    }
    void PumpEvents() override {
        ++m_pumpCount;
        if (m_pumpHook) m_pumpHook(m_pumpCount);
    }
    // Called with the count of pumps so far at every PumpEvents (the operator's clicks
    // while an operation waits).
    void SetPumpHook(std::function<void(int pumps)> hook) { m_pumpHook = std::move(hook); }

    const std::vector<Message>& Messages() const { return m_messages; }
    const std::vector<Question>& Questions() const { return m_questions; }
    const std::vector<ProgressCall>& ProgressCalls() const { return m_progressCalls; }
    int ProgressDisplaysOpened() const { return m_displaysOpened; }
    int RefreshCount() const { return m_refreshCount; }
    int RepaintCount() const { return m_repaintCount; }
    int PumpCount() const { return m_pumpCount; }
    // Every call but PumpEvents, in order, one readable line each, e.g.
    // "ShowMessage エラー: text [Exclamation]" or "AskYesNo caption: text -> yes".
    const std::vector<std::string>& Log() const { return m_log; }
    // The texts of the messages shown, in order.
    std::vector<std::string> MessageTexts() const;

    // Forgets everything recorded (queued answers stay).
    void Clear();

    static const char* IconName(MessageIcon icon);

  private:
    class CRecordingProgress;

    std::deque<bool> m_answers;
    bool m_defaultAnswer = false;
    std::vector<Message> m_messages;
    std::vector<Question> m_questions;
    std::vector<ProgressCall> m_progressCalls;
    std::vector<std::string> m_log;
    int m_displaysOpened = 0;
    int m_refreshCount = 0;
    int m_repaintCount = 0;
    int m_pumpCount = 0;
    std::function<void(int)> m_pumpHook;
};
