#pragma once

#include "host/IOperator.h"

// An operator that shows nothing and answers every question the same way, for fuzzers and
// benchmarks that only look at results.
class CSilentOperator : public IOperator {
  public:
    explicit CSilentOperator(bool answer = false) : m_answer(answer) {}

    void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
    bool AskYesNo(const std::string&, const std::string&, MessageIcon) override { return m_answer; }
    std::shared_ptr<IProgressDisplay> OpenProgress() override { return nullptr; }

  private:
    bool m_answer;
};
