#include "editctl/control/CKEUiHook.h"

#include "editctl/control/KEResources.h"
#include "editctl/window/CKEMenu.h"
#include "editctl/window/KEMessageBoxLayout.h"

namespace {

WEXTL_UIHOOK g_hook = nullptr;
void* g_context = nullptr;

}  // namespace

void CKEUiHook::set(WEXTL_UIHOOK hook, void* context) {
    g_hook = hook;
    g_context = hook != nullptr ? context : nullptr;
}

bool CKEUiHook::isSet() { return g_hook != nullptr; }

UINT CKEUiHook::askMenu(const CKEMenu& menu, HWND owner, POINT screenPoint) {
    if (g_hook == nullptr) {
        return 0;
    }
    std::vector<std::string> texts;
    for (const CKEMenu::Item& item : menu.items()) {
        texts.push_back(item.text);
    }
    std::vector<WEXTL_UIITEM> items;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const CKEMenu::Item& item = menu.items()[i];
        items.push_back(WEXTL_UIITEM{item.id, item.flags, texts[i].c_str()});
    }
    WEXTL_UIREQUEST request{};
    request.kind = WEXTL_UI_CONTEXTMENU;
    request.owner = owner;
    request.screenPoint = screenPoint;
    request.count = static_cast<int>(items.size());
    request.items = items.data();
    request.selected = -1;
    // Only a command the menu offers enabled counts as chosen. Decided from a copy of the
    // items: the hook may destroy the window and its menu with it.
    std::vector<UINT> enabled;
    for (const CKEMenu::Item& item : menu.items()) {
        if ((item.flags & (MF_SEPARATOR | MF_GRAYED | MF_DISABLED | MF_POPUP)) == 0) {
            enabled.push_back(item.id);
        }
    }
    const int answer = g_hook(&request, g_context);
    for (const UINT id : enabled) {
        if (answer > 0 && id == static_cast<UINT>(answer)) {
            return id;
        }
    }
    return 0;
}

int CKEUiHook::askDialog(HWND owner, const std::vector<std::string>& entries, int selected) {
    if (g_hook == nullptr) {
        return -2;
    }
    std::vector<WEXTL_UIITEM> items;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        items.push_back(WEXTL_UIITEM{static_cast<UINT>(i), 0, entries[i].c_str()});
    }
    WEXTL_UIREQUEST request{};
    request.kind = WEXTL_UI_CHARFONTDIALOG;
    request.owner = owner;
    request.caption = KE_DLG_CHARFONT_CAPTION;
    request.count = static_cast<int>(items.size());
    request.items = items.data();
    request.selected = selected;
    const int answer = g_hook(&request, g_context);
    if (answer < -2 || answer >= static_cast<int>(entries.size())) {
        return -2;  // an answer that names no entry is taken as Cancel
    }
    return answer;
}

int CKEUiHook::askMessageBox(HWND owner, const std::string& text, const std::string& caption,
                             const KEMessageBoxLayout& layout) {
    if (layout.buttons.empty()) {
        return 0;
    }
    // The hook reads the buttons without their access keys.
    std::vector<std::string> labels;
    for (const KEMessageBoxButton& button : layout.buttons) {
        std::string label = button.text;
        std::erase(label, '&');
        labels.push_back(std::move(label));
    }
    std::vector<WEXTL_UIITEM> items;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        items.push_back(
            WEXTL_UIITEM{static_cast<UINT>(layout.buttons[i].id), 0, labels[i].c_str()});
    }
    WEXTL_UIREQUEST request{};
    request.kind = WEXTL_UI_MESSAGEBOX;
    request.owner = owner;
    request.caption = caption.c_str();
    request.text = text.c_str();
    request.count = static_cast<int>(items.size());
    request.items = items.data();
    request.selected = layout.defaultIndex;
    const int answer = g_hook != nullptr ? g_hook(&request, g_context) : 0;
    for (const KEMessageBoxButton& button : layout.buttons) {
        if (button.id == answer) {
            return answer;
        }
    }
    return layout.dismissedAnswer();
}
