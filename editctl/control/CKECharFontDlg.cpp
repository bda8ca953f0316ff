#include "editctl/control/CKECharFontDlg.h"

#include <algorithm>
#include <cstring>

#include "editctl/control/KEResources.h"
#include "editctl/model/CKEFontCatalog.h"
#include "editctl/model/CKEditInfo.h"
#include "editctl/model/KEAnsiCodePage.h"
#include "text/ShiftJis.h"

namespace {

char16_t FoldAscii(char16_t ch) { return ch >= u'A' && ch <= u'Z' ? ch + (u'a' - u'A') : ch; }

std::u16string Folded(const std::string& cp932) {
    std::u16string text = keansi::ToUtf16(cp932);
    std::transform(text.begin(), text.end(), text.begin(), FoldAscii);
    return text;
}

}  // namespace

CKECharFontDlg CKECharFontDlg::forSelection(const CKEditInfo& info, std::int32_t first,
                                            std::int32_t count) {
    CKECharFontDlg dlg;
    const std::int32_t end = std::min(first + std::max(count, 0), info.m_length);
    first = std::max(first, 0);
    if (first >= end) {
        return dlg;
    }
    const char* firstName = info.faceNameAt(first);
    bool any = firstName != nullptr;
    std::string name = firstName != nullptr ? firstName : "";
    for (std::int32_t i = first + 1; i < end; ++i) {
        const char* face = info.faceNameAt(i);
        if (face != nullptr) {
            any = true;
            if (name != face) {
                name.clear();
            }
        } else if (any) {
            name.clear();
        }
    }
    dlg.m_useName = any;
    dlg.m_chosenName = name;
    return dlg;
}

void CKECharFontDlg::initialise(const CKEFontCatalog* catalog) {
    m_entries.clear();
    m_entries.push_back(sjis::FromUtf8(KE_STR_NO_FONT).value_or(std::string()));
    std::vector<std::pair<std::u16string, std::string>> families;
    const int count = catalog != nullptr ? catalog->entryCount(false) : 0;
    for (int i = 0; i < count; ++i) {
        LOGFONTA font{};
        if (catalog->getFamily(i, font)) {
            std::string name(font.lfFaceName, strnlen(font.lfFaceName, LF_FACESIZE));
            families.emplace_back(Folded(name), std::move(name));
        }
    }
    // The no-font entry stays at index 0 whatever the families' names are: OK takes index 0
    // as the no-font choice.
    std::stable_sort(families.begin(), families.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& family : families) {
        m_entries.push_back(std::move(family.second));
    }

    if (m_useName && !m_chosenName.empty()) {
        m_selected = selectString(m_chosenName);
    } else if (m_useName) {
        m_selected = -1;  // mixed fonts: nothing preselected
    } else {
        m_selected = 0;
    }
}

int CKECharFontDlg::selectString(const std::string& name) const {
    const std::u16string wanted = Folded(name);
    const int count = entryCount();
    for (int step = 1; step <= count; ++step) {
        const int index = step % count;
        if (Folded(m_entries[static_cast<std::size_t>(index)]).starts_with(wanted)) {
            return index;
        }
    }
    return -1;
}

void CKECharFontDlg::confirm(int selected) {
    if (selected < 0 || selected >= entryCount()) {
        m_useName = false;
    } else if (selected == 0) {
        m_useName = true;
        m_chosenName.clear();
    } else {
        m_useName = true;
        m_chosenName = m_entries[static_cast<std::size_t>(selected)];
    }
}

const std::string& CKECharFontDlg::entryName(int index) const {
    static const std::string kNone;
    if (index < 0 || index >= entryCount()) {
        return kNone;
    }
    return m_entries[static_cast<std::size_t>(index)];
}

std::string CKECharFontDlg::entryText(int index) const {
    if (index == 0) {
        return KE_STR_NO_FONT;
    }
    return sjis::ToUtf8(entryName(index));
}
