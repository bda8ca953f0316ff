#include "app/present/ItemListText.h"

#include "app/present/TextFormat.h"
#include "items/CItemTable.h"
#include "res/Texts.h"
#include "text/ControlCharacters.h"
#include "text/ShiftJis.h"

const std::array<ListColumn, kListColumnCount>& ListColumns() {
    static const std::array<ListColumn, kListColumnCount> columns{{
        {texts::kColumnId, 30},
        {texts::kColumnName, 200},
        {texts::kColumnMemory, 100},
        {texts::kColumnState, 100},
    }};
    return columns;
}

std::vector<std::string> ListColumnTexts(int column) {
    std::vector<std::string> shown{
        std::string(ListColumns()[static_cast<std::size_t>(column)].m_heading)};
    switch (column) {
        case 0:
            shown.push_back(IdText(kItemCount - 1));
            break;
        case 2:
            shown.push_back(FormatText(texts::kMemoryNeedFormat, static_cast<int>(kPrinterMemory)));
            break;
        case 3:
            for (int state : {ITEM_UNREGISTERED, ITEM_REGISTERED, ITEM_NEW}) {
                shown.push_back(StateName(state));
            }
            break;
        default:
            break;
    }
    return shown;
}

std::string StateName(int state) {
    switch (state) {
        case ITEM_UNREGISTERED:
            return std::string(texts::kStateUnregistered);
        case ITEM_REGISTERED:
            return std::string(texts::kStateRegistered);
        case ITEM_NEW:
            return std::string(texts::kStateNew);
        default:
            return {};
    }
}

std::array<std::string, kListColumnCount> RowTexts(int slot, const CFontPT& item) {
    std::array<std::string, kListColumnCount> row;
    row[0] = IdText(slot);
    // A name a printer sent may hold control characters; they are shown, not obeyed.
    row[1] = text::EscapeControlCharacters(sjis::ToUtf8(item.m_name));
    if (item.InUse()) {
        row[2] = FormatText(texts::kMemoryNeedFormat, static_cast<int>(item.GetMemoryNeed()));
    }
    row[3] = StateName(item.m_state);
    return row;
}

RgbColor RowColor(int state) {
    switch (state) {
        case ITEM_REGISTERED:
            return {255, 255, 220};
        case ITEM_NEW:
            return {220, 255, 255};
        default:
            return {255, 255, 255};
    }
}

std::string MemoryText(std::int64_t total) {
    return FormatText(texts::kMemoryUsageFormat,
                      static_cast<int>(CItemTable::MemoryTextKbytes(total)));
}
