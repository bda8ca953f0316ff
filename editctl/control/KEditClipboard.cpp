// Cut, copy, paste and clear. Both text formats are written; CF_UNICODETEXT is preferred
// when reading, and what the clipboard holds is read as untrusted data (KEClipboardText).
#include "editctl/control/KEditClipboard.h"

#include <optional>
#include <string>

#include "editctl/control/CKEditWindowData.h"
#include "editctl/control/KEditCaret.h"
#include "editctl/control/KEditEditing.h"
#include "editctl/model/KEClipboardText.h"
#include "editctl/model/KENarrowPlatform.h"
#include "editctl/window/CKEWindowSystem.h"
#include "editctl/window/IKEClipboard.h"

namespace {

IKEClipboard& Clipboard(CKEditWindowData& data) { return data.system().platform().clipboard(); }

// Places the selected characters in both formats; the success of the last placement.
bool WriteSelection(CKEditWindowData& data) {
    std::int32_t first = 0;
    std::int32_t count = 0;
    if (!data.getSelection(first, count)) {
        return false;
    }
    IKEClipboard& clipboard = Clipboard(data);
    if (!clipboard.open(data.hwnd())) {
        return false;
    }
    const std::u16string_view text =
        std::u16string_view(data.m_text)
            .substr(static_cast<std::size_t>(first), static_cast<std::size_t>(count));
    clipboard.empty();
    clipboard.setData(CF_UNICODETEXT, keclip::UnicodeBlock(text));
    const bool placed = clipboard.setData(CF_TEXT, keclip::AnsiBlock(text));
    clipboard.close();
    return placed;
}

// The clipboard's text, or nothing if it cannot be opened or holds none.
std::optional<std::u16string> ReadText(CKEditWindowData& data) {
    IKEClipboard& clipboard = Clipboard(data);
    if (!clipboard.open(data.hwnd())) {
        return std::nullopt;
    }
    std::optional<std::u16string> text;
    if (auto block = clipboard.isFormatAvailable(CF_UNICODETEXT) ? clipboard.getData(CF_UNICODETEXT)
                                                                 : std::nullopt) {
        text = keclip::FromUnicodeBlock(block->data(), block->size());
    } else if (auto ansi = clipboard.isFormatAvailable(CF_TEXT) ? clipboard.getData(CF_TEXT)
                                                                : std::nullopt) {
        text = keclip::FromAnsiBlock(ansi->data(), ansi->size());
    }
    clipboard.close();
    return text;
}

}  // namespace

LRESULT KEDIT_WM_Copy(CKEditWindowData& data, WPARAM, LPARAM) {
    if (data.hasSelection()) {
        WriteSelection(data);
    }
    return 0;
}

LRESULT KEDIT_WM_Cut(CKEditWindowData& data, WPARAM, LPARAM) {
    if (!data.hasSelection() || !WriteSelection(data)) {
        return 0;
    }
    KEEdit cut{KE_EDIT_DELETE};
    cut.announce = false;
    KEReplaceSelection(data, cut);
    return 0;
}

LRESULT KEDIT_WM_Paste(CKEditWindowData& data, WPARAM wParam, LPARAM lParam) {
    const std::optional<std::u16string> read = ReadText(data);
    if (!read) {
        return data.system().defWindowProc(data.hwnd(), WM_PASTE, wParam, lParam);
    }
    const std::u16string text = kenarrow::Apply(*read);
    KEReplaceSelection(data, KEEdit{KE_EDIT_INSERT, text});
    return 0;
}

LRESULT KEDIT_WM_Clear(CKEditWindowData& data, WPARAM, LPARAM) {
    KEReplaceSelection(data, KEEdit{KE_EDIT_DELETE});
    return 0;
}

bool KEPastePossible(CKEditWindowData& data) {
    IKEClipboard& clipboard = Clipboard(data);
    if (!clipboard.open(data.hwnd())) {
        return false;
    }
    const bool text =
        clipboard.isFormatAvailable(CF_UNICODETEXT) || clipboard.isFormatAvailable(CF_TEXT);
    clipboard.close();
    return text;
}
