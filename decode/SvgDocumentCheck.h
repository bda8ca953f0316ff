#pragma once

#include <QByteArray>
#include <optional>
#include <string>

#include "decode/SvgLength.h"

// Limits on the SVG documents that are drawn: a document is read only from its own bytes.
inline constexpr qint64 kMaxSvgFileBytes = 16 * 1024 * 1024;
inline constexpr int kMaxSvgDepth = 256;
inline constexpr int kMaxSvgElements = 1000000;

// Reads an SVG document through once, before it is drawn, and gives its size facts; nullopt
// when it must not be drawn: malformed XML, a root other than <svg>, nesting deeper than
// kMaxSvgDepth or more than kMaxSvgElements elements, entity declarations, a reference to
// anything outside the document (an href other than "#..." or an embedded PNG, JPEG or GIF
// image), or a style sheet that imports another.
// When refused and `refusal` is given, it receives why, in the operator's language.
std::optional<SvgSizeFacts> CheckSvgDocument(const QByteArray& document,
                                             std::string* refusal = nullptr);
