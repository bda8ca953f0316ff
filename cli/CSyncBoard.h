#pragma once

#include <cstddef>
#include <iosfwd>
#include <mutex>
#include <string>
#include <vector>

#include "ops/CPortSync.h"

// Where the ports of `sync` show their progress, from their own threads. On a terminal
// each port keeps one line, redrawn in place; otherwise each step and each new text is one
// line of its own, "PORT: stage: text (position/range)".
class CSyncBoard {
  public:
    // `columns`: the terminal's width (0: unknown). A redrawn line must not wrap, or going
    // up one line would no longer reach the line above.
    CSyncBoard(std::ostream& err, std::vector<std::string> ports, bool onTerminal,
               std::size_t columns = 0);
    ~CSyncBoard();
    CSyncBoard(const CSyncBoard&) = delete;
    CSyncBoard& operator=(const CSyncBoard&) = delete;

    // A change on port `index` (see CPortSync::Observer).
    void Update(std::size_t index, CPortSync::Stage stage, int range, int position,
                const std::string& text);

    // The terminal line of one port: "PORT  stage      [####      ]  40% text".
    static std::string TerminalLine(const std::string& port, std::size_t portWidth,
                                    CPortSync::Stage stage, int range, int position,
                                    const std::string& text);
    // The longest prefix of UTF-8 `text` that fills at most `columns` terminal cells (wide
    // characters take two); `text` itself when columns is 0.
    static std::string CutToColumns(const std::string& text, std::size_t columns);

  private:
    struct PortLine {
        CPortSync::Stage stage = CPortSync::Stage::Reading;
        int range = 0;
        int position = 0;
        std::string text;
        std::string printed;  // the last line written for it, without redraw codes
    };

    void Redraw(std::size_t index);

    std::mutex m_mutex;
    std::ostream& m_err;
    std::vector<std::string> m_ports;
    std::vector<PortLine> m_lines;
    bool m_onTerminal;
    std::size_t m_columns;
    std::size_t m_portWidth = 0;
};
