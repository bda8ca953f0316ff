#include "items/CItemTable.h"

#include <algorithm>

#include "text/ShiftJis.h"

CItemTable::CItemTable() : m_items(std::make_unique<std::array<CFontPT, kItemCount>>()) {}

void CItemTable::ClearItemTable() {
    for (CFontPT& item : *m_items) item.Reset();
}

std::int64_t CItemTable::GetMemoryTotal() const {
    std::int64_t total = 0;
    for (const CFontPT& item : *m_items) total += item.GetMemoryNeed();
    return total;
}

int CItemTable::CountInUse() const {
    return static_cast<int>(std::count_if(m_items->begin(), m_items->end(),
                                          [](const CFontPT& item) { return item.InUse(); }));
}

int CItemTable::CountNew() const {
    return static_cast<int>(
        std::count_if(m_items->begin(), m_items->end(),
                      [](const CFontPT& item) { return item.m_state == ITEM_NEW; }));
}

std::optional<int> CItemTable::FindFreeSlot(int start) const {
    start = std::clamp(start, 0, kItemCount);
    for (int slot = start; slot < kItemCount; ++slot) {
        if ((*this)[slot].m_state == ITEM_UNREGISTERED) return slot;
    }
    for (int slot = 0; slot < start; ++slot) {
        if ((*this)[slot].m_state == ITEM_UNREGISTERED) return slot;
    }
    return std::nullopt;
}

MoveResult CItemTable::MoveItem(int from, int to, const std::string& name) {
    MoveResult result = MoveResult::SameSlot;
    if (to != from) {
        if ((*this)[to].m_state != ITEM_UNREGISTERED) return MoveResult::TargetInUse;
        (*this)[to].CopyFrom((*this)[from]);
        (*this)[from].Reset();
        (*this)[to].m_id = static_cast<std::int16_t>(to);
        result = MoveResult::Moved;
    }
    (*this)[to].m_name = sjis::CutToBytes(name, kMaxNameBytes);
    return result;
}

std::int64_t CItemTable::MemoryTextKbytes(std::int64_t total) {
    return total <= 0 ? 0 : (total + 1023) / 1024;
}

int CItemTable::GaugePosition(std::int64_t total) {
    return static_cast<int>(std::clamp<std::int64_t>(total / 1024, 0, kGaugeMax));
}
