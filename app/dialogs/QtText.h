#pragma once

#include <QString>
#include <string>
#include <string_view>

// UTF-8 texts of the core as Qt strings and back.
inline QString Qs(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::string Utf8(const QString& text) { return text.toUtf8().toStdString(); }
