#include "decode/CWarningWatch.h"

#include <QString>

namespace {

CWarningWatch* g_watch = nullptr;

// Enough of the libraries' words to say why; a flood of warnings is not kept whole.
constexpr std::size_t kMaxCollected = 8;

}  // namespace

CWarningWatch::CWarningWatch() : CWarningWatch(nullptr) {}

CWarningWatch::CWarningWatch(const char* text) : m_text(text), m_outer(g_watch) {
    g_watch = this;
    m_previous = qInstallMessageHandler(&CWarningWatch::Handle);
}

CWarningWatch::~CWarningWatch() {
    qInstallMessageHandler(m_previous);
    g_watch = m_outer;
}

std::string CWarningWatch::Collected() const {
    std::string joined;
    for (const std::string& text : m_collected) joined += (joined.empty() ? "" : "; ") + text;
    return joined;
}

void CWarningWatch::Handle(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    CWarningWatch* outermost = nullptr;
    for (CWarningWatch* watch = g_watch; watch != nullptr; watch = watch->m_outer) {
        outermost = watch;
        if (watch->m_text != nullptr) {
            if (message.contains(QLatin1String(watch->m_text), Qt::CaseInsensitive)) {
                watch->m_seen = true;
                return;
            }
            continue;
        }
        if (watch->m_collected.size() < kMaxCollected) {
            watch->m_collected.push_back(message.simplified().toStdString());
        }
        return;
    }
    if (outermost != nullptr && outermost->m_previous != nullptr) {
        outermost->m_previous(type, context, message);
    }
}
