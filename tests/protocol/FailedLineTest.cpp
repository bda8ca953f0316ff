// A line that fails mid-transaction, and the wait for written bytes to leave the port.
#include <gtest/gtest.h>

#include "CScriptedLink.h"
#include "ProtocolTestSupport.h"
#include "protocol/CPrinterProtocol.h"
#include "tests/support/CRecordingOperator.h"

using namespace prototest;

namespace {

std::vector<std::string> Joined(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

}  // namespace

TEST(FailedLine, EndsTheWaitsThatWouldOtherwiseLastForever) {
    // After Proceed, deletions and overwrites wait for as long as the printer erases; with
    // the device gone there is nothing left to wait for.
    for (const bool all : {true, false}) {
        CScriptedLink link;
        CRecordingOperator op;
        CPrinterProtocol protocol(link, op);
        link.Reply(Status('B'));
        link.FailLineAfterReads(1);  // the printer vanishes while it erases
        EXPECT_EQ(all ? protocol.DeleteAllIds(kPort) : protocol.DeleteId(kPort, 4),
                  TransactionStatus::LineFailed);
        EXPECT_EQ(link.Reads().size(), 2u);
        EXPECT_EQ(link.PortEvents().back(), "close");
    }
    CScriptedLink link;
    CRecordingOperator op;
    op.SetDefaultAnswer(true);
    CPrinterProtocol protocol(link, op);
    CFontPT item = NewItem(3, 16, 2);
    link.Reply(Status('B'));
    link.FailLineAfterReads(1);
    EXPECT_EQ(protocol.DownloadData(kPort, TransferBytes(item), item, 3),
              TransactionStatus::LineFailed);
    EXPECT_EQ(link.Reads().size(), 2u);
    EXPECT_EQ(item.m_state, ITEM_NEW);
    EXPECT_FALSE(link.IsOpen());
}

TEST(FailedLine, StopRequestedBeforeATransactionKeepsThePortShut) {
    CScriptedLink link;
    CRecordingOperator op;
    CStopFlag stop;
    link.SetStopFlag(&stop);
    CPrinterProtocol protocol(link, op, &stop);
    stop.Request();
    CItemTable table;
    EXPECT_EQ(protocol.DeleteAllIds(kPort), TransactionStatus::Stopped);
    EXPECT_EQ(protocol.ReadRegistrations(kPort, table).status, InfoStatus::PortNotOpened);
    EXPECT_TRUE(link.PortEvents().empty());
    EXPECT_TRUE(op.Messages().empty());  // not a port that failed to open
}

TEST(DrainOutput, EveryFrameHasLeftBeforeItsReplyIsAwaited) {
    CScriptedLink link;
    CRecordingOperator op;
    CPrinterProtocol protocol(link, op);
    CFontPT item = NewItem(5, 16, 2);  // 2 x 2 bytes of pattern
    const auto data = TransferBytes(item);
    link.Reply(Status('A'))
        .Reply(Status('O'))
        .Reply(std::vector<std::uint8_t>{0x06})
        .Reply(Status('E'));
    ASSERT_TRUE(protocol.DownloadData(kPort, data, item, 5));
    std::vector<std::string> frame(data.size() + 2, "w1");
    EXPECT_EQ(link.Sequence(), Joined({{"w6", "w100", "w3", "d109", "r3", "w3", "d3", "r3"},
                                       frame,
                                       {"d" + std::to_string(data.size() + 2), "r1", "r3"}}));

    CScriptedLink infoLink;
    CPrinterProtocol info(infoLink, op);
    infoLink.Silence().Reply(Status('A'));  // answered after the resend
    CItemTable table;
    EXPECT_EQ(info.ReadRegistrations(kPort, table).status, InfoStatus::Complete);
    EXPECT_EQ(infoLink.Sequence(),
              (std::vector<std::string>{"w3", "d3", "r11", "w3", "d3", "r11"}));

    CScriptedLink deleteLink;
    CPrinterProtocol deleter(deleteLink, op);
    deleteLink.Reply(Status('B')).Reply(Status('E'));
    EXPECT_TRUE(deleter.DeleteId(kPort, 7));
    EXPECT_EQ(deleteLink.Sequence(),
              (std::vector<std::string>{"w9", "d9", "r3", "w3", "d3", "r3"}));
}

TEST(InformationReply, NeitherNothingNorRecordsIsAFailure) {
    for (const char middle : {'O', 'E', 'Z', '\0'}) {
        CScriptedLink link;
        CRecordingOperator op;
        CPrinterProtocol protocol(link, op);
        link.Reply(std::vector<std::uint8_t>{0x02, static_cast<std::uint8_t>(middle), '0', '0', '0',
                                             '0', '0', '1', '0', '0', 0x03});
        CItemTable table;
        table[4].m_state = ITEM_NEW;
        EXPECT_EQ(protocol.ReadRegistrations(kPort, table).status, InfoStatus::UnknownReply);
        EXPECT_EQ(table.CountInUse(), 0);     // cleared once the request went out
        EXPECT_EQ(link.Writes().size(), 1u);  // no Proceed
    }
}
