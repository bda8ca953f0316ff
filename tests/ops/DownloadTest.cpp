// The download of new items against the virtual printer.
#include "SessionFixture.h"

#include "sim/SimContent.h"

namespace {

using Download = SessionFixture;

TEST_F(Download, SendsNewItemsInIdOrder) {
    const auto a = MakeBitmap("a.bmp", 16, 4);
    EXPECT_TRUE(m_session->AddFile(a, 9));
    EXPECT_TRUE(m_session->AddFile(a, 2));
    EXPECT_TRUE(m_session->AddFile(a, 5));
    MakeRegistered(7, 100);  // registered items are not sent again
    m_op.Clear();

    const OperationOutcome outcome = m_session->OnStartTransfer();
    EXPECT_EQ(outcome.status, OperationStatus::Done);
    EXPECT_EQ(outcome.text, OperationText::DownloadDone);
    EXPECT_EQ(outcome.ids, (std::vector<int>{2, 5, 9}));
    EXPECT_EQ(m_registrations.Ids(), (std::vector<int>{2, 5, 9}));
    for (int slot : {2, 5, 9}) EXPECT_EQ(m_session->m_items[slot].m_state, ITEM_REGISTERED);
    EXPECT_EQ(m_session->m_previewSlot, 9);
    EXPECT_EQ(ProgressLog(), (std::vector<std::string>{
                                 "SetProgress 3 0 プリンタの応答を待っています。",
                                 "SetProgress 3 1 データ送信中です。",
                                 "SetProgress 3 2 データ送信中です。",
                                 "SetProgress 3 3 データ送信中です。",
                                 "SetProgress 3 3 データ送信を完了しました。",
                                 "ShowCloseButton",
                             }));
    EXPECT_EQ(m_op.RefreshCount(), 1);
    EXPECT_GT(m_op.PumpCount(), 3);
    EXPECT_TRUE(LeftoverTransferFiles().empty());
    EXPECT_FALSE(m_session->IsBusy());
}

TEST_F(Download, MoreThan80IdsAreRefusedBeforeAnythingIsSent) {
    const auto a = MakeBitmap("a.bmp", 8, 8);
    for (int slot = 0; slot < 79; ++slot) MakeRegistered(slot, 1);
    EXPECT_TRUE(m_session->AddFile(a, 0));  // the 80th
    m_op.Clear();
    EXPECT_TRUE(m_session->OnStartTransfer().Succeeded());
    EXPECT_TRUE(m_op.Messages().empty());

    EXPECT_TRUE(m_session->AddFile(a, 0));  // 81 in use: one new, 80 registered
    m_op.Clear();
    m_link->ClearRecord();
    const OperationOutcome refused = m_session->OnStartTransfer();
    EXPECT_EQ(refused.status, OperationStatus::Refused);
    EXPECT_EQ(refused.text, OperationText::DownloadTooManyIds);
    ASSERT_EQ(m_op.Messages().size(), 1u);
    EXPECT_EQ(m_op.Messages()[0].caption, "エラー");
    EXPECT_EQ(m_op.Messages()[0].text, "プリンタに登録されるID数が80アイテムを超えています。");
    EXPECT_EQ(m_op.ProgressDisplaysOpened(), 0);
    EXPECT_TRUE(m_link->Written().empty());
    EXPECT_EQ(m_session->m_items[80].m_state, ITEM_NEW);
}

TEST_F(Download, MemoryCheckUsesTheGaugeRoundedDown) {
    EXPECT_TRUE(m_session->AddFile(MakeBitmap("a.bmp", 8, 8), 0));  // needs 8 + 10 bytes
    MakeRegistered(50, 245759 - 18 - 10);
    ASSERT_EQ(m_session->m_items.GetMemoryTotal(), 245759);
    EXPECT_TRUE(m_session->OnStartTransfer().Succeeded());
    EXPECT_EQ(m_session->m_items[0].m_state, ITEM_REGISTERED);

    EXPECT_TRUE(m_session->AddFile(MakeBitmap("b.bmp", 8, 8), 0));
    MakeRegistered(50, 245760 - 2 * 18 - 10);
    ASSERT_EQ(m_session->m_items.GetMemoryTotal(), 245760);
    m_op.Clear();
    m_link->ClearRecord();
    EXPECT_EQ(m_session->OnStartTransfer().text, OperationText::DownloadMemoryFull);
    ASSERT_EQ(m_op.Messages().size(), 1u);
    EXPECT_EQ(m_op.Messages()[0].text, "新規登録データが最大メモリ容量を超えています。");
    EXPECT_TRUE(m_link->Written().empty());
    EXPECT_EQ(m_op.ProgressDisplaysOpened(), 0);
}

TEST_F(Download, DeclinedOverwriteCountsAndGoesOn) {
    m_registrations.Store(simcontent::MakeLogo(3, "OLD", 8, 8));
    const auto a = MakeBitmap("a.bmp", 16, 2);
    EXPECT_TRUE(m_session->AddFile(a, 3));
    EXPECT_TRUE(m_session->AddFile(a, 4));
    m_op.QueueAnswer(false);
    m_op.Clear();

    const OperationOutcome outcome = m_session->OnStartTransfer();
    EXPECT_TRUE(outcome.Succeeded());
    EXPECT_EQ(outcome.kept, std::vector<int>{3});
    EXPECT_EQ(outcome.ids, std::vector<int>{4});
    ASSERT_EQ(m_op.Questions().size(), 1u);
    EXPECT_EQ(m_op.Questions()[0].caption, "確認");
    EXPECT_EQ(m_op.Questions()[0].text,
              "ID03は既にプリンタにデータが登録されています。\r\n上書きしますか？");
    EXPECT_EQ(m_session->m_items[3].m_state, ITEM_NEW);
    EXPECT_EQ(m_session->m_items[4].m_state, ITEM_REGISTERED);
    EXPECT_EQ(ProgressLog().at(1), "SetProgress 2 1 データ送信中です。");
    EXPECT_EQ(ProgressLog().at(3), "SetProgress 2 2 データ送信を完了しました。");
}

TEST_F(Download, FailureAtTheSecondOfFiveStopsThere) {
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(m_session->AddFile(MakeBitmap("f" + std::to_string(i) + ".bmp", 16, 2), 0));
    }
    // The second item's file has gone since it was added: its image cannot be sent.
    std::filesystem::remove(m_session->m_items[1].m_sourcePath);
    m_op.Clear();

