#pragma once

#include <functional>
#include <string>

#include "host/IProgressDisplay.h"

// A progress display that hands every change on, as the bar's range and position with the
// text shown, to whoever follows one port's work; its text is kept across bar changes.
class CSyncProgress : public IProgressDisplay {
  public:
    using Report = std::function<void(int range, int position, const std::string& text)>;

    explicit CSyncProgress(Report report) : m_report(std::move(report)) {}

    void SetProgress(int range, int position, const std::string& text) override;
    void SetBar(int range, int position) override;
    void SetMessage(const std::string& text) override;
    void ShowCloseButton() override {}

  private:
    Report m_report;
    int m_range = 0;
    int m_position = 0;
    std::string m_text;
};
