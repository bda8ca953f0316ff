// The information exchange against a scripted printer.
#include <gtest/gtest.h>

#include "CScriptedLink.h"
#include "ProtocolTestSupport.h"
#include "protocol/CPrinterProtocol.h"
#include "tests/support/CRecordingOperator.h"

using namespace prototest;
using Frame = std::vector<std::uint8_t>;

namespace {

const Frame kRequest{0x01, 0x46, 0x47};
const Frame kProceed{0x02, 0x30, 0x03};
const Frame kStx{0x02};
const Frame kEtx{0x03};

Frame Entry(std::uint8_t a, std::uint8_t b) { return {a, b, 0x10, 0x11, 0x12, 0x13}; }

std::string Digits(std::size_t n) {
    char text[16];
    std::snprintf(text, sizeof text, "%08zu", n);
    return text;
}

class ReadRegistrationsTest : public testing::Test {
  protected:
    ReadRegistrationsTest() {
        // Something that must be gone after any exchange that sent its request.
        m_table[40].m_state = ITEM_NEW;
        m_table[40].m_name = "waiting";
    }

    InfoResult Run() {
        CPrinterProtocol protocol(m_link, m_op);
        InfoCallbacks callbacks;
        callbacks.onRequestSent = [this] {
            ++m_requestSentCalls;
            // The table is cleared after this call, not before.
            EXPECT_EQ(m_table[40].m_state, ITEM_NEW);
        };
        callbacks.onProgress = [this](std::int64_t total, std::int64_t consumed) {
            m_progress.emplace_back(total, consumed);
        };
        return protocol.ReadRegistrations(kPort, m_table, callbacks);
    }
    void ExpectClosed() {
        EXPECT_FALSE(m_link.IsOpen());
        EXPECT_EQ(m_link.PortEvents(),
                  (std::vector<std::string>{"open " + kPort, "configure", "close"}));
    }
    int InUse() const { return m_table.CountInUse(); }

    CScriptedLink m_link;
    CRecordingOperator m_op;
    CItemTable m_table;
    int m_requestSentCalls = 0;
    std::vector<std::pair<std::int64_t, std::int64_t>> m_progress;
};

}  // namespace

TEST_F(ReadRegistrationsTest, NothingRegistered) {
    m_link.Reply(InfoReply('A', "00000000"));
    const InfoResult result = Run();
    EXPECT_EQ(result.status, InfoStatus::Complete);
    EXPECT_EQ(result.recordsStored, 0);
    EXPECT_EQ(m_link.Writes(), std::vector<Frame>{kRequest});  // no Proceed
    EXPECT_EQ(m_link.Reads(), std::vector<std::size_t>{11});
    EXPECT_EQ(m_requestSentCalls, 1);
    EXPECT_EQ(InUse(), 0);
    ExpectClosed();
}

TEST_F(ReadRegistrationsTest, UnansweredRequestIsSentExactlyTwice) {
    m_link.Silence(2).Reply(InfoReply('A', "00000000"));
    EXPECT_EQ(Run().status, InfoStatus::NoAnswer);
    EXPECT_EQ(m_link.Writes(), (std::vector<Frame>{kRequest, kRequest}));
    EXPECT_EQ(m_link.Reads(), (std::vector<std::size_t>{11, 11}));
    EXPECT_EQ(InUse(), 0);
    ExpectClosed();
}

TEST_F(ReadRegistrationsTest, EmptyStreamStillChecksStxAndEtx) {
    m_link.Reply(InfoReply('B', "00000000")).Reply(kStx).Reply(kEtx);
    EXPECT_EQ(Run().status, InfoStatus::Complete);
    EXPECT_EQ(m_link.Writes(), (std::vector<Frame>{kRequest, kProceed}));
    EXPECT_EQ(m_link.Reads(), (std::vector<std::size_t>{11, 1, 1}));
    ExpectClosed();
}

