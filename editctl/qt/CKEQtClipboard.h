#pragma once

#include <cstddef>
#include <map>
#include <vector>

#include "editctl/model/WextlWin32.h"

// The desktop clipboard in the two text formats of the window system. CF_UNICODETEXT is the
// clipboard's plain text, so text passes to and from every other program; CF_TEXT (CP932)
// is kept beside it under a MIME type of its own. Blocks are 0-terminated as the formats
// define them.
class CKEQtClipboard {
  public:
    static constexpr UINT kText = 1;          // CF_TEXT
    static constexpr UINT kUnicodeText = 13;  // CF_UNICODETEXT
    static constexpr const char* kAnsiMimeType = "application/x-wextl-cf-text";

    bool has(UINT format) const;
    // The block of `format`, or empty if the clipboard does not hold it.
    std::vector<std::byte> get(UINT format) const;
    // Replaces the clipboard's content by `blocks` (formats other than the two are ignored).
    void replace(const std::map<UINT, std::vector<std::byte>>& blocks);
};
