#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "editctl/model/WextlWin32.h"

// The system clipboard in Win32's terms: opened by one window, emptied, given one block per
// format (CF_UNICODETEXT: 0-terminated UTF-16; CF_TEXT: 0-terminated CP932), closed.
class IKEClipboard {
  public:
    virtual ~IKEClipboard() = default;

    virtual bool open(HWND owner) = 0;
    virtual bool close() = 0;
    virtual bool empty() = 0;
    virtual bool setData(UINT format, std::vector<std::byte> data) = 0;
    virtual bool isFormatAvailable(UINT format) const = 0;
    // The block of `format` while the clipboard is open, or nothing.
    virtual std::optional<std::vector<std::byte>> getData(UINT format) const = 0;
};
