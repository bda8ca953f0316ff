// Reading back the printer's registrations, and deleting them.
#include "SessionFixture.h"

#include "sim/SimContent.h"

namespace {

using Info = SessionFixture;
using Delete = SessionFixture;

const std::string kBroken =
    "SetMessage "
    "情報取得に失敗しました。\r\nプリンタを再起動し、PCとケーブルの接続を確認してから再試行してくだ"
    "さい。";

TEST_F(Info, RebuildsTheTableFromThePrinter) {
    m_registrations.Store(simcontent::MakeLogo(3, "LOGO3", 240, 16));
    const char16_t chars[] = {u'あ', u'い', u'う'};
    m_registrations.Store(simcontent::MakeFont(17, "FONT", 24, chars, true, false));
    EXPECT_TRUE(m_session->AddFile(MakeBitmap("new.bmp", 8, 8), 40));
    m_op.Clear();

    EXPECT_TRUE(m_session->OnGetInfo().Succeeded());
    EXPECT_EQ(m_session->m_items.CountInUse(), 2);
    EXPECT_EQ(m_session->m_items[40].m_state, ITEM_UNREGISTERED);  // new items are gone
    const CFontPT& logo = m_session->m_items[3];
    EXPECT_EQ(logo.m_state, ITEM_REGISTERED);
    EXPECT_EQ(logo.m_name, "LOGO3");
    EXPECT_EQ(logo.m_width, 240);
    EXPECT_TRUE(logo.m_sourcePath.empty());
    EXPECT_EQ(logo.m_entries[0], 0x6B);
    const CFontPT& font = m_session->m_items[17];
    EXPECT_EQ(font.m_patternCount, 3);
    EXPECT_EQ(font.m_entries[12], 0x46);  // 'う' is U+3046, low byte first
    EXPECT_EQ(font.m_entries[13], 0x30);

    const auto log = ProgressLog();
    EXPECT_EQ(log.front(), "SetProgress 1 0 プリンタの応答を待っています。");
    EXPECT_EQ(log[log.size() - 2], "SetMessage 情報取得を完了しました。");
    EXPECT_EQ(log.back(), "ShowCloseButton");
    EXPECT_EQ(m_op.RefreshCount(), 1);
}

TEST_F(Info, EmptyPrinterFillsTheBar) {
    EXPECT_TRUE(m_session->OnGetInfo().Succeeded());
    EXPECT_EQ(m_session->m_items.CountInUse(), 0);
    const auto log = ProgressLog();
    EXPECT_NE(std::find(log.begin(), log.end(), "SetBar 1 1"), log.end());
    EXPECT_EQ(log[log.size() - 2], "SetMessage 情報取得を完了しました。");
}

TEST_F(Info, SilentPrinterStillClearsNewItems) {
    EXPECT_TRUE(m_session->AddFile(MakeBitmap("new.bmp", 8, 8), 0));
    m_model.SetFault(SimFault::Silence);
    m_op.Clear();
    const OperationOutcome outcome = m_session->OnGetInfo();
    EXPECT_EQ(outcome.status, OperationStatus::Failed);
    EXPECT_EQ(outcome.cause, TransactionStatus::NoAnswer);
    EXPECT_EQ(outcome.text, OperationText::InfoFailed);
    EXPECT_EQ(m_session->m_items[0].m_state, ITEM_UNREGISTERED);
    EXPECT_EQ(ProgressLog()[ProgressLog().size() - 2], "SetMessage 情報取得に失敗しました。");
    EXPECT_EQ(m_op.RefreshCount(), 1);
}

TEST_F(Info, BrokenStreamKeepsTheRecordsReceived) {
    m_registrations.Store(simcontent::MakeLogo(3, "A", 8, 8));
    m_registrations.Store(simcontent::MakeLogo(4, "B", 8, 8));
    m_model.SetFault(SimFault::NoEtx);
    const OperationOutcome outcome = m_session->OnGetInfo();
    EXPECT_EQ(outcome.cause, TransactionStatus::BrokenReply);
    EXPECT_EQ(outcome.ids, (std::vector<int>{3, 4}));
    EXPECT_EQ(m_session->m_items.CountInUse(), 2);
    EXPECT_EQ(ProgressLog()[ProgressLog().size() - 2], kBroken);

    m_model.SetFault(SimFault::Stall);
    EXPECT_FALSE(m_session->OnGetInfo().Succeeded());
    EXPECT_EQ(m_session->m_items[3].m_state, ITEM_REGISTERED);
    EXPECT_EQ(m_session->m_items[4].m_state, ITEM_UNREGISTERED);
    EXPECT_EQ(ProgressLog()[ProgressLog().size() - 2], kBroken);
}

TEST_F(Info, NonsenseReplyIsAFailureAndLeavesTheTableEmpty) {
    m_registrations.Store(simcontent::MakeLogo(3, "A", 8, 8));
    EXPECT_TRUE(m_session->AddFile(MakeBitmap("new.bmp", 8, 8), 0));
    m_model.SetFault(SimFault::Garbage);
    m_op.Clear();
    EXPECT_EQ(m_session->OnGetInfo().cause, TransactionStatus::UnexpectedReply);
    EXPECT_EQ(m_session->m_items.CountInUse(), 0);
    EXPECT_EQ(ProgressLog()[ProgressLog().size() - 2], "SetMessage 情報取得に失敗しました。");
    EXPECT_EQ(m_op.RefreshCount(), 1);
}

TEST_F(Info, PortThatCannotBeOpenedLeavesTheTable) {
    EXPECT_TRUE(m_session->AddFile(MakeBitmap("new.bmp", 8, 8), 0));
    MakeRegistered(6, 10);
    m_link->SetOpenFails(true);
    m_op.Clear();
    const OperationOutcome outcome = m_session->OnGetInfo();
    EXPECT_EQ(outcome.status, OperationStatus::Failed);
    EXPECT_EQ(outcome.cause, TransactionStatus::PortNotOpened);
    EXPECT_FALSE(outcome.text.has_value());  // no progress display, only the port's message
    EXPECT_TRUE(outcome.ids.empty());        // the registered row stands, but was not read
    EXPECT_EQ(m_session->m_items[0].m_state, ITEM_NEW);
    EXPECT_EQ(m_op.ProgressDisplaysOpened(), 0);
    EXPECT_EQ(m_op.Messages().size(), 1u);
    EXPECT_EQ(m_op.RefreshCount(), 0);
}

TEST_F(Delete, SelectedRowsSendOneFrameForTheRegisteredOne) {
    m_registrations.Store(simcontent::MakeLogo(2, "TWO", 8, 8));
    ASSERT_TRUE(m_session->OnGetInfo().Succeeded());
    EXPECT_TRUE(m_session->AddFile(MakeBitmap("new.bmp", 8, 8), 5));
    m_op.Clear();
    m_link->ClearRecord();
    const int opensBefore = m_link->OpenCount();
    m_op.QueueAnswer(true);

    EXPECT_EQ(m_session->OnClearIds({9, 5, 2}).ids, (std::vector<int>{2, 5}));
    ASSERT_EQ(m_op.Questions().size(), 1u);
    EXPECT_EQ(m_op.Questions()[0].caption, "確認");
    EXPECT_EQ(m_op.Questions()[0].icon, MessageIcon::Information);
    const std::vector<std::uint8_t> deleteTwo = {0x1B, 0x41, 0x1B, 0x46, 0x43,
                                                 '0',  '2',  0x1B, 0x5A};
    ASSERT_GE(m_link->Written().size(), deleteTwo.size());
    EXPECT_TRUE(std::equal(deleteTwo.begin(), deleteTwo.end(), m_link->Written().begin()));
    EXPECT_EQ(m_link->OpenCount() - opensBefore, 1);
    EXPECT_EQ(m_link->Written().size(), deleteTwo.size() + 3);  // the request, then Proceed
    EXPECT_FALSE(m_registrations.Contains(2));
    EXPECT_EQ(m_session->m_items.CountInUse(), 0);
    EXPECT_EQ(ProgressLog(), (std::vector<std::string>{
                                 "SetProgress 2 0 データの削除中です。",
                                 "SetBar 2 1",
                                 "SetBar 2 2",
                                 "SetProgress 2 2 データの削除を完了しました。",
                                 "ShowCloseButton",
                             }));
    EXPECT_EQ(m_op.RefreshCount(), 1);
}

TEST_F(Delete, OnlyNewRowsAskNothingAndSendNothing) {
    EXPECT_TRUE(m_session->AddFile(MakeBitmap("new.bmp", 8, 8), 0));
    m_op.Clear();
    EXPECT_TRUE(m_session->OnClearIds({0}).Succeeded());
    EXPECT_TRUE(m_op.Questions().empty());
    EXPECT_EQ(m_link->OpenCount(), 0);
    EXPECT_EQ(m_session->m_items[0].m_state, ITEM_UNREGISTERED);
}

TEST_F(Delete, NothingToDeleteOrNoAnswerChangesNothing) {
    EXPECT_EQ(m_session->OnClearIds({}).status, OperationStatus::Refused);
    EXPECT_EQ(m_session->OnClearIds({4, 7}).text,  // free rows only
              OperationText::DeleteNothingSelected);
    ASSERT_EQ(m_op.Messages().size(), 2u);
    EXPECT_EQ(m_op.Messages()[0].caption, "実行結果");
    EXPECT_EQ(m_op.Messages()[0].text, "削除するIDを選択してください。");

    MakeRegistered(4, 10);
    m_op.QueueAnswer(false);
    EXPECT_EQ(m_session->OnClearIds({4}).status, OperationStatus::Declined);
    m_op.QueueAnswer(false);
    EXPECT_EQ(m_session->OnAllClear().status, OperationStatus::Declined);
    EXPECT_EQ(m_session->m_items[4].m_state, ITEM_REGISTERED);
    EXPECT_EQ(m_op.ProgressDisplaysOpened(), 0);
    EXPECT_EQ(m_link->OpenCount(), 0);
}

TEST_F(Delete, FailureKeepsTheFailingRowAndTheRest) {
    MakeRegistered(1, 10);
    MakeRegistered(2, 10);
    m_model.SetFault(SimFault::Garbage);
    m_op.QueueAnswer(true);
    const OperationOutcome outcome = m_session->OnClearIds({1, 2});
    EXPECT_EQ(outcome.status, OperationStatus::Failed);
    EXPECT_EQ(outcome.cause, TransactionStatus::UnexpectedReply);
    EXPECT_EQ(outcome.failedId, 1);
    EXPECT_EQ(m_session->m_items[1].m_state, ITEM_REGISTERED);
    EXPECT_EQ(m_session->m_items[2].m_state, ITEM_REGISTERED);
    EXPECT_EQ(ProgressLog()[ProgressLog().size() - 2], "SetMessage データの削除に失敗しました。");
    EXPECT_EQ(m_op.RefreshCount(), 0);
}

TEST_F(Delete, AllClearEmptiesPrinterAndTable) {
    m_registrations.Store(simcontent::MakeLogo(8, "X", 8, 8));
    EXPECT_TRUE(m_session->AddFile(MakeBitmap("new.bmp", 8, 8), 0));
    m_op.QueueAnswer(true);
    m_op.Clear();
    EXPECT_TRUE(m_session->OnAllClear().Succeeded());
    EXPECT_EQ(m_op.Questions()[0].caption, "実行確認");
    EXPECT_TRUE(m_registrations.Empty());
    EXPECT_EQ(m_session->m_items.CountInUse(), 0);
    EXPECT_EQ(ProgressLog(), (std::vector<std::string>{
                                 "SetProgress 1 0 登録データの削除中です。",
                                 "SetProgress 1 1 登録データを全て削除しました。",
                                 "ShowCloseButton",
                             }));

    // Nothing registered: 'A', still a success that clears the table.
    EXPECT_TRUE(m_session->AddFile(MakeBitmap("new.bmp", 8, 8), 0));
    m_op.QueueAnswer(true);
    EXPECT_TRUE(m_session->OnAllClear().Succeeded());
    EXPECT_EQ(m_session->m_items.CountInUse(), 0);

    EXPECT_TRUE(m_session->AddFile(MakeBitmap("new.bmp", 8, 8), 0));
    m_model.SetFault(SimFault::Silence);
    m_op.QueueAnswer(true);
    EXPECT_EQ(m_session->OnAllClear().cause, TransactionStatus::NoAnswer);
    EXPECT_EQ(m_session->m_items.CountNew(), 1);
    EXPECT_EQ(ProgressLog()[ProgressLog().size() - 2],
              "SetMessage 登録データの削除に失敗しました。");
}

}  // namespace
