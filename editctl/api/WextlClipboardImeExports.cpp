// The exported C interface, the clipboard and the input method, and the UI hook that
// answers the control's menu and dialog for scripts.
#include "wextl/wextl.h"

#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "editctl/api/WextlExportsCommon.h"
#include "editctl/control/CKEUiHook.h"
#include "editctl/window/CKEInputContext.h"
#include "editctl/window/IKEClipboard.h"

namespace {

IKEClipboard* Clipboard() {
    CKEWindowSystem* system = Windows();
    return system != nullptr ? &system->platform().clipboard() : nullptr;
}

// A data block from a host is copied within the size it gives; blocks beyond this are
// refused rather than allocated.
constexpr size_t kMaxClipboardBytes = 64 * 1024 * 1024;

}  // namespace

extern "C" {

BOOL WextlOpenClipboard(HWND owner) {
    IKEClipboard* clipboard = Clipboard();
    return clipboard != nullptr && clipboard->open(owner) ? 1 : 0;
}

BOOL WextlCloseClipboard(void) {
    IKEClipboard* clipboard = Clipboard();
    return clipboard != nullptr && clipboard->close() ? 1 : 0;
}

BOOL WextlEmptyClipboard(void) {
    IKEClipboard* clipboard = Clipboard();
    return clipboard != nullptr && clipboard->empty() ? 1 : 0;
}

BOOL WextlIsClipboardFormatAvailable(UINT format) {
    IKEClipboard* clipboard = Clipboard();
    return clipboard != nullptr && clipboard->isFormatAvailable(format) ? 1 : 0;
}

BOOL WextlSetClipboardData(UINT format, const void* data, size_t bytes) {
    IKEClipboard* clipboard = Clipboard();
    if (clipboard == nullptr || (data == nullptr && bytes != 0) || bytes > kMaxClipboardBytes) {
        return 0;
    }
    std::vector<std::byte> block(bytes);
    if (bytes != 0) {
        std::memcpy(block.data(), data, bytes);
    }
    return clipboard->setData(format, std::move(block)) ? 1 : 0;
}

size_t WextlGetClipboardData(UINT format, void* buffer, size_t capacity) {
    IKEClipboard* clipboard = Clipboard();
    if (clipboard == nullptr) {
        return 0;
    }
    const std::optional<std::vector<std::byte>> block = clipboard->getData(format);
    if (!block) {
        return 0;
    }
    if (buffer == nullptr) {
        return block->size();
    }
    if (capacity < block->size()) {
        return 0;
    }
    std::memcpy(buffer, block->data(), block->size());
    return block->size();
}

BOOL WextlImmGetCompositionWindow(HWND hwnd, COMPOSITIONFORM* form) {
    CKEWindowSystem* system = CKEWindowSystem::current();
    const CKEInputContext* context = system != nullptr ? system->inputContext(hwnd) : nullptr;
    if (context == nullptr || form == nullptr) {
        return 0;
    }
    *form = context->form;
    return 1;
}

BOOL WextlImmCommitStringW(HWND hwnd, const WCHAR* text, int count) {
    CKEWindowSystem* system = Windows();
    if (system == nullptr || text == nullptr || count < 0) {
        return 0;
    }
    return system->commitComposition(hwnd,
                                     std::u16string_view(text, static_cast<std::size_t>(count)))
               ? 1
               : 0;
}

void WextlSetUiHook(WEXTL_UIHOOK hook, void* context) { CKEUiHook::set(hook, context); }

}  // extern "C"
