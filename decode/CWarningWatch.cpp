#include "decode/CWarningWatch.h"

#include <QString>

namespace {

CWarningWatch* g_watch = nullptr;

}  // namespace

CWarningWatch::CWarningWatch(const char* text) : m_text(text) {
    g_watch = this;
    m_previous = qInstallMessageHandler(&CWarningWatch::Handle);
}

CWarningWatch::~CWarningWatch() {
    qInstallMessageHandler(m_previous);
    g_watch = nullptr;
}

void CWarningWatch::Handle(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (g_watch != nullptr &&
        message.contains(QLatin1String(g_watch->m_text), Qt::CaseInsensitive)) {
        g_watch->m_seen = true;
        return;
    }
    if (g_watch != nullptr && g_watch->m_previous != nullptr) {
        g_watch->m_previous(type, context, message);
    }
}
