// The context menu (the window's copy of menu 129) and the change-character command.
#include "editctl/control/KEditContextMenu.h"

#include <string>
#include <vector>

#include "editctl/control/CKECharFontDlg.h"
#include "editctl/control/CKEUiHook.h"
#include "editctl/control/CKEditWindowData.h"
#include "editctl/control/KEditClipboard.h"
#include "editctl/window/CKEWindowSystem.h"

namespace {

constexpr UINT kCharFontSeparator = 8;

void Enable(CKEMenu& menu, UINT id, bool enabled) {
    menu.enableItem(id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

// Without ES_CHARFONT the copy loses the change-character item and the separator before it,
// for the rest of the window's life.
void DropCharFont(CKEMenu& popup) {
    const auto& items = popup.items();
    if (items.size() > kCharFontSeparator &&
        (items[kCharFontSeparator].flags & MF_SEPARATOR) != 0) {
        popup.deleteItem(kCharFontSeparator, MF_BYPOSITION);
    }
    popup.deleteItem(KEDIT_CMD_CHARFONT, MF_BYCOMMAND);
}

}  // namespace

LRESULT KEDIT_WM_RButtonDown(CKEditWindowData& data, WPARAM wParam, LPARAM lParam) {
    CKEWindowSystem& system = data.system();
    const HWND hwnd = data.hwnd();
    system.setFocus(hwnd);
    if (!data.alive()) {
        return 0;  // the focus change's notifications destroyed the window
    }
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    system.clientToScreen(hwnd, point);
    CKEMenu* popup = data.m_menu != nullptr ? data.m_menu->subMenu(0) : nullptr;
    if (popup == nullptr) {
        return system.defWindowProc(hwnd, WM_RBUTTONDOWN, wParam, lParam);
    }
    const bool charFont = (data.host().style() & ES_CHARFONT) != 0;
    if (!charFont) {
        DropCharFont(*popup);
    }
    Enable(*popup, KEDIT_CMD_UNDO, data.m_undo != nullptr);
    Enable(*popup, KEDIT_CMD_CUT, data.hasSelection());
    Enable(*popup, KEDIT_CMD_COPY, data.hasSelection());
    Enable(*popup, KEDIT_CMD_DELETE, data.hasSelection());
    if (charFont) {
        Enable(*popup, KEDIT_CMD_CHARFONT, data.hasSelection());
    }
    Enable(*popup, KEDIT_CMD_PASTE, KEPastePossible(data));
    Enable(*popup, KEDIT_CMD_DELETEALL, true);

    // The menu runs a modal loop (or a host's hook): only the handle is used afterwards.
    const UINT chosen = CKEUiHook::isSet() ? CKEUiHook::askMenu(*popup, hwnd, point)
                                           : system.platform().trackPopupMenu(*popup, point, hwnd);
    // As TrackPopupMenu does, the command reaches the control after the menu has closed.
    if (chosen != 0) {
        system.postMessage(hwnd, WM_COMMAND, chosen, 0);
    }
    return 0;
}

LRESULT KEDIT_CharFontCommand(CKEditWindowData& data) {
    std::int32_t first = 0;
    std::int32_t count = 0;
    if (!data.getSelection(first, count) || count == 0) {
        return 0;
    }
    CKEWindowSystem& system = data.system();
    const HWND hwnd = data.hwnd();
    CKECharFontDlg dlg = CKECharFontDlg::forSelection(data, first, count);
    dlg.initialise(system.platform().fontCatalog());

    int selection = dlg.selected();
    bool ok = false;
    if (CKEUiHook::isSet()) {
        std::vector<std::string> texts;
        for (int i = 0; i < dlg.entryCount(); ++i) {
            texts.push_back(dlg.entryText(i));
        }
        const int answer = CKEUiHook::askDialog(hwnd, texts, selection);
        ok = answer != -2;
        selection = answer;
    } else {
        std::vector<std::string> entries;
        for (int i = 0; i < dlg.entryCount(); ++i) {
            entries.push_back(dlg.entryName(i));
        }
        ok = system.platform().runCharFontDialog(hwnd, entries, selection) == IDOK;
    }
    // The dialog runs a modal loop (or a host's hook): the window may be gone, or its
    // selection changed, by the time it returns.
    std::int32_t firstNow = 0;
    std::int32_t countNow = 0;
    if (!ok || !data.alive() || !data.getSelection(firstNow, countNow) || firstNow != first ||
        countNow != count) {
        return 0;
    }
    dlg.confirm(selection);
    if (dlg.m_useName) {
        data.setFaceName(first, count, dlg.m_chosenName.c_str());
    }
    return 0;
}
