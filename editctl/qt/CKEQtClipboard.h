#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <vector>

#include "editctl/window/IKEClipboard.h"

// The desktop clipboard in the two text formats of the window system. CF_UNICODETEXT is the
// clipboard's plain text, so text passes to and from every other program; CF_TEXT (CP932)
// is kept beside it under a MIME type of its own. Blocks set between open and close reach
// the desktop together when the clipboard is closed.
class CKEQtClipboard : public IKEClipboard {
  public:
    static constexpr const char* kAnsiMimeType = "application/x-wextl-cf-text";

    bool open(HWND owner) override;
    bool close() override;
    bool empty() override;
    bool setData(UINT format, std::vector<std::byte> data) override;
    bool isFormatAvailable(UINT format) const override;
    std::optional<std::vector<std::byte>> getData(UINT format) const override;

  private:
    bool m_open = false;
    bool m_changed = false;
    std::map<UINT, std::vector<std::byte>> m_pending;
};