    const OperationOutcome outcome = m_session->OnStartTransfer();
    EXPECT_EQ(outcome.status, OperationStatus::Failed);
    EXPECT_EQ(outcome.cause, TransactionStatus::NoTransferFile);
    EXPECT_EQ(outcome.failedId, 1);
    EXPECT_EQ(outcome.ids, std::vector<int>{0});
    EXPECT_EQ(m_session->m_items[0].m_state, ITEM_REGISTERED);
    for (int slot = 1; slot < 5; ++slot) EXPECT_EQ(m_session->m_items[slot].m_state, ITEM_NEW);
    const auto log = ProgressLog();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[log.size() - 2], "SetMessage データ送信に失敗しました。");
    EXPECT_EQ(log.back(), "ShowCloseButton");
    EXPECT_EQ(m_op.RefreshCount(), 0);  // the list stays as it was until the next refresh
    EXPECT_TRUE(LeftoverTransferFiles().empty());
    EXPECT_FALSE(m_link->IsOpen());
}

TEST_F(Download, PortThatCannotBeOpenedFailsTheFirstItem) {
    EXPECT_TRUE(m_session->AddFile(MakeBitmap("a.bmp", 8, 8), 0));
    m_link->SetOpenFails(true);
    m_op.Clear();
    const OperationOutcome outcome = m_session->OnStartTransfer();
    EXPECT_EQ(outcome.cause, TransactionStatus::PortNotOpened);
    EXPECT_EQ(outcome.failedId, 0);
    ASSERT_EQ(m_op.Messages().size(), 1u);
    EXPECT_EQ(m_op.Messages()[0].caption, "エラー");
    EXPECT_EQ(m_op.Messages()[0].text.rfind("COMﾎﾟｰﾄをｵｰﾌﾟﾝできませんでした。", 0), 0u);
    EXPECT_EQ(ProgressLog().back(), "ShowCloseButton");
    EXPECT_EQ(m_session->m_items[0].m_state, ITEM_NEW);
    EXPECT_TRUE(LeftoverTransferFiles().empty());
}

TEST_F(Download, SourceFileGoneFailsWithoutLeavingFiles) {
    const auto a = MakeBitmap("a.bmp", 8, 8);
    EXPECT_TRUE(m_session->AddFile(a, 0));
    std::filesystem::remove(a);
    m_op.Clear();
    EXPECT_EQ(m_session->OnStartTransfer().cause, TransactionStatus::NoTransferFile);
    EXPECT_EQ(m_op.Messages().size(), 1u);  // the loader says why, once
    EXPECT_EQ(ProgressLog().back(), "ShowCloseButton");
    EXPECT_TRUE(LeftoverTransferFiles().empty());
}

}  // namespace