TEST_F(ReadRegistrationsTest, RecordWithThreePatternsIsFollowedByEighteenEntryBytes) {
    Frame record = Record("17", "FONT", 32, 3);
    record[48] = '0';
    record[49] = '0';
    record[50] = '2';
    record[51] = '4';
    m_link.Reply(InfoReply('B', Digits(118))).Reply(kStx).Reply(record);
    m_link.Reply(Entry(0x42, 0x30)).Reply(Entry(0x44, 0x30)).Reply(Entry(0x46, 0x30));
    m_link.Reply(kEtx);
    const InfoResult result = Run();
    EXPECT_EQ(result.status, InfoStatus::Complete);
    EXPECT_EQ(result.recordsStored, 1);
    EXPECT_EQ(m_link.Reads(), (std::vector<std::size_t>{11, 1, 100, 6, 6, 6, 1}));
    EXPECT_EQ(m_progress,
              (std::vector<std::pair<std::int64_t, std::int64_t>>{{118, 18}, {118, 118}}));
    const CFontPT& slot = m_table[17];
    EXPECT_EQ(slot.m_state, ITEM_REGISTERED);
    EXPECT_EQ(slot.m_id, 17);
    EXPECT_EQ(slot.m_name, "FONT");
    EXPECT_EQ(slot.m_fontSize, 24);
    EXPECT_EQ(slot.m_patternCount, 3);
    EXPECT_EQ(slot.m_totalSize, 96);
    EXPECT_TRUE(slot.m_sourcePath.empty());
    EXPECT_EQ(Frame(slot.m_entries.begin(), slot.m_entries.begin() + 18),
              (Frame{0x42, 0x30, 0x10, 0x11, 0x12, 0x13, 0x44, 0x30, 0x10, 0x11, 0x12, 0x13, 0x46,
                     0x30, 0x10, 0x11, 0x12, 0x13}));
    EXPECT_EQ(Frame(slot.m_header.begin(), slot.m_header.end()), record);
    EXPECT_EQ(InUse(), 1);  // the waiting item 40 is gone
    ExpectClosed();
}

TEST_F(ReadRegistrationsTest, TwoRegistrationsFillTheirSlots) {
    m_link.Reply(InfoReply('B', Digits(212))).Reply(kStx);
    m_link.Reply(Record("03", "A", 10, 1)).Reply(Entry(0x6B, 0x82));
    m_link.Reply(Record("17", "B", 20, 1)).Reply(Entry(0x6B, 0x82));
    m_link.Reply(kEtx);
    EXPECT_EQ(Run().status, InfoStatus::Complete);
    EXPECT_EQ(InUse(), 2);
    EXPECT_EQ(m_table[3].m_state, ITEM_REGISTERED);
    EXPECT_EQ(m_table[17].m_state, ITEM_REGISTERED);
    EXPECT_EQ(m_table[3].m_totalSize, 10);
}

TEST_F(ReadRegistrationsTest, LineFallingSilentEndsTheStreamAndKeepsWhatArrived) {
    m_link.Reply(InfoReply('B', Digits(212))).Reply(kStx);
    m_link.Reply(Record("03", "A", 10, 1)).Reply(Entry(0x6B, 0x82));
    m_link.Silence(100);
    const InfoResult result = Run();
    EXPECT_EQ(result.status, InfoStatus::Broken);
    EXPECT_EQ(result.recordsStored, 1);
    EXPECT_EQ(m_link.Reads().size(), 5u);  // one silent read ends it
    EXPECT_EQ(m_table[3].m_state, ITEM_REGISTERED);
    EXPECT_EQ(InUse(), 1);
    ExpectClosed();
}

TEST_F(ReadRegistrationsTest, ShortRecordOrEntryIsNotStored) {
    for (const bool shortEntry : {false, true}) {
        SCOPED_TRACE(shortEntry ? "short entry" : "short record");
        CScriptedLink link;
        CRecordingOperator op;
        CItemTable table;
        link.Reply(InfoReply('B', Digits(106))).Reply(kStx);
        Frame record = Record("05", "X", 10, 1);
        if (shortEntry) {
            link.Reply(record).Reply(Frame{0x6B, 0x82});
        } else {
            record.resize(60);
            link.Reply(record);
        }
        CPrinterProtocol protocol(link, op);
        const InfoResult result = protocol.ReadRegistrations(kPort, table);
        EXPECT_EQ(result.status, InfoStatus::Broken);
        EXPECT_EQ(table[5].m_state, ITEM_UNREGISTERED);
        EXPECT_EQ(table.CountInUse(), 0);
    }
}

