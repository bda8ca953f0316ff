#include "editctl/control/KEditTextMessages.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "editctl/control/CKEditWindowData.h"
#include "editctl/control/KEditEditing.h"
#include "editctl/model/KEAnsiCodePage.h"
#include "editctl/model/KEClipboardText.h"
#include "editctl/model/KENarrowPlatform.h"
#include "editctl/window/CKEWindowSystem.h"

namespace {

// The longest text a host can hand over (0-terminated) is looked at up to this many units
// beyond the largest limit: anything longer cannot fit and is refused as too long.
constexpr std::size_t kMaxSetText = CKEditInfo::kMaxLimit + 1;

template <typename Char>
std::size_t BoundedLength(const Char* text) {
    std::size_t n = 0;
    while (n <= kMaxSetText && text[n] != 0) {
        ++n;
    }
    return n;
}

}  // namespace

LRESULT KEDIT_EM_GetSel(CKEditWindowData& data, WPARAM wParam, LPARAM lParam) {
    std::int32_t first = 0;
    std::int32_t count = 0;
    if (!data.getSelection(first, count)) {
        first = data.caretIndex();
        count = 0;
    }
    const std::int32_t end = first + count;
    if (auto* out = reinterpret_cast<std::int32_t*>(wParam)) {
        *out = first;
    }
    if (auto* out = reinterpret_cast<std::int32_t*>(lParam)) {
        *out = end;
    }
    return MAKELONG(first, end);
}

LRESULT KEDIT_EM_SetSel(CKEditWindowData& data, WPARAM wParam, LPARAM lParam) {
    const auto a = static_cast<std::int32_t>(static_cast<std::int64_t>(wParam));
    const auto b = static_cast<std::int32_t>(lParam);
    if (a == -1) {
        data.clearSelection();
        data.system().invalidateRect(data.hwnd(), nullptr, true);
        return 0;
    }
    if (a == 0 && b == -1) {
        data.selectAll();
        return 0;
    }
    // On an empty text nothing is selected. Otherwise, as Win32's edit control takes them
    // (unsigned), a negative position means the end of the text, and any beyond it too.
    if (data.m_length == 0) {
        return 0;
    }
    const auto held = [&data](std::int32_t pos) {
        return pos < 0 ? data.m_length : std::min(pos, data.m_length);
    };
    const std::int32_t first = std::min(held(a), held(b));
    const std::int32_t end = std::max(held(a), held(b));
    data.selectRange(first, end);
    return 0;
}

LRESULT KEDIT_EM_LimitText(CKEditWindowData& data, WPARAM wParam) {
    data.setLimit(static_cast<std::uint32_t>(std::min<WPARAM>(wParam, CKEditInfo::kMaxLimit)));
    return 0;
}

LRESULT KEDIT_EM_Undo(CKEditWindowData& data) { return data.undoSwap() ? 1 : 0; }

LRESULT KEDIT_KEM_GetTextLength(CKEditWindowData& data, WPARAM wParam) {
    if (wParam != 0) {
        return data.m_length;
    }
    const std::string ansi =
        keansi::FromUtf16(std::u16string_view(data.m_text.data(), data.m_length));
    return static_cast<LRESULT>(ansi.size() + 1);
}

LRESULT KEDIT_KEM_GetText(CKEditWindowData& data, WPARAM wParam, LPARAM lParam) {
    const std::size_t n = LOWORD(wParam);
    const bool wide = HIWORD(wParam) != 0;
    if (lParam == 0 || n == 0) {
        return 0;
    }
    const std::u16string_view text(data.m_text.data(), static_cast<std::size_t>(data.m_length));
    if (wide) {
        auto* buffer = reinterpret_cast<char16_t*>(lParam);
        const std::size_t count = std::min(n - 1, text.size());
        std::copy_n(text.data(), count, buffer);
        buffer[count] = 0;
        return static_cast<LRESULT>(count);
    }
    auto* buffer = reinterpret_cast<char*>(lParam);
    std::memset(buffer, 0, n);
    const std::string ansi = keansi::FromUtf16(text);
    if (ansi.size() > n - 1) {
        return 0;  // does not fit: the buffer stays zeroed
    }
    std::memcpy(buffer, ansi.data(), ansi.size());
    return static_cast<LRESULT>(ansi.size() + 1);
}

LRESULT KEDIT_KEM_SetText(CKEditWindowData& data, WPARAM wParam, LPARAM lParam) {
    if (lParam == 0) {
        return 0;
    }
    std::u16string text;
    if (wParam != 0) {
        // Host text is cleaned as pasted text is (no lone surrogates), then narrowed.
        const auto* wide = reinterpret_cast<const char16_t*>(lParam);
        text = kenarrow::Apply(keclip::FromUnicodeBlock(wide, BoundedLength(wide) * 2));
    } else {
        const auto* ansi = reinterpret_cast<const char*>(lParam);
        text = keansi::ToUtf16(std::string_view(ansi, BoundedLength(ansi)));
    }
    return data.replaceAll(text) ? 1 : 0;
}
