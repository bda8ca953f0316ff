#include <gtest/gtest.h>

#include "items/CItemTable.h"

namespace {

void MakeItem(CItemTable& table, int slot, int state, std::int32_t imageBytes) {
    table[slot].m_id = static_cast<std::int16_t>(slot);
    table[slot].m_state = state;
    table[slot].m_patternSize = imageBytes;
    table[slot].BuildHeader();
}

TEST(ItemTable, StartsEmptyAfterClear) {
    CItemTable table;
    table.ClearItemTable();
    for (int slot = 0; slot < kItemCount; ++slot) {
        EXPECT_EQ(table[slot].m_state, ITEM_UNREGISTERED);
        EXPECT_EQ(table[slot].m_patternCount, 0);
    }
    EXPECT_EQ(table.GetMemoryTotal(), 0);
    EXPECT_EQ(CItemTable::MemoryTextKbytes(table.GetMemoryTotal()), 0);
    EXPECT_EQ(table.CountInUse(), 0);
}

TEST(ItemTable, MemoryTotalCountsEveryRecordWithItsPrefix) {
    CItemTable table;
    table.ClearItemTable();
    MakeItem(table, 7, ITEM_NEW, 1000);
    EXPECT_EQ(table[7].GetMemoryNeed(), 1010);
    EXPECT_EQ(table.GetMemoryTotal(), 1010);
    EXPECT_EQ(CItemTable::MemoryTextKbytes(1010), 1);  // rounded up
    EXPECT_EQ(CItemTable::GaugePosition(1010), 0);     // rounded down

    // A record that was only reset keeps contributing nothing, whatever its old header says.
    table[7].Reset();
    EXPECT_EQ(table.GetMemoryTotal(), 0);
}

TEST(ItemTable, MemoryFiguresAtTheLimit) {
    EXPECT_EQ(CItemTable::MemoryTextKbytes(245000), 240);
    EXPECT_EQ(CItemTable::GaugePosition(245000), 239);  // a download is still allowed
    EXPECT_EQ(CItemTable::GaugePosition(245759), 239);
    EXPECT_EQ(CItemTable::GaugePosition(245760), 240);
    EXPECT_EQ(CItemTable::GaugePosition(10'000'000), kGaugeMax);  // held within the range
    EXPECT_EQ(CItemTable::MemoryTextKbytes(1024), 1);
    EXPECT_EQ(CItemTable::MemoryTextKbytes(1025), 2);
}

TEST(ItemTable, CountsRecordsInUse) {
    CItemTable table;
    table.ClearItemTable();
    for (int slot = 0; slot < 40; ++slot) MakeItem(table, slot, ITEM_REGISTERED, 10);
    for (int slot = 40; slot < 80; ++slot) MakeItem(table, slot, ITEM_NEW, 10);
    EXPECT_EQ(table.CountInUse(), 80);
    EXPECT_EQ(table.CountNew(), 40);
    MakeItem(table, 99, ITEM_NEW, 10);
    EXPECT_EQ(table.CountInUse(), 81);
}

TEST(ItemTable, FindFreeSlotWrapsAround) {
    CItemTable table;
    table.ClearItemTable();
    EXPECT_EQ(table.FindFreeSlot(0), 0);
    EXPECT_EQ(table.FindFreeSlot(98), 98);
    for (int slot = 0; slot < kItemCount; ++slot) {
        if (slot != 5) MakeItem(table, slot, ITEM_REGISTERED, 1);
    }
    EXPECT_EQ(table.FindFreeSlot(98), 5);
    EXPECT_EQ(table.FindFreeSlot(5), 5);
    EXPECT_EQ(table.FindFreeSlot(6), 5);
    MakeItem(table, 5, ITEM_NEW, 1);
    EXPECT_FALSE(table.FindFreeSlot(0).has_value());
    EXPECT_FALSE(table.FindFreeSlot(99).has_value());
}

TEST(ItemTable, MoveItemToAFreeSlot) {
    CItemTable table;
    table.ClearItemTable();
    MakeItem(table, 3, ITEM_NEW, 500);
    table[3].m_sourcePath = "/logos/a.bmp";
    table[3].m_name = "old";
    const auto header = table[3].m_header;

    EXPECT_EQ(table.MoveItem(3, 42, "new name"), MoveResult::Moved);
    EXPECT_EQ(table[3].m_state, ITEM_UNREGISTERED);
    EXPECT_EQ(table[3].m_id, 0);
    EXPECT_EQ(table[42].m_state, ITEM_NEW);
    EXPECT_EQ(table[42].m_id, 42);
    EXPECT_EQ(table[42].m_name, "new name");
    EXPECT_EQ(table[42].m_sourcePath, "/logos/a.bmp");
    EXPECT_EQ(table[42].m_patternSize, 500);
    EXPECT_EQ(table[42].m_header, header);  // still carries ID 03 until rebuilt
    EXPECT_EQ(table[42].m_header[1], '3');
    EXPECT_EQ(table.GetMemoryTotal(), 510);
}

TEST(ItemTable, MoveItemRefusesAUsedSlotAndRenamesInPlace) {
    CItemTable table;
    table.ClearItemTable();
    MakeItem(table, 3, ITEM_NEW, 500);
    MakeItem(table, 4, ITEM_REGISTERED, 100);
    table[3].m_name = "keep";

    EXPECT_EQ(table.MoveItem(3, 4, "other"), MoveResult::TargetInUse);
    EXPECT_EQ(table[3].m_name, "keep");
    EXPECT_EQ(table[3].m_state, ITEM_NEW);
    EXPECT_EQ(table[4].m_state, ITEM_REGISTERED);

    EXPECT_EQ(table.MoveItem(3, 3, "renamed"), MoveResult::SameSlot);
    EXPECT_EQ(table[3].m_name, "renamed");
    EXPECT_EQ(table[3].m_state, ITEM_NEW);

    std::string longName;
    for (int i = 0; i < 20; ++i) longName += "\x83\x8D";  // 40 bytes of double-byte text
    table.MoveItem(3, 3, longName);
    EXPECT_EQ(table[3].m_name.size(), 32u);
}

}  // namespace
