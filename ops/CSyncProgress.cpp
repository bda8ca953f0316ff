#include "ops/CSyncProgress.h"

void CSyncProgress::SetProgress(int range, int position, const std::string& text) {
    m_range = range;
    m_position = position;
    m_text = text;
    m_report(m_range, m_position, m_text);
}

void CSyncProgress::SetBar(int range, int position) {
    m_range = range;
    m_position = position;
    m_report(m_range, m_position, m_text);
}

void CSyncProgress::SetMessage(const std::string& text) {
    m_text = text;
    m_report(m_range, m_position, m_text);
}
