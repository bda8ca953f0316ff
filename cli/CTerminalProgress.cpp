#include "cli/CTerminalProgress.h"

#include <algorithm>
#include <ostream>

#include "cli/CTerminalOperator.h"

namespace {

int Percent(int range, int position) {
    if (range <= 0) return 0;
    return static_cast<int>(std::clamp<long long>(100LL * position / range, 0, 100));
}

}  // namespace

CTerminalProgress::~CTerminalProgress() {
    if (m_asBar && m_barShown && !m_closed) m_err << std::endl;
}

std::string CTerminalProgress::BarLine(int range, int position, const std::string& text) {
    constexpr int kCells = 20;
    const int percent = Percent(range, position);
    const int filled = percent * kCells / 100;
    std::string line = "[" + std::string(static_cast<std::size_t>(filled), '#') +
                       std::string(static_cast<std::size_t>(kCells - filled), ' ') + "] ";
    const std::string number = std::to_string(percent);
    line += std::string(3 - std::min<std::size_t>(3, number.size()), ' ') + number + "%";
    if (!text.empty()) line += " " + CTerminalOperator::ForTerminal(text);
    return line;
}

void CTerminalProgress::SetProgress(int range, int position, const std::string& text) {
    m_range = range;
    m_position = position;
    const bool textChanged = text != m_text;
    m_text = text;
    if (!m_asBar && textChanged) m_lastTenth = -1;
    Draw();
}

void CTerminalProgress::SetBar(int range, int position) {
    m_range = range;
    m_position = position;
    Draw();
}

void CTerminalProgress::SetMessage(const std::string& text) {
    if (text == m_text) return;
    m_text = text;
    if (m_asBar) {
        Draw();
    } else {
        m_err << CTerminalOperator::ForTerminal(text) << std::endl;
    }
}

void CTerminalProgress::ShowCloseButton() {
    if (m_closed) return;
    m_closed = true;
    if (m_asBar && m_barShown) m_err << std::endl;
}

void CTerminalProgress::Draw() {
    if (m_closed) return;
    if (m_asBar) {
        m_err << "\r" << BarLine(m_range, m_position, m_text) << "\033[K" << std::flush;
        m_barShown = true;
        return;
    }
    const int tenth = Percent(m_range, m_position) / 10;
    if (tenth == m_lastTenth) return;
    m_lastTenth = tenth;
    m_err << BarLine(m_range, m_position, m_text) << std::endl;
}
