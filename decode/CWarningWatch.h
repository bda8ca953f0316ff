#pragma once

#include <QtGlobal>
#include <string>
#include <vector>

// For the time of its life, takes Qt's messages on the thread that decodes: a watch for a
// text notes whether a message containing it (regardless of case) came, the only sign some
// image readers give of a broken file; a collecting watch keeps every message, so that the
// warnings of Qt and of the libraries under it (libpng, libtiff, ...) become part of the
// reason a picture failed instead of reaching standard error raw. Watches nest: a message
// goes to the innermost watch that takes it, and to the handler before the first watch when
// none does.
class CWarningWatch {
  public:
    // Collects every message.
    CWarningWatch();
    // Takes the messages that contain `text`.
    explicit CWarningWatch(const char* text);
    ~CWarningWatch();
    CWarningWatch(const CWarningWatch&) = delete;
    CWarningWatch& operator=(const CWarningWatch&) = delete;

    bool Seen() const { return m_seen; }
    // The messages collected, joined by "; "; empty when none came.
    std::string Collected() const;

  private:
    static void Handle(QtMsgType type, const QMessageLogContext& context, const QString& message);

    const char* m_text = nullptr;
    bool m_seen = false;
    std::vector<std::string> m_collected;
    CWarningWatch* m_outer = nullptr;
    QtMessageHandler m_previous = nullptr;
};
