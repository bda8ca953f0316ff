// Adding files to the table and showing an item's image.
#include "SessionFixture.h"

namespace {

using AddFiles = SessionFixture;

const std::string kErrorCaption = "エラー";

TEST_F(AddFiles, FillConsecutiveSlotsFromTheStartSlot) {
    const auto a = MakeBitmap("a.bmp", 16, 4);
    const auto b = MakeBitmap("b.bmp", 16, 4);
    const auto c = MakeBitmap("c.bmp", 16, 4);
    EXPECT_EQ(m_session->AddFiles({a, b, c}, 0), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(m_session->m_items[0].m_name, "a.bmp");
    EXPECT_EQ(m_session->m_items[2].m_name, "c.bmp");
    EXPECT_EQ(m_session->m_items[1].m_state, ITEM_NEW);
    EXPECT_EQ(m_session->m_items[1].m_id, 1);
    EXPECT_EQ(m_session->m_items[1].m_sourcePath, b);
    EXPECT_EQ(m_session->m_items[1].m_width, 16);
    EXPECT_EQ(m_session->m_items[1].m_height, 4);
    EXPECT_EQ(m_session->m_items[1].m_patternSize, 8);
    EXPECT_EQ(m_session->m_items[1].m_header[1], '1');
    EXPECT_EQ(m_op.RefreshCount(), 1);  // once, after all files
    EXPECT_EQ(m_op.RepaintCount(), 1);
    EXPECT_TRUE(m_op.Messages().empty());
    EXPECT_TRUE(LeftoverTransferFiles().empty());
}

TEST_F(AddFiles, SkipUsedSlotsAndWrapBelowTheStart) {
    const auto a = MakeBitmap("a.bmp", 8, 8);
    MakeRegistered(5, 10);
    MakeRegistered(6, 10);
    EXPECT_EQ(m_session->AddFiles({a, a}, 5), (std::vector<int>{7, 8}));

    for (int slot = 5; slot < kItemCount; ++slot) MakeRegistered(slot, 10);
    MakeRegistered(0, 10);
    EXPECT_EQ(m_session->AddFiles({a, a}, 5), (std::vector<int>{1, 2}));
}

TEST_F(AddFiles, KindComesFromTheLastThreeCharacters) {
    const auto upper = MakeBitmap("LOGO.BMP", 8, 8);
    const auto doubled = MakeBitmap("x.pld.bmp", 8, 8);
    const auto jpeg = MakeBitmap("logo.jpeg", 8, 8);
    EXPECT_TRUE(m_session->AddFile(upper, 0));
    EXPECT_TRUE(m_session->AddFile(doubled, 0));
    EXPECT_FALSE(m_session->AddFile(jpeg, 0));
    ASSERT_EQ(m_op.Messages().size(), 1u);
    EXPECT_EQ(m_op.Messages()[0].caption, kErrorCaption);
    EXPECT_EQ(m_op.Messages()[0].text, jpeg.string() + "\r\nは未対応のファイル形式です。");
    EXPECT_EQ(m_op.Messages()[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(m_session->m_items.CountNew(), 2);
}

TEST_F(AddFiles, NameIsTheFileNameCutTo32BytesOfShiftJis) {
    const std::string exact(28, 'n');
    EXPECT_TRUE(m_session->AddFile(MakeBitmap(exact + ".bmp", 8, 8), 0));
    EXPECT_EQ(m_session->m_items[0].m_name, exact + ".bmp");
    const std::string longer(36, 'L');
    EXPECT_TRUE(m_session->AddFile(MakeBitmap(longer + ".bmp", 8, 8), 0));
    EXPECT_EQ(m_session->m_items[1].m_name, std::string(32, 'L'));  // extension lost

    // 17 double-byte characters: the cut keeps 16 (32 bytes), never half of one.
    std::string kana;
    for (int i = 0; i < 17; ++i) kana += "ロ";
    EXPECT_TRUE(m_session->AddFile(MakeBitmap(kana + ".bmp", 8, 8), 0));
    std::string expected;
    for (int i = 0; i < 16; ++i) expected += "\x83\x8D";
    EXPECT_EQ(m_session->m_items[2].m_name, expected);
}

TEST_F(AddFiles, The44KbyteLimitPerItem) {
    EXPECT_TRUE(m_session->AddFile(MakeBitmap("limit.bmp", 256, 1408), 0));
    EXPECT_EQ(m_session->m_items[0].m_totalSize, 45056);

    const auto over = MakeBitmap("over.bmp", 256, 1409);
    EXPECT_FALSE(m_session->AddFile(over, 0));
    EXPECT_EQ(m_session->m_items[1].m_state, ITEM_UNREGISTERED);
    ASSERT_EQ(m_op.Messages().size(), 1u);
    EXPECT_EQ(m_op.Messages()[0].text,
              over.string() + "\r\nは必要メモリ容量が44Kbyteを超える為、追加できません。");
    EXPECT_EQ(m_session->m_image.Height(), 1409);  // the image just loaded stays current
    EXPECT_TRUE(LeftoverTransferFiles().empty());
}

TEST_F(AddFiles, FullTableRefusesAfterLoading) {
    for (int slot = 0; slot < kItemCount; ++slot) MakeRegistered(slot, 10);
    EXPECT_FALSE(m_session->AddFile(MakeBitmap("late.bmp", 24, 3), 40));
    ASSERT_EQ(m_op.Messages().size(), 1u);
    EXPECT_EQ(m_op.Messages()[0].text,
              "アイテム数が99を超えたのでファイルを追加できませんでした。");
    EXPECT_EQ(m_session->m_image.Width(), 24);
}

TEST_F(AddFiles, FolderOrBrokenFileAmongBitmapsRefusesOnlyThatEntry) {
    const auto good = MakeBitmap("good.bmp", 8, 8);
    const auto broken = m_files / "broken.bmp";
    bmptest::WriteFile(broken, {'B', 'M', 1, 2});
    std::filesystem::create_directory(m_files / "folder");
    EXPECT_EQ(m_session->AddFiles({m_files / "folder", broken, good}, 0), (std::vector<int>{0}));
    EXPECT_EQ(m_op.Messages().size(), 2u);
    EXPECT_EQ(m_session->m_items[0].m_name, "good.bmp");
}

TEST_F(AddFiles, ShowItemImageOnlyLoadsNewItems) {
    const auto a = MakeBitmap("a.bmp", 40, 2);
    const auto b = MakeBitmap("b.bmp", 8, 8);
    m_session->AddFiles({a, b}, 0);
    m_op.Clear();
    m_session->ShowItemImage(0);
    EXPECT_EQ(m_session->m_image.Width(), 40);
    EXPECT_EQ(m_op.RepaintCount(), 1);

    MakeRegistered(50, 10);
    m_session->ShowItemImage(50);  // not new: only a repaint (the placeholder)
    m_session->ShowItemImage(-1);
    m_session->ShowItemImage(100);
    EXPECT_EQ(m_session->m_image.Width(), 40);
    EXPECT_EQ(m_op.RepaintCount(), 4);

    m_session->m_items[1].m_sourcePath = m_files / "b.gif";
    m_session->ShowItemImage(1);
    ASSERT_EQ(m_op.Messages().size(), 1u);
    EXPECT_EQ(m_op.Messages()[0].text, "予期せぬファイルです。");
    EXPECT_EQ(m_op.RepaintCount(), 4);
}

TEST_F(AddFiles, BatchConversionLeavesTheShownItemsImage) {
    const auto shown = MakeBitmap("shown.bmp", 40, 2);
    const auto other = MakeBitmap("other.bmp", 8, 16);
    m_session->AddFiles({shown}, 0);
    m_session->ShowItemImage(0);
    const auto result = m_session->OnConvertBmpToPld({other});
    EXPECT_EQ(result.converted, 1);
    EXPECT_TRUE(std::filesystem::exists(m_files / "other.pld"));
    EXPECT_EQ(m_session->m_image.Width(), 40);
    EXPECT_EQ(m_session->m_image.Height(), 2);
}

}  // namespace
