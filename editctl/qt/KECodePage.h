#pragma once

#include <QString>
#include <optional>
#include <string>

// The control's ANSI code page (CP932) for face names, at the boundary to Qt.
namespace kecp {

// The CP932 form of `text` if it converts without loss and fits in `maxBytes` bytes.
std::optional<std::string> ToAnsi(const QString& text, std::size_t maxBytes);
QString FromAnsi(const char* text, std::size_t maxBytes);

}  // namespace kecp
