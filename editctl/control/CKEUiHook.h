#pragma once

#include <string>
#include <vector>

#include "editctl/model/WextlUiHook.h"

class CKEMenu;
struct KEMessageBoxLayout;

// The process's UI hook: while one is set, the context menu and the change-character dialog
// are not shown; the hook gets what would be shown and gives the operator's answer.
class CKEUiHook {
  public:
    static void set(WEXTL_UIHOOK hook, void* context);
    static bool isSet();

    // The chosen command of `menu` opened at `screenPoint` (0: none).
    static UINT askMenu(const CKEMenu& menu, HWND owner, POINT screenPoint);
    // The dialog's answer for `entries` (UTF-8): -2 Cancel, -1 OK with none, k OK with k.
    static int askDialog(HWND owner, const std::vector<std::string>& entries, int selected);
    // The ID of the message box's button the hook pressed; an answer that is no button's is
    // Esc's (the default button's where Esc does nothing).
    static int askMessageBox(HWND owner, const std::string& text, const std::string& caption,
                             const KEMessageBoxLayout& layout);
};
