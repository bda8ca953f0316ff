#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "items/CFontPT.h"

inline constexpr int kItemCount = 100;                     // registration IDs 0 to 99
inline constexpr std::int64_t kPrinterMemory = 245760;     // 240 Kbyte
inline constexpr int kGaugeMax = 240;                      // gauge range, unit 1024 bytes
inline constexpr std::int32_t kMaxItemImageBytes = 45056;  // 44 Kbyte per added item
inline constexpr int kMaxItemsAtDownload = 80;

// What a move of a new item to another ID did.
enum class MoveResult { Moved, SameSlot, TargetInUse };

// The 100 item records, indexed by registration ID. Records live on the heap (about 3 MB).
class CItemTable {
  public:
    CItemTable();

    CFontPT& operator[](int slot) { return (*m_items)[static_cast<std::size_t>(slot)]; }
    const CFontPT& operator[](int slot) const { return (*m_items)[static_cast<std::size_t>(slot)]; }
    static bool IsValidSlot(int slot) { return slot >= 0 && slot < kItemCount; }

    // Resets all 100 records.
    void ClearItemTable();
    // Sum of the memory needs of all records, whatever their state.
    std::int64_t GetMemoryTotal() const;
    // Records in state ITEM_REGISTERED or ITEM_NEW.
    int CountInUse() const;
    // Records in state ITEM_NEW.
    int CountNew() const;
    // First free slot at or after `start`, else the first free slot before it.
    std::optional<int> FindFreeSlot(int start) const;
    // Moves the record at `from` to `to` (a free slot) and names it `name` (Shift-JIS).
    // When `to` is in use nothing changes.
    MoveResult MoveItem(int from, int to, const std::string& name);

    // The memory text's figure: the total in Kbyte, rounded up.
    static std::int64_t MemoryTextKbytes(std::int64_t total);
    // The gauge position: the total in Kbyte, rounded down, held within 0 .. 240.
    static int GaugePosition(std::int64_t total);

  private:
    std::unique_ptr<std::array<CFontPT, kItemCount>> m_items;
};
