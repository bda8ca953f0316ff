// Drives a KEDIT through its procedure with mouse, timer, clipboard, input-method and menu
// messages carrying fuzzed arguments and fuzzed clipboard and composition data, and traps
// if the text stops matching what its text messages report.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "editctl/control/CKEUiHook.h"
#include "editctl/control/CKEditWindowData.h"
#include "editctl/control/KEditWindowProc.h"
#include "editctl/model/CKEClassRegistry.h"
#include "editctl/window/CKEWindowSystem.h"
#include "tests/editctl/FakePlatform.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

int g_answer = 0;

int Answer(const WEXTL_UIREQUEST*, void*) { return g_answer; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    FakePlatform platform{FakeWidths::EditHost};
    CKEClassRegistry classes;
    KERegisterEditClass(classes);
    CKEWindowSystem system(platform, classes);
    static const DWORD styles[] = {0, ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL,
                                   ES_MULTILINE | ES_CHARFONT | WS_BORDER, ES_AUTOHSCROLL};
    const HWND edit = system.createWindow(0, "KEDIT", "", WS_VISIBLE | styles[data[0] % 4], 0, 0,
                                          40 + data[1], 64, nullptr, 1, nullptr);
    Check(edit != nullptr);
    CKEUiHook::set(&Answer, nullptr);
    std::size_t pos = 2;
    const auto next = [&]() -> std::uint8_t { return pos < size ? data[pos++] : 0; };
    const auto word = [&]() { return static_cast<std::uint16_t>(next() << 8 | next()); };
    while (pos < size) {
        static const UINT messages[] = {
            WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_TIMER,   WM_CUT,
            WM_COPY,        WM_PASTE,     WM_CLEAR,     WM_RBUTTONDOWN,   WM_COMMAND, EM_SETSEL};
        const std::uint8_t op = next();
        if (op % 14 == 12) {
            // Clipboard data from another program, in either format.
            const std::size_t wanted = next() * 4u;
            const std::size_t n = std::min(wanted, size - pos);
            platform.fakeClipboard.put((op & 0x80) != 0 ? CF_UNICODETEXT : CF_TEXT, data + pos, n);
            pos += n;
            continue;
        }
        if (op % 14 == 13) {
            std::u16string text;
            for (int n = next() % 16; n > 0; --n) {
                text += static_cast<char16_t>(word());
            }
            system.commitComposition(edit, text);
            continue;
        }
        const UINT message = messages[op % 12];
        g_answer = 32771 + next() % 8;
        platform.cursor =
            POINT{static_cast<std::int16_t>(word()), static_cast<std::int16_t>(word())};
        const WPARAM wParam = message == WM_COMMAND ? 32771 + next() % 7 : next();
        const LPARAM lParam =
            message == EM_SETSEL ? next() : (static_cast<LPARAM>(word()) << 16) | word();
        system.sendMessage(edit, message, message == EM_SETSEL ? next() : wParam, lParam);
        platform.fakeClock.now += next();
        system.pumpMessages(0);

        const CKEditWindowData* state = KEditDataOf(edit);
        Check(state != nullptr);
        const auto length = system.sendMessage(edit, KEM_GETTEXTLENGTH, 1, 0);
        Check(length == state->m_length && state->m_length <= state->m_limit);
        Check(state->m_caretCol >= 0 &&
              state->m_caretCol <= state->rowEndColumn(state->m_caretRow));
    }
    CKEUiHook::set(nullptr, nullptr);
    system.destroyWindow(edit);
    return 0;
}
