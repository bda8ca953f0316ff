#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CKEditInfo;
class CKEFontCatalog;

// The change-character dialog (dialog 131) without its window: what the list holds, which
// entry is preselected, and what OK makes of the operator's choice. A front end (the Qt
// dialog, or a host's UI hook) shows the entries and returns the chosen index.
//
// Face names are CP932 (the catalogue's and the characters' form); the list shows UTF-8.
class CKECharFontDlg {
  public:
    // The state on entry for the characters [first, first + count): `m_useName` if any of
    // them has a face name, `m_chosenName` the name they all share, or empty.
    static CKECharFontDlg forSelection(const CKEditInfo& info, std::int32_t first,
                                       std::int32_t count);

    // Fills the list: "(変更しない)" at index 0, then the catalogue's families sorted as a
    // sorted combo box sorts them; then the preselection.
    void initialise(const CKEFontCatalog* catalog);

    // OK with entry `selected` (-1: none).
    void confirm(int selected);

    int entryCount() const { return static_cast<int>(m_entries.size()); }
    // The entry's face name (CP932; index 0 is the no-font entry) and its UTF-8 text.
    const std::string& entryName(int index) const;
    std::string entryText(int index) const;
    // The preselected entry, or -1.
    int selected() const { return m_selected; }

    bool m_useName = false;
    std::string m_chosenName;

  private:
    // The first entry after index 0 whose text starts with `name` (ignoring ASCII case),
    // wrapping round to index 0 as CB_SELECTSTRING searches; -1 if none.
    int selectString(const std::string& name) const;

    std::vector<std::string> m_entries;
    int m_selected = -1;
};
