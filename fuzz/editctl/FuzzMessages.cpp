// Drives KEDIT windows through the window procedure with message sequences from the input:
// keys, characters (lone lead bytes and bad trail bytes included), selections with any
// positions, text messages with buffers of any size, focus, scrolling, painting, limits,
// undo, and destroying the window mid-sequence.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "FakePlatform.h"
#include "editctl/control/KEditWindowProc.h"
#include "editctl/window/CKEWindowSystem.h"

namespace {

const UINT kMessages[] = {WM_KEYDOWN,  WM_KEYUP,     WM_CHAR,           WM_SYSKEYDOWN,
                          EM_SETSEL,   EM_GETSEL,    EM_UNDO,           EM_LIMITTEXT,
                          KEM_GETTEXT, KEM_SETTEXT,  KEM_GETTEXTLENGTH, WM_VSCROLL,
                          WM_SETFOCUS, WM_KILLFOCUS, WM_PAINT,          WM_COMMAND};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FakePlatform platform;
    CKEClassRegistry classes;
    CKEWindowSystem system(platform, classes);
    KERegisterEditClass(classes);
    if (size == 0) {
        return 0;
    }
    // The first byte mixes the edit styles.
    const DWORD style = (data[0] & 0x0F) * 0x11;
    HWND edit = system.createWindow(
        0, "KEDIT", "",
        WS_BORDER | WS_VSCROLL | (style & 0x10C4) | ((data[0] & 0x80) != 0 ? ES_WANTRETURN : 0), 0,
        0, 120, 60, nullptr, 0, nullptr);
    LOGFONTA font{};
    font.lfHeight = -16;
    system.sendMessage(edit, WM_SETFONT, reinterpret_cast<WPARAM>(system.gdi().createFont(font)),
                       0);
    std::vector<char16_t> wide(64);
    std::vector<char> narrow(64);
    for (std::size_t i = 1; i + 3 <= size; i += 3) {
        const UINT message = kMessages[data[i] % std::size(kMessages)];
        const WPARAM w = data[i + 1];
        const auto l = static_cast<LPARAM>(static_cast<std::int8_t>(data[i + 2]));
        switch (message) {
            case KEM_GETTEXT:
                system.sendMessage(edit, message, MAKEWPARAM(w % 65, data[i + 2] & 1),
                                   (data[i + 2] & 2)   ? 0
                                   : (data[i + 2] & 1) ? reinterpret_cast<LPARAM>(wide.data())
                                                       : reinterpret_cast<LPARAM>(narrow.data()));
                break;
            case KEM_SETTEXT: {
                const char16_t text[] = {static_cast<char16_t>(w * 37), u'\r', u'\n',
                                         static_cast<char16_t>(l), 0};
                system.sendMessage(edit, message, 1, reinterpret_cast<LPARAM>(text));
                break;
            }
            case EM_GETSEL:
                system.sendMessage(edit, message, 0, 0);
                break;
            case EM_SETSEL:
                system.sendMessage(edit, message, static_cast<WPARAM>(static_cast<std::int8_t>(w)),
                                   l);
                break;
            case WM_PAINT: {
                std::vector<std::uint32_t> pixels(120 * 60);
                system.printWindow(edit, pixels.data(), 120, 60, 480);
                break;
            }
            case WM_SETFOCUS:
                system.setFocus(edit);
                break;
            case WM_KILLFOCUS:
                system.setFocus(nullptr);
                break;
            default:
                system.sendMessage(edit, message, w, l);
                break;
        }
        if (data[i] == 0xFF) {
            system.destroyWindow(edit);  // every later message meets a dead handle
        }
    }
    return 0;
}
