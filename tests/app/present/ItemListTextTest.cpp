#include <gtest/gtest.h>

#include "app/present/ItemListText.h"
#include "items/CItemTable.h"

namespace {

TEST(ItemListText, ColumnsInOrder) {
    const auto& columns = ListColumns();
    EXPECT_EQ(columns[0].m_heading, "ID");
    EXPECT_EQ(columns[0].m_width, 30);
    EXPECT_EQ(columns[1].m_heading, "登録名称");
    EXPECT_EQ(columns[1].m_width, 200);
    EXPECT_EQ(columns[2].m_heading, "必要メモリ");
    EXPECT_EQ(columns[2].m_width, 100);
    EXPECT_EQ(columns[3].m_heading, "アイテム状態");
    EXPECT_EQ(columns[3].m_width, 100);
}

TEST(ItemListText, RowsByState) {
    CItemTable table;
    table.ClearItemTable();
    // A free record: two-digit ID, nothing in the memory column.
    auto free = RowTexts(3, table[3]);
    EXPECT_EQ(free[0], "03");
    EXPECT_EQ(free[1], "");
    EXPECT_EQ(free[2], "");
    EXPECT_EQ(free[3], "未登録ID");

    // A new item of 1000 image bytes in slot 7 needs 1010 bytes.
    table[7].m_id = 7;
    table[7].m_name = "LOGO.BMP";
    table[7].m_patternSize = 1000;
    table[7].BuildHeader();
    table[7].m_state = ITEM_NEW;
    auto fresh = RowTexts(7, table[7]);
    EXPECT_EQ(fresh[0], "07");
    EXPECT_EQ(fresh[1], "LOGO.BMP");
    EXPECT_EQ(fresh[2], "1010byte");
    EXPECT_EQ(fresh[3], "新規登録ID");
    EXPECT_EQ(MemoryText(table.GetMemoryTotal()), "メモリ使用量　1/240Kbyte");

    // A registered font of 3 characters of 72 bytes each: 216 + 30.
    table[99].m_state = ITEM_REGISTERED;
    table[99].m_patternCount = 3;
    table[99].m_totalSize = 216;
    table[99].m_name = "\x83\x74\x83\x48\x83\x93\x83\x67";  // "フォント" in Shift-JIS
    auto font = RowTexts(99, table[99]);
    EXPECT_EQ(font[0], "99");
    EXPECT_EQ(font[1], "フォント");
    EXPECT_EQ(font[2], "246byte");
    EXPECT_EQ(font[3], "登録済みID");

    // A state the table never holds shows no name rather than garbage.
    table[50].m_state = 7;
    EXPECT_EQ(RowTexts(50, table[50])[3], "");
}

TEST(ItemListText, RowColours) {
    EXPECT_EQ(RowColor(ITEM_UNREGISTERED), (RgbColor{255, 255, 255}));
    EXPECT_EQ(RowColor(ITEM_REGISTERED), (RgbColor{255, 255, 220}));
    EXPECT_EQ(RowColor(ITEM_NEW), (RgbColor{220, 255, 255}));
    EXPECT_EQ(RowColor(42), (RgbColor{255, 255, 255}));
}

TEST(ItemListText, MemoryText) {
    EXPECT_EQ(MemoryText(0), "メモリ使用量　0/240Kbyte");
    EXPECT_EQ(MemoryText(1024), "メモリ使用量　1/240Kbyte");
    EXPECT_EQ(MemoryText(1025), "メモリ使用量　2/240Kbyte");
    EXPECT_EQ(MemoryText(245760), "メモリ使用量　240/240Kbyte");
    EXPECT_EQ(MemoryText(300000), "メモリ使用量　293/240Kbyte");
}

}  // namespace
