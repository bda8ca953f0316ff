#include "editctl/window/CKEMenu.h"

#include <utility>

std::unique_ptr<CKEMenu> CKEMenu::clone() const {
    auto copy = std::make_unique<CKEMenu>();
    for (const Item& item : m_items) {
        Item itemCopy{item.id, item.text, item.flags, item.popup ? item.popup->clone() : nullptr};
        copy->m_items.push_back(std::move(itemCopy));
    }
    return copy;
}

void CKEMenu::appendItem(UINT id, std::string text, UINT flags) {
    m_items.push_back(Item{id, std::move(text), flags, nullptr});
}

void CKEMenu::appendSeparator() { m_items.push_back(Item{0, {}, MF_SEPARATOR, nullptr}); }

void CKEMenu::appendPopup(std::string text, std::unique_ptr<CKEMenu> popup) {
    m_items.push_back(Item{0, std::move(text), MF_POPUP, std::move(popup)});
}

int CKEMenu::find(UINT item, UINT flags) const {
    if ((flags & MF_BYPOSITION) != 0) {
        return item < m_items.size() ? static_cast<int>(item) : -1;
    }
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        if ((m_items[i].flags & (MF_SEPARATOR | MF_POPUP)) == 0 && m_items[i].id == item) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool CKEMenu::deleteItem(UINT item, UINT flags) {
    const int index = find(item, flags);
    if (index < 0) {
        return false;
    }
    m_items.erase(m_items.begin() + index);
    return true;
}

int CKEMenu::enableItem(UINT item, UINT flags) {
    const int index = find(item, flags);
    if (index < 0) {
        return -1;
    }
    Item& target = m_items[static_cast<std::size_t>(index)];
    const int previous = static_cast<int>(target.flags & (MF_GRAYED | MF_DISABLED));
    target.flags =
        (target.flags & ~(MF_GRAYED | MF_DISABLED)) | (flags & (MF_GRAYED | MF_DISABLED));
    return previous;
}

CKEMenu* CKEMenu::subMenu(int position) const {
    if (position < 0 || static_cast<std::size_t>(position) >= m_items.size()) {
        return nullptr;
    }
    return m_items[static_cast<std::size_t>(position)].popup.get();
}
