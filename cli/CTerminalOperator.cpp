#include "cli/CTerminalOperator.h"

#include <unistd.h>

#include <istream>
#include <ostream>
#include <string>

#include "cli/CTerminalProgress.h"

CTerminalOperator::Options CTerminalOperator::DetectOptions(std::optional<bool> presetAnswer) {
    Options options;
    options.presetAnswer = presetAnswer;
    options.askOnTerminal = ::isatty(STDIN_FILENO) == 1;
    options.progressAsBar = ::isatty(STDERR_FILENO) == 1;
    return options;
}

CTerminalOperator::CTerminalOperator(std::ostream& err, std::istream& in, Options options)
    : m_err(err), m_in(in), m_options(options) {}

std::string CTerminalOperator::ForTerminal(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    return out;
}

void CTerminalOperator::ShowMessage(const std::string& caption, const std::string& text,
                                    MessageIcon) {
    m_err << caption << ": " << ForTerminal(text) << std::endl;
}

bool CTerminalOperator::AskYesNo(const std::string& caption, const std::string& text, MessageIcon) {
    const std::string question = caption + ": " + ForTerminal(text);
    if (m_options.presetAnswer) {
        m_err << question << " -> " << (*m_options.presetAnswer ? "yes" : "no") << std::endl;
        return *m_options.presetAnswer;
    }
    if (!m_options.askOnTerminal) {
        m_err << question << " -> no (not a terminal; answer with --yes or --no)" << std::endl;
        return false;
    }
    for (;;) {
        m_err << question << " [y/n] " << std::flush;
        std::string answer;
        if (!std::getline(m_in, answer)) {
            m_err << std::endl;
            return false;
        }
        if (answer == "y" || answer == "Y" || answer == "yes") return true;
        if (answer == "n" || answer == "N" || answer == "no") return false;
    }
}

std::shared_ptr<IProgressDisplay> CTerminalOperator::OpenProgress() {
    return std::make_shared<CTerminalProgress>(m_err, m_options.progressAsBar);
}
