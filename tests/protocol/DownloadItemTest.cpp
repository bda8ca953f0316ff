// DownloadItem against a scripted printer: exact frames, replies and outcomes.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "CScriptedLink.h"
#include "ProtocolTestSupport.h"
#include "protocol/CPrinterProtocol.h"
#include "res/Texts.h"
#include "tests/support/CRecordingOperator.h"

using namespace prototest;
using Frame = std::vector<std::uint8_t>;

namespace {

const Frame kHead{0x02, 0x1B, 0x41, 0x1B, 0x46, 0x44};
const Frame kTail{0x1B, 0x5A, 0x03};
const Frame kProceed{0x02, 0x30, 0x03};
const Frame kDecline{0x02, 0x31, 0x03};

class DownloadItemTest : public testing::Test {
  protected:
    DownloadItemTest() : m_item(NewItem(7, 20, 3)), m_data(TransferBytes(m_item)) {}

    TransactionResult Download(int previewSlot = 7) {
        CPrinterProtocol protocol(m_link, m_op);
        return protocol.DownloadData(kPort, m_data, m_item, previewSlot);
    }
    // The writes of a request: head, record, tail, each as one write.
    void ExpectRequest() {
        ASSERT_GE(m_link.Writes().size(), 3u);
        EXPECT_EQ(m_link.Writes()[0], kHead);
        EXPECT_EQ(m_link.Writes()[1], Frame(m_item.m_header.begin(), m_item.m_header.end()));
        EXPECT_EQ(m_link.Writes()[2], kTail);
    }
    // The data frame from write `first` on: STX, each byte alone, ETX.
    void ExpectDataFrame(std::size_t first) {
        const auto& writes = m_link.Writes();
        ASSERT_EQ(writes.size(), first + m_data.size() + 2);
        EXPECT_EQ(writes[first], Frame{0x02});
        for (std::size_t i = 0; i < m_data.size(); ++i) {
            ASSERT_EQ(writes[first + 1 + i], Frame{m_data[i]}) << "data byte " << i;
        }
        EXPECT_EQ(writes.back(), Frame{0x03});
    }
    void ExpectClosedOnce() {
        EXPECT_FALSE(m_link.IsOpen());
        EXPECT_EQ(m_link.PortEvents(),
                  (std::vector<std::string>{"open " + kPort, "configure", "close"}));
    }

    CScriptedLink m_link;
    CRecordingOperator m_op;
    CFontPT m_item;
    Frame m_data;
};

}  // namespace

TEST_F(DownloadItemTest, FreeIdRegisters) {
    m_link.Reply(Status('A')).Reply(Status('O')).Reply(Frame{0x06}).Reply(Status('E'));
    EXPECT_TRUE(Download());
    EXPECT_EQ(m_item.m_state, ITEM_REGISTERED);
    ExpectRequest();
    EXPECT_EQ(m_link.Writes()[3], kProceed);
    ExpectDataFrame(4);
    EXPECT_EQ(m_link.Reads(), (std::vector<std::size_t>{3, 3, 1, 3}));
    EXPECT_TRUE(m_op.Questions().empty());
    EXPECT_GE(m_op.PumpCount(), static_cast<int>(m_data.size()));  // once per data byte
    ExpectClosedOnce();
}

TEST_F(DownloadItemTest, FreeIdThenSilenceAfterProceedFailsAfterOneRead) {
    m_link.Reply(Status('A')).Silence(5).Reply(Status('O'));
    EXPECT_EQ(Download(), TransactionStatus::NoAnswer);
    EXPECT_EQ(m_item.m_state, ITEM_NEW);
    EXPECT_EQ(m_link.Reads(), (std::vector<std::size_t>{3, 3}));
    EXPECT_EQ(m_link.Writes().size(), 4u);  // request and Proceed; no data frame
    ExpectClosedOnce();
}

TEST_F(DownloadItemTest, OccupiedIdAndConsentKeepsWaitingAndPumpingUntilReady) {
    m_op.QueueAnswer(true);
    m_link.Reply(Status('B')).Silence(6).Reply(Status('O')).Reply(Frame{0x06}).Reply(Status('E'));
    EXPECT_TRUE(Download(12));
    EXPECT_EQ(m_item.m_state, ITEM_REGISTERED);
    EXPECT_EQ(m_link.Reads(), (std::vector<std::size_t>{3, 3, 3, 3, 3, 3, 3, 3, 1, 3}));
    EXPECT_EQ(m_link.IdleCalls(), 6);
    ASSERT_EQ(m_op.Questions().size(), 1u);
    const auto& question = m_op.Questions()[0];
    EXPECT_EQ(question.caption, "確認");
    EXPECT_EQ(question.text, "ID12は既にプリンタにデータが登録されています。\r\n上書きしますか？");
    EXPECT_EQ(question.icon, MessageIcon::Exclamation);
    EXPECT_EQ(m_link.Writes()[3], kProceed);
    ExpectDataFrame(4);
    ExpectClosedOnce();
}

