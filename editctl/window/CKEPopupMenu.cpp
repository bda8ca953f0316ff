#include "editctl/window/CKEPopupMenu.h"

#include <algorithm>

#include "editctl/window/KEResources.h"

CKEPopupMenu CKEPopupMenu::loadContextMenu() {
    CKEPopupMenu menu;
    for (const keres::KEMenuItemResource& resource : keres::kMenuItems) {
        Item item;
        item.id = resource.id;
        if (resource.text == nullptr) {
            item.flags = keres::MF_SEPARATOR;
        } else {
            item.text = resource.text;
        }
        menu.m_items.push_back(item);
    }
    return menu;
}

bool CKEPopupMenu::deleteAt(std::size_t position) {
    if (position >= m_items.size()) {
        return false;
    }
    m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(position));
    return true;
}

bool CKEPopupMenu::deleteCommand(std::uint32_t id) {
    const auto it = std::find_if(m_items.begin(), m_items.end(), [id](const Item& item) {
        return (item.flags & keres::MF_SEPARATOR) == 0 && item.id == id;
    });
    if (it == m_items.end()) {
        return false;
    }
    m_items.erase(it);
    return true;
}

bool CKEPopupMenu::enable(std::uint32_t id, bool enabled) {
    for (Item& item : m_items) {
        if ((item.flags & keres::MF_SEPARATOR) == 0 && item.id == id) {
            item.flags =
                enabled ? (item.flags & ~keres::MF_GRAYED) : (item.flags | keres::MF_GRAYED);
            return true;
        }
    }
    return false;
}

bool CKEPopupMenu::contains(std::uint32_t id) const {
    return std::any_of(m_items.begin(), m_items.end(), [id](const Item& item) {
        return (item.flags & keres::MF_SEPARATOR) == 0 && item.id == id;
    });
}
