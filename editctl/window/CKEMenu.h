#pragma once

#include <memory>
#include <string>
#include <vector>

#include "editctl/model/WextlWin32.h"

// A menu as Win32 keeps one: items with a command id, a UTF-8 text (mnemonic '&' kept) and
// flags (MF_GRAYED, MF_SEPARATOR, MF_POPUP), a pop-up item holding a sub-menu.
class CKEMenu {
  public:
    struct Item {
        UINT id = 0;
        std::string text;
        UINT flags = MF_STRING;
        std::unique_ptr<CKEMenu> popup;
    };

    std::unique_ptr<CKEMenu> clone() const;

    void appendItem(UINT id, std::string text, UINT flags = MF_STRING);
    void appendSeparator();
    void appendPopup(std::string text, std::unique_ptr<CKEMenu> popup);

    // As DeleteMenu / EnableMenuItem / GetSubMenu: `item` is a position with MF_BYPOSITION,
    // else a command id. False (or -1 for enable) if there is no such item.
    bool deleteItem(UINT item, UINT flags);
    int enableItem(UINT item, UINT flags);
    CKEMenu* subMenu(int position) const;

    const std::vector<Item>& items() const { return m_items; }

  private:
    int find(UINT item, UINT flags) const;

    std::vector<Item> m_items;
};