TEST_F(DownloadItemTest, OccupiedIdDeclinedCountsAsSuccessAndLeavesTheItemNew) {
    m_item.m_state = ITEM_REGISTERED;  // whatever it was, a declined item waits again
    m_op.QueueAnswer(false);
    m_link.Reply(Status('B')).Reply(Status('x'));
    EXPECT_EQ(Download(3), TransactionStatus::Declined);
    EXPECT_EQ(m_item.m_state, ITEM_NEW);
    ExpectRequest();
    ASSERT_EQ(m_link.Writes().size(), 4u);
    EXPECT_EQ(m_link.Writes()[3], kDecline);
    EXPECT_EQ(m_link.Reads().size(), 2u);  // the status, then one ignored reply
    EXPECT_EQ(m_op.Questions().at(0).text,
              "ID03は既にプリンタにデータが登録されています。\r\n上書きしますか？");
    ExpectClosedOnce();
}

TEST_F(DownloadItemTest, UnexpectedOrMissingRepliesFail) {
    struct Case {
        const char* name;
        std::vector<Frame> replies;  // empty frame = silence
        std::size_t reads;
        TransactionStatus status;
    };
    constexpr TransactionStatus kSilent = TransactionStatus::NoAnswer;
    constexpr TransactionStatus kWrong = TransactionStatus::UnexpectedReply;
    const std::vector<Case> cases = {
        {"no status", {}, 1, kSilent},
        {"status 'O'", {Status('O')}, 1, kWrong},
        {"short status", {Frame{0x02}}, 1, kWrong},
        {"'A' then not ready", {Status('A'), Status('E')}, 2, kWrong},
        {"'A' then silence", {Status('A'), {}}, 2, kSilent},
        {"no ACK", {Status('A'), Status('O'), {}}, 3, kSilent},
        {"NAK", {Status('A'), Status('O'), Frame{0x15}}, 3, kWrong},
        {"ACK but no status", {Status('A'), Status('O'), Frame{0x06}, {}}, 4, kSilent},
        {"ACK but not done", {Status('A'), Status('O'), Frame{0x06}, Status('O')}, 4, kWrong},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CScriptedLink link;
        CRecordingOperator op;
        for (const auto& reply : c.replies) {
            if (reply.empty()) {
                link.Silence();
            } else {
                link.Reply(reply);
            }
        }
        CFontPT item = NewItem(7, 20, 3);
        CPrinterProtocol protocol(link, op);
        EXPECT_EQ(protocol.DownloadData(kPort, m_data, item, 7), c.status);
        EXPECT_EQ(item.m_state, ITEM_NEW);
        EXPECT_EQ(link.Reads().size(), c.reads);
        EXPECT_FALSE(link.IsOpen());
        EXPECT_EQ(link.PortEvents().back(), "close");
        EXPECT_TRUE(op.Messages().empty());
    }
}

TEST_F(DownloadItemTest, PortThatCannotBeOpenedShowsMessage500AndSendsNothing) {
    m_link.SetOpenFails(true);
    EXPECT_EQ(Download(), TransactionStatus::PortNotOpened);
    EXPECT_TRUE(m_link.Writes().empty());
    EXPECT_EQ(m_link.PortEvents(), (std::vector<std::string>{"open " + kPort}));
    ASSERT_EQ(m_op.Messages().size(), 1u);
    EXPECT_EQ(m_op.Messages()[0].caption, "エラー");
    EXPECT_EQ(m_op.Messages()[0].text,
              "COMﾎﾟｰﾄをｵｰﾌﾟﾝできませんでした。\n他のｿﾌﾄｳｪｱによりCOMﾎﾟｰﾄが使用されている場合"
              "は、そのｿﾌﾄｳｪｱを終了させてください。");
    EXPECT_EQ(m_op.Messages()[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(m_item.m_state, ITEM_NEW);
}

TEST_F(DownloadItemTest, TransferFileIsSentAsItStands) {
    const auto path =
        std::filesystem::temp_directory_path() / ("stampix-transfer-" + std::to_string(getpid()));
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(m_data.data()),
               static_cast<std::streamsize>(m_data.size()));
    m_link.Reply(Status('A')).Reply(Status('O')).Reply(Frame{0x06}).Reply(Status('E'));
    std::vector<std::size_t> progress;
    CPrinterProtocol protocol(m_link, m_op);
    EXPECT_TRUE(
        protocol.DownloadItem(kPort, path, m_item, 7, [&](std::size_t sent, std::size_t total) {
            EXPECT_EQ(total, m_data.size());
            progress.push_back(sent);
        }));
    std::filesystem::remove(path);
    ExpectDataFrame(4);
    ASSERT_EQ(progress.size(), m_data.size());
    EXPECT_EQ(progress.front(), 1u);
    EXPECT_EQ(progress.back(), m_data.size());
}

TEST_F(DownloadItemTest, MissingTransferFileFailsQuietlyWithoutOpeningThePort) {
    CPrinterProtocol protocol(m_link, m_op);
    EXPECT_EQ(protocol.DownloadItem(kPort, "/nonexistent/QUIL7", m_item, 7),
              TransactionStatus::NoTransferFile);
    EXPECT_TRUE(m_link.PortEvents().empty());
    EXPECT_TRUE(m_op.Messages().empty());
    EXPECT_EQ(m_item.m_state, ITEM_NEW);
}
