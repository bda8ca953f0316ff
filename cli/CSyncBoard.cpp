#include "cli/CSyncBoard.h"

#include <algorithm>
#include <ostream>

#include "cli/CTerminalOperator.h"
#include "cli/CTerminalProgress.h"

namespace {

constexpr std::size_t kStageWidth = 10;  // "verifying" and a space

std::string Padded(std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

}  // namespace

CSyncBoard::CSyncBoard(std::ostream& err, std::vector<std::string> ports, bool onTerminal,
                       std::size_t columns)
    : m_err(err),
      m_ports(std::move(ports)),
      m_lines(m_ports.size()),
      m_onTerminal(onTerminal),
      m_columns(columns) {
    for (const std::string& port : m_ports) m_portWidth = std::max(m_portWidth, port.size());
    if (!m_onTerminal) return;
    for (std::size_t i = 0; i < m_ports.size(); ++i) {
        m_lines[i].printed = CutToColumns(
            TerminalLine(m_ports[i], m_portWidth, m_lines[i].stage, 0, 0, {}), m_columns);
        m_err << m_lines[i].printed << '\n';
    }
    m_err << std::flush;
}

CSyncBoard::~CSyncBoard() { m_err << std::flush; }

std::string CSyncBoard::TerminalLine(const std::string& port, std::size_t portWidth,
                                     CPortSync::Stage stage, int range, int position,
                                     const std::string& text) {
    return Padded(port, portWidth) + "  " +
           Padded(std::string(CPortSync::StageName(stage)), kStageWidth) +
           CTerminalProgress::BarLine(range, position, text);
}

std::string CSyncBoard::CutToColumns(const std::string& text, std::size_t columns) {
    if (columns == 0) return text;
    std::size_t used = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        // Half-width katakana (U+FF61..U+FF9F, EF BD A1 .. EF BE 9F) take one cell; other
        // characters beyond U+1100 (three or four bytes) take two.
        const bool halfWidth = length == 3 && lead == 0xEF && i + 1 < text.size() &&
                               (static_cast<unsigned char>(text[i + 1]) == 0xBD ||
                                static_cast<unsigned char>(text[i + 1]) == 0xBE);
        const std::size_t cells = length >= 3 && !halfWidth ? 2 : 1;
        if (used + cells > columns || i + length > text.size()) break;
        used += cells;
        i += length;
    }
    return text.substr(0, i);
}

void CSyncBoard::Update(std::size_t index, CPortSync::Stage stage, int range, int position,
                        const std::string& text) {
    const std::lock_guard<std::mutex> lock(m_mutex);
    if (index >= m_lines.size()) return;
    PortLine& line = m_lines[index];
    const bool stageChanged = stage != line.stage;
    if (stageChanged) {
        line.stage = stage;
        line.range = 0;
        line.position = 0;
        line.text.clear();
    }
    if (range >= 0) {
        line.range = range;
        line.position = position;
    }
    if (!text.empty()) line.text = text;

    if (m_onTerminal) {
        Redraw(index);
        return;
    }
    std::string out = m_ports[index] + ": " + std::string(CPortSync::StageName(line.stage));
    if (!line.text.empty()) out += ": " + CTerminalOperator::ForTerminal(line.text);
    // Counted steps (IDs deleted, logos sent) are lines of their own; the bytes of the
    // registration stream are not.
    const bool counted =
        line.stage == CPortSync::Stage::Deleting || line.stage == CPortSync::Stage::Sending;
    if (counted && line.range > 0) {
        out += " (" + std::to_string(line.position) + "/" + std::to_string(line.range) + ")";
    }
    if (out == line.printed) return;
    line.printed = out;
    m_err << out << std::endl;
}

void CSyncBoard::Redraw(std::size_t index) {
    PortLine& line = m_lines[index];
    const std::string text =
        TerminalLine(m_ports[index], m_portWidth, line.stage, line.range, line.position, line.text);
    if (text == line.printed) return;
    line.printed = text;
    // The cursor waits below the last line: go up to this port's line, redraw, come back.
    const std::size_t up = m_lines.size() - index;
    m_err << "\033[" << up << "A\r" << text << "\033[K\033[" << up << "B\r" << std::flush;
}
