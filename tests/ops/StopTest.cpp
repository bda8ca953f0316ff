// Stopping a running operation: it ends as on a failed line, with its failure text, the
// port closed and no transfer file left, and the session opens the port no more.
#include "SessionFixture.h"

#include "sim/SimContent.h"

namespace {

using Stop = SessionFixture;

// The operator asks to stop once the operation has pumped `pumps` times.
void StopAfter(CRecordingOperator& op, CLogoSession& session, int pumps) {
    op.SetPumpHook([&session, pumps](int count) {
        if (count == pumps) session.RequestStop();
    });
}

TEST_F(Stop, AllClearWaitingForAnEndlessEraseEnds) {
    m_registrations.Store(simcontent::MakeLogo(3, "LOGO3", 64, 16));
    MakeRegistered(3, 128);
    m_model.SetFault(SimFault::SlowErase);
    m_model.SetEraseDelay(24LL * 3600 * 1000);  // a day: without the stop, a day of waiting
    m_op.SetDefaultAnswer(true);
    StopAfter(m_op, *m_session, 40);

    const OperationOutcome cleared = m_session->OnAllClear();
    EXPECT_EQ(cleared.status, OperationStatus::Stopped);
    EXPECT_EQ(cleared.cause, TransactionStatus::Stopped);
    EXPECT_EQ(cleared.text, OperationText::AllClearFailed);
    EXPECT_LT(m_link->NowMs(), 10'000);  // ended at the stop, not when the erase was done
    EXPECT_EQ(ProgressLog().back(), "ShowCloseButton");
    EXPECT_EQ(ProgressLog()[ProgressLog().size() - 2],
              "SetMessage 登録データの削除に失敗しました。");
    EXPECT_EQ(m_session->m_items[3].m_state, ITEM_REGISTERED);  // the table is not touched
    EXPECT_FALSE(m_link->IsOpen());
    EXPECT_FALSE(m_session->IsBusy());

    // A stopped session does no more printer work, and says nothing about the port.
    const int opens = m_link->OpenCount();
    m_op.Clear();
    EXPECT_EQ(m_session->OnGetInfo().status, OperationStatus::Stopped);
    m_op.SetDefaultAnswer(true);
    const OperationOutcome deleted = m_session->OnClearIds({3});
    EXPECT_EQ(deleted.status, OperationStatus::Stopped);
    EXPECT_EQ(deleted.failedId, 3);
    EXPECT_EQ(m_link->OpenCount(), opens);
    EXPECT_TRUE(m_op.Messages().empty());
    EXPECT_EQ(m_session->m_items[3].m_state, ITEM_REGISTERED);
}

TEST_F(Stop, DownloadStoppedInTheDataFrameLeavesNothingBehind) {
    const auto a = MakeBitmap("a.bmp", 64, 64);
    for (int slot : {1, 2, 3}) EXPECT_TRUE(m_session->AddFile(a, slot));
    m_op.Clear();
    // The data frame pumps once per byte: stop in the middle of the first item's frame.
    StopAfter(m_op, *m_session, 300);

    const OperationOutcome sent = m_session->OnStartTransfer();
    EXPECT_EQ(sent.status, OperationStatus::Stopped);
    EXPECT_EQ(sent.failedId, 1);
    EXPECT_TRUE(sent.ids.empty());
    EXPECT_LT(m_op.PumpCount(), 400);  // the rest of the frame was not sent
    EXPECT_TRUE(m_registrations.Ids().empty());
    for (int slot : {1, 2, 3}) EXPECT_EQ(m_session->m_items[slot].m_state, ITEM_NEW);
    EXPECT_EQ(ProgressLog()[ProgressLog().size() - 2], "SetMessage データ送信に失敗しました。");
    EXPECT_TRUE(LeftoverTransferFiles().empty());
    EXPECT_FALSE(m_link->IsOpen());
}

TEST_F(Stop, AFollowedFlagStopsTheSessionToo) {
    CStopFlag processFlag;
    m_session->FollowStopFlag(processFlag);
    EXPECT_FALSE(m_session->StopRequested());
    processFlag.Request();
    EXPECT_TRUE(m_session->StopRequested());
    EXPECT_FALSE(m_session->OnGetInfo().Succeeded());
    EXPECT_EQ(m_link->OpenCount(), 0);
}

}  // namespace
