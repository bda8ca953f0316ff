#pragma once

#include <iosfwd>
#include <optional>

#include "host/IOperator.h"

// The operator of the command line. Messages go to the error stream as "caption: text".
// Questions are answered by a preset answer (--yes / --no) when there is one, else asked on
// the terminal when the input is a terminal, else declined. Progress is a bar on a terminal
// and plain lines otherwise. Nothing is enabled, refreshed or pumped: there is no window.
class CTerminalOperator : public IOperator {
  public:
    struct Options {
        std::optional<bool> presetAnswer;  // answers every question without asking
        bool askOnTerminal = false;        // the input is a terminal the operator types on
        bool progressAsBar = false;        // the error stream is a terminal
    };

    // Options for the process's own streams: asks when stdin is a terminal and draws a bar
    // when stderr is one.
    static Options DetectOptions(std::optional<bool> presetAnswer);

    CTerminalOperator(std::ostream& err, std::istream& in, Options options);

    void ShowMessage(const std::string& caption, const std::string& text,
                     MessageIcon icon) override;
    bool AskYesNo(const std::string& caption, const std::string& text, MessageIcon icon) override;
    std::shared_ptr<IProgressDisplay> OpenProgress() override;

    // A message text as one terminal shows it: carriage returns before line feeds dropped.
    static std::string ForTerminal(const std::string& text);

  private:
    std::ostream& m_err;
    std::istream& m_in;
    Options m_options;
};
