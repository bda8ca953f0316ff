#pragma once

#include <iosfwd>
#include <string>

#include "host/IProgressDisplay.h"

// Progress of a printer operation on the terminal: a bar redrawn in place on a terminal,
// plain lines (text changes and every tenth of the bar) otherwise.
class CTerminalProgress : public IProgressDisplay {
  public:
    CTerminalProgress(std::ostream& err, bool asBar) : m_err(err), m_asBar(asBar) {}
    ~CTerminalProgress() override;

    void SetProgress(int range, int position, const std::string& text) override;
    void SetBar(int range, int position) override;
    void SetMessage(const std::string& text) override;
    void ShowCloseButton() override;

    // The bar as drawn: "[#####     ]  50% text", 20 cells.
    static std::string BarLine(int range, int position, const std::string& text);

  private:
    void Draw();

    std::ostream& m_err;
    bool m_asBar;
    int m_range = 0;
    int m_position = 0;
    std::string m_text;
    int m_lastTenth = -1;
    bool m_barShown = false;
    bool m_closed = false;
};
