#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One pop-up menu: a window's own copy of the context menu, loaded from menu 129. Items are
// deleted by position or by command and grayed or enabled by command, as a window's menu
// copy is changed in place.
class CKEPopupMenu {
  public:
    struct Item {
        std::uint32_t id = 0;     // 0 for a separator
        std::uint32_t flags = 0;  // MF_GRAYED, MF_SEPARATOR
        std::string text;         // UTF-8; empty for a separator
    };

    // The pop-up of menu 129 with every item enabled.
    static CKEPopupMenu loadContextMenu();

    const std::vector<Item>& items() const { return m_items; }
    bool deleteAt(std::size_t position);
    bool deleteCommand(std::uint32_t id);
    // Grays or enables the item with command `id`; false if there is none.
    bool enable(std::uint32_t id, bool enabled);
    bool contains(std::uint32_t id) const;

  private:
    std::vector<Item> m_items;
};
