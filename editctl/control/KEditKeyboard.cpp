#include "editctl/control/KEditKeyboard.h"

#include <algorithm>

#include "editctl/control/CKEditWindowData.h"
#include "editctl/control/KEditEditing.h"
#include "editctl/model/KEAnsiCodePage.h"
#include "editctl/window/CKEWindowSystem.h"

namespace {

LRESULT Default(CKEditWindowData& data, UINT message, WPARAM wParam, LPARAM lParam) {
    return data.system().defWindowProc(data.hwnd(), message, wParam, lParam);
}

void Command(CKEditWindowData& data, WORD command) {
    data.system().sendMessage(data.hwnd(), WM_COMMAND, command, 0);
}

void Step(CKEditWindowData& data, KECaretStep step, int times = 1) {
    const bool extend = KEShiftDown(data);
    for (int i = 0; i < times; ++i) {
        data.moveCaret(step, extend);
    }
}

int PageRows(const CKEditWindowData& data) {
    const RECT area = data.textRect();
    const int fit = (area.bottom - area.top) / std::max(data.rowHeight(), 1);
    return std::min(fit, static_cast<int>(data.m_rows.size()));
}

// Backspace and Delete: the selection, or the character beside the caret.
void DeleteBeside(CKEditWindowData& data, KECaretStep step) {
    KEEdit edit{KE_EDIT_DELETE};
    edit.orBeside = step;
    KEReplaceSelection(data, edit);
}

}  // namespace

LRESULT KEDIT_WM_KeyDown(CKEditWindowData& data, WPARAM wParam, LPARAM lParam) {
    const bool shift = KEShiftDown(data);
    const bool ctrl = KEControlDown(data);
    switch (wParam) {
        case VK_PRIOR:
            Step(data, KECaretStep::Up, PageRows(data) - 1);
            break;
        case VK_NEXT:
            Step(data, KECaretStep::Down, PageRows(data) - 1);
            break;
        case VK_END:
            Step(data, KECaretStep::End);
            break;
        case VK_HOME:
            Step(data, KECaretStep::Home);
            break;
        case VK_LEFT:
            Step(data, KECaretStep::Left);
            return 0;
        case VK_RIGHT:
            Step(data, KECaretStep::Right);
            return 0;
        case VK_UP:
            Step(data, KECaretStep::Up);
            break;
        case VK_DOWN:
            Step(data, KECaretStep::Down);
            break;
        case VK_INSERT:
            if (shift) {
                Command(data, KEDIT_CMD_PASTE);
                return 0;
            }
            if (ctrl) {
                Command(data, KEDIT_CMD_COPY);
            }
            break;
        case VK_DELETE:
            if (shift) {
                Command(data, KEDIT_CMD_CUT);
            } else {
                DeleteBeside(data, KECaretStep::Right);
            }
            return 0;
        case 'C':
        case 'V':
        case 'X':
        case 'Z':
            if (ctrl) {
                const WORD command = wParam == 'C'   ? KEDIT_CMD_COPY
                                     : wParam == 'V' ? KEDIT_CMD_PASTE
                                     : wParam == 'X' ? KEDIT_CMD_CUT
                                                     : KEDIT_CMD_UNDO;
                Command(data, command);
                return 0;
            }
            break;
        default:
            break;
    }
    if (!data.alive()) {
        return 0;
    }
    return Default(data, WM_KEYDOWN, wParam, lParam);
}

LRESULT KEDIT_WM_Char(CKEditWindowData& data, WPARAM wParam, LPARAM lParam) {
    CKEWindowSystem& system = data.system();
    const HWND hwnd = data.hwnd();
    const HWND parent = system.getParent(hwnd);
    const DWORD style = static_cast<DWORD>(system.getWindowLongPtr(hwnd, GWL_STYLE));
    // A pending lead byte takes the next byte if that can trail it; otherwise the lead byte
    // is dropped and the byte counts on its own.
    const auto byte = static_cast<std::uint8_t>(wParam & 0xFF);
    const bool canTrail = (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
    if (data.m_leadByte != 0 && (!canTrail || wParam > 0xFF)) {
        data.m_leadByte = 0;
    }
    if (data.m_leadByte == 0) {
        switch (wParam) {
            case 8:
                DeleteBeside(data, KECaretStep::Left);
                return 0;
            case 9:
                if (parent != nullptr) {
                    system.sendMessage(parent, WM_NEXTDLGCTL, KEShiftDown(data) ? 1 : 0, 0);
                }
                return 0;
            case 10:
            case 13:
                if ((style & ES_WANTRETURN) != 0 ||
                    ((style & ES_MULTILINE) != 0 && KEControlDown(data))) {
                    KEReplaceSelection(data, KEEdit{KE_EDIT_INSERT, u"\r\n"});
                    return 0;
                }
                if (parent != nullptr) {
                    const LRESULT reply = system.sendMessage(parent, DM_GETDEFID, 0, 0);
                    if (HIWORD(reply) == DC_HASDEFID) {
                        system.sendMessage(parent, WM_COMMAND, LOWORD(reply), 0);
                        return 0;
                    }
                }
                return Default(data, WM_CHAR, wParam, lParam);
            case 27:
                if (parent != nullptr) {
                    system.sendMessage(parent, WM_COMMAND, IDCANCEL, 0);
                }
                return 0;
            default:
                break;
        }
    }
    std::uint32_t code = 0;
    if (data.m_leadByte != 0) {
        code = static_cast<std::uint32_t>(data.m_leadByte) * 256 + (wParam & 0xFF);
        data.m_leadByte = 0;
    } else {
        code = static_cast<std::uint32_t>(wParam & 0xFFFF);
        data.m_leadByte = keansi::IsLeadByte(static_cast<std::uint8_t>(wParam & 0xFF))
                              ? static_cast<std::int32_t>(wParam & 0xFF)
                              : 0;
    }
    const std::optional<char16_t> ch =
        keansi::IsPrintable(code) ? keansi::DecodeChar(code) : std::nullopt;
    if (!ch) {
        return Default(data, WM_CHAR, wParam, lParam);
    }
    const char16_t text[1] = {*ch};
    KEReplaceSelection(data, KEEdit{KE_EDIT_INSERT, std::u16string_view(text, 1)});
    return 0;
}

LRESULT KEDIT_WM_SysKeyDown(CKEditWindowData& data, WPARAM wParam, LPARAM lParam) {
    if (wParam == VK_BACK && (data.system().getKeyState(VK_MENU) & 0x8000) != 0) {
        Command(data, KEDIT_CMD_UNDO);
        return 0;
    }
    return Default(data, WM_SYSKEYDOWN, wParam, lParam);
}
