// DeleteId and DeleteAllIds against a scripted printer.
#include <gtest/gtest.h>

#include "CScriptedLink.h"
#include "ProtocolTestSupport.h"
#include "protocol/CPrinterProtocol.h"
#include "tests/support/CRecordingOperator.h"

using namespace prototest;
using Frame = std::vector<std::uint8_t>;

namespace {

const Frame kDeleteId7{0x1B, 0x41, 0x1B, 0x46, 0x43, 0x30, 0x37, 0x1B, 0x5A};
const Frame kDeleteAll{0x1B, 0x41, 0x1B, 0x2A, 0x46, 0x1B, 0x5A};
const Frame kProceed{0x02, 0x30, 0x03};

struct Outcome {
    TransactionResult result;
    std::vector<Frame> writes;
    std::vector<std::size_t> reads;
    int idleCalls;
    std::vector<std::string> portEvents;
};

// Runs one deletion (id < 0: delete all) against `link`.
Outcome RunDelete(CScriptedLink& link, int id) {
    CRecordingOperator op;
    CPrinterProtocol protocol(link, op);
    const TransactionResult result =
        id < 0 ? protocol.DeleteAllIds(kPort) : protocol.DeleteId(kPort, id);
    return {result, link.Writes(), link.Reads(), link.IdleCalls(), link.PortEvents()};
}

const std::vector<std::string> kOpenedAndClosed{"open " + kPort, "configure", "close"};

}  // namespace

TEST(DeleteId, IdSevenSendsItsFrameAndNothingRegisteredIsSuccess) {
    CScriptedLink link;
    link.Reply(Status('A'));
    const Outcome out = RunDelete(link, 7);
    EXPECT_TRUE(out.result);
    EXPECT_EQ(out.writes, std::vector<Frame>{kDeleteId7});  // no Proceed
    EXPECT_EQ(out.reads, std::vector<std::size_t>{3});
    EXPECT_EQ(out.portEvents, kOpenedAndClosed);
}

TEST(DeleteId, IdsAreTwoDigits) {
    for (const auto& [id, d1, d2] :
         {std::tuple{0, '0', '0'}, {9, '0', '9'}, {42, '4', '2'}, {99, '9', '9'}}) {
        CScriptedLink link;
        link.Reply(Status('A'));
        const Outcome out = RunDelete(link, id);
        ASSERT_EQ(out.writes.size(), 1u);
        EXPECT_EQ(out.writes[0], (Frame{0x1B, 0x41, 0x1B, 0x46, 0x43, static_cast<std::uint8_t>(d1),
                                        static_cast<std::uint8_t>(d2), 0x1B, 0x5A}));
    }
}

TEST(DeleteId, IdsOutsideTheTableFailWithoutTouchingThePort) {
    for (int id : {-1, 100, 1000}) {
        CScriptedLink link;
        CRecordingOperator op;
        CPrinterProtocol protocol(link, op);
        EXPECT_EQ(protocol.DeleteId(kPort, id), TransactionStatus::InvalidId);
        EXPECT_TRUE(link.PortEvents().empty());
    }
}

TEST(DeleteId, PresentDataIsConfirmedWithProceed) {
    CScriptedLink link;
    link.Reply(Status('B')).Reply(Status('E'));
    const Outcome out = RunDelete(link, 7);
    EXPECT_TRUE(out.result);
    EXPECT_EQ(out.writes, (std::vector<Frame>{kDeleteId7, kProceed}));
    EXPECT_EQ(out.reads, (std::vector<std::size_t>{3, 3}));
    EXPECT_EQ(out.portEvents, kOpenedAndClosed);
}

TEST(DeleteId, ErasingPrinterIsWaitedForWhileTheDisplayIsPumped) {
    CScriptedLink link;
    link.Reply(Status('B')).Silence(8).Reply(Status('E'));
    const Outcome out = RunDelete(link, 7);
    EXPECT_TRUE(out.result);
    EXPECT_EQ(out.reads.size(), 10u);
    EXPECT_EQ(out.idleCalls, 8);
    EXPECT_EQ(out.writes, (std::vector<Frame>{kDeleteId7, kProceed}));  // no resend
}

TEST(DeleteId, WrongAnswersFail) {
    const std::vector<std::pair<std::vector<Frame>, TransactionStatus>> cases = {
        {{Status('E')}, TransactionStatus::UnexpectedReply},
        {{Status('B'), Status('O')}, TransactionStatus::UnexpectedReply},
        {{Frame{0x02}}, TransactionStatus::UnexpectedReply},
        {{Status('B'), Frame{0x02}}, TransactionStatus::UnexpectedReply},
    };
    for (const auto& [replies, status] : cases) {
        CScriptedLink link;
        for (const auto& reply : replies) link.Reply(reply);
        const Outcome out = RunDelete(link, 7);
        EXPECT_EQ(out.result, status);
        EXPECT_EQ(out.portEvents, kOpenedAndClosed);
    }
}

TEST(DeleteId, UnansweredRequestIsSentExactlyTwice) {
    CScriptedLink link;
    link.Silence(2).Reply(Status('A'));
    const Outcome out = RunDelete(link, 7);
    EXPECT_EQ(out.result, TransactionStatus::NoAnswer);
    EXPECT_EQ(out.writes, (std::vector<Frame>{kDeleteId7, kDeleteId7}));
    EXPECT_EQ(out.reads, (std::vector<std::size_t>{3, 3}));
    EXPECT_EQ(out.portEvents, kOpenedAndClosed);
}

TEST(DeleteId, AnswerToTheResendCounts) {
    CScriptedLink link;
    link.Silence(1).Reply(Status('B')).Reply(Status('E'));
    const Outcome out = RunDelete(link, 7);
    EXPECT_TRUE(out.result);
    EXPECT_EQ(out.writes, (std::vector<Frame>{kDeleteId7, kDeleteId7, kProceed}));
}

TEST(DeleteAllIds, FrameAndDialogue) {
    {
        CScriptedLink link;
        link.Reply(Status('A'));
        const Outcome out = RunDelete(link, -1);
        EXPECT_TRUE(out.result);
        EXPECT_EQ(out.writes, std::vector<Frame>{kDeleteAll});
    }
    {
        CScriptedLink link;
        link.Reply(Status('B')).Silence(3).Reply(Status('E'));
        const Outcome out = RunDelete(link, -1);
        EXPECT_TRUE(out.result);
        EXPECT_EQ(out.writes, (std::vector<Frame>{kDeleteAll, kProceed}));
        EXPECT_EQ(out.reads.size(), 5u);
    }
    {
        CScriptedLink link;
        link.Silence(2);
        const Outcome out = RunDelete(link, -1);
        EXPECT_FALSE(out.result);
        EXPECT_EQ(out.writes, (std::vector<Frame>{kDeleteAll, kDeleteAll}));
        EXPECT_EQ(out.portEvents, kOpenedAndClosed);
    }
}

TEST(DeleteAllIds, PortThatCannotBeOpenedShowsTheMessage) {
    CScriptedLink link;
    link.SetOpenFails(true);
    CRecordingOperator op;
    CPrinterProtocol protocol(link, op);
    EXPECT_EQ(protocol.DeleteAllIds(kPort), TransactionStatus::PortNotOpened);
    EXPECT_TRUE(link.Writes().empty());
    ASSERT_EQ(op.Messages().size(), 1u);
    EXPECT_EQ(op.Messages()[0].caption, "エラー");
    EXPECT_EQ(link.PortEvents(), std::vector<std::string>{"open " + kPort});
}