TEST_F(ReadRegistrationsTest, RecordsWithBadIdOrTooManyPatternsAreReadOffButNotStored) {
    const std::uint32_t tooMany = 5001;
    const std::size_t total = 100 + 6 + 100 + 6 * tooMany + 100 + 6;
    m_link.Reply(InfoReply('B', Digits(total))).Reply(kStx);
    m_link.Reply(Record("A1", "BADID", 10, 1)).Reply(Entry(0x6B, 0x82));
    m_link.Reply(Record("08", "HUGE", 2, tooMany));
    for (std::uint32_t i = 0; i < tooMany; ++i) m_link.Reply(Entry(0x20, 0x00));
    m_link.Reply(Record("09", "GOOD", 10, 1)).Reply(Entry(0x6B, 0x82)).Reply(kEtx);
    const InfoResult result = Run();
    EXPECT_EQ(result.status, InfoStatus::Complete);
    EXPECT_EQ(result.recordsStored, 1);
    EXPECT_EQ(result.recordsSkipped, 2);
    EXPECT_TRUE(m_link.ScriptDone());  // everything was read off the line, in step
    EXPECT_EQ(m_table[8].m_state, ITEM_UNREGISTERED);
    EXPECT_EQ(m_table[9].m_state, ITEM_REGISTERED);
    EXPECT_EQ(m_table[9].m_name, "GOOD");
    EXPECT_EQ(InUse(), 1);
}

TEST_F(ReadRegistrationsTest, PatternCountBeyondTheAnnouncedLengthBreaksTheStream) {
    m_link.Reply(InfoReply('B', Digits(106))).Reply(kStx);
    m_link.Reply(Record("04", "LIAR", 10, 0xFFFFFFFFu));
    const InfoResult result = Run();
    EXPECT_EQ(result.status, InfoStatus::Broken);
    EXPECT_EQ(m_link.Reads(), (std::vector<std::size_t>{11, 1, 100}));
    EXPECT_EQ(InUse(), 0);
}

TEST_F(ReadRegistrationsTest, MissingStxOrEtxBreaksTheStream) {
    {
        CScriptedLink link;
        CRecordingOperator op;
        CItemTable table;
        link.Reply(InfoReply('B', Digits(106))).Reply(Frame{0x30});
        CPrinterProtocol protocol(link, op);
        EXPECT_EQ(protocol.ReadRegistrations(kPort, table).status, InfoStatus::Broken);
        EXPECT_EQ(link.Reads(), (std::vector<std::size_t>{11, 1}));
    }
    m_link.Reply(InfoReply('B', Digits(106))).Reply(kStx);
    m_link.Reply(Record("03", "A", 10, 1)).Reply(Entry(0x6B, 0x82)).Reply(Frame{0x00});
    EXPECT_EQ(Run().status, InfoStatus::Broken);
    EXPECT_EQ(m_table[3].m_state, ITEM_REGISTERED);  // kept
    ExpectClosed();
}

TEST_F(ReadRegistrationsTest, LengthThatIsNotEightDigitsBreaksTheStreamBeforeProceed) {
    m_link.Reply(InfoReply('B', "0000010x"));
    EXPECT_EQ(Run().status, InfoStatus::Broken);
    EXPECT_EQ(m_link.Writes(), std::vector<Frame>{kRequest});
}

TEST_F(ReadRegistrationsTest, UnknownAnswerIsAFailureWithNoRecords) {
    m_link.Reply(InfoReply('X', "00000100"));
    EXPECT_EQ(Run().status, InfoStatus::UnknownReply);
    EXPECT_EQ(m_link.Writes(), std::vector<Frame>{kRequest});
    EXPECT_EQ(InUse(), 0);
}

TEST_F(ReadRegistrationsTest, PortThatCannotBeOpenedLeavesTheTable) {
    m_link.SetOpenFails(true);
    const InfoResult result = Run();
    EXPECT_EQ(result.status, InfoStatus::PortNotOpened);
    EXPECT_EQ(m_requestSentCalls, 0);
    EXPECT_EQ(m_table[40].m_state, ITEM_NEW);
    EXPECT_EQ(m_op.Messages().size(), 1u);
}
