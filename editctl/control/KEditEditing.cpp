#include "editctl/control/KEditEditing.h"

#include "editctl/window/CKEWindowSystem.h"

void KEBeginEdit(CKEditWindowData& data, KELastEdit kind) {
    if (data.m_lastEdit != kind) {
        data.takeSnapshot();
    }
}

void KENotifyParent(CKEditWindowData& data, WORD code) {
    CKEWindowSystem& system = data.system();
    const HWND parent = system.getParent(data.hwnd());
    if (parent == nullptr) {
        return;
    }
    const auto id = static_cast<WORD>(system.getWindowLongPtr(data.hwnd(), GWLP_ID));
    system.sendMessage(parent, WM_COMMAND, MAKEWPARAM(id, code),
                       reinterpret_cast<LPARAM>(data.hwnd()));
}

void KEAnnounce(CKEditWindowData& data) {
    const HWND hwnd = data.hwnd();
    KENotifyParent(data, EN_UPDATE);
    data.system().updateWindow(hwnd);
    // The parent may have destroyed the control while it heard of the update.
    if (KEditDataOf(hwnd) == &data) {
        KENotifyParent(data, EN_CHANGE);
    }
}

bool KEReplaceSelection(CKEditWindowData& data, std::u16string_view text) {
    KEBeginEdit(data, KE_EDIT_INSERT);
    data.deleteSelection();
    const bool inserted = data.insertText(text);
    data.m_lastEdit = KE_EDIT_INSERT;
    if (inserted) {
        KEAnnounce(data);
    }
    return inserted;
}

bool KEDeleteSelectionEdit(CKEditWindowData& data) {
    KEBeginEdit(data, KE_EDIT_DELETE);
    const bool deleted = data.m_hasSel && data.deleteSelection();
    data.m_lastEdit = KE_EDIT_DELETE;
    if (deleted) {
        KEAnnounce(data);
    }
    return deleted;
}

void KESelectAll(CKEditWindowData& data) { data.selectAll(); }

void KESelectRange(CKEditWindowData& data, std::int32_t first, std::int32_t end) {
    data.selectRange(first, end);
}

bool KEShiftDown(const CKEditWindowData& data) {
    return (data.system().getKeyState(VK_SHIFT) & 0x8000) != 0;
}

bool KEControlDown(const CKEditWindowData& data) {
    return (data.system().getKeyState(VK_CONTROL) & 0x8000) != 0;
}
