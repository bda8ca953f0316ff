#pragma once

#include <QtGlobal>

// For the time of its life, watches Qt's warnings for one that contains a given text (the
// only sign some image readers give of a broken file), regardless of case; other messages
// go on as before.
// One watch at a time, on the thread that decodes.
class CWarningWatch {
  public:
    explicit CWarningWatch(const char* text);
    ~CWarningWatch();
    CWarningWatch(const CWarningWatch&) = delete;
    CWarningWatch& operator=(const CWarningWatch&) = delete;

    bool Seen() const { return m_seen; }

  private:
    static void Handle(QtMsgType type, const QMessageLogContext& context, const QString& message);

    const char* m_text;
    bool m_seen = false;
    QtMessageHandler m_previous;
};
