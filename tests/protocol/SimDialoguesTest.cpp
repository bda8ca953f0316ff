// Every transaction against the virtual printer in process (virtual time).
#include <gtest/gtest.h>

#include "ProtocolTestSupport.h"
#include "protocol/CPrinterProtocol.h"
#include "sim/CPrinterModel.h"
#include "sim/CSimLink.h"
#include "sim/SimContent.h"
#include "tests/support/CRecordingOperator.h"

using namespace prototest;

namespace {

class SimDialoguesTest : public testing::Test {
  protected:
    SimDialoguesTest() : m_model(m_registrations), m_link(m_model), m_protocol(m_link, m_op) {}

    TransactionResult Download(CFontPT& item) {
        return m_protocol.DownloadData(kPort, TransferBytes(item), item, item.m_id);
    }

    CSimRegistrations m_registrations;
    CPrinterModel m_model;
    CSimLink m_link;
    CRecordingOperator m_op;
    CPrinterProtocol m_protocol;
};

}  // namespace

TEST_F(SimDialoguesTest, DownloadStoresRecordDataAndEntry) {
    CFontPT item = NewItem(7, 300, 120);
    ASSERT_TRUE(Download(item));
    EXPECT_EQ(item.m_state, ITEM_REGISTERED);
    EXPECT_FALSE(m_link.IsOpen());
    const SimRegistration* stored = m_registrations.Find(7);
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->record, item.m_header);
    EXPECT_EQ(stored->data, TransferBytes(item));
    EXPECT_EQ(stored->entries, (std::vector<std::uint8_t>{0x6B, 0x82, 0, 0, 0x01, 0x2C}));
    EXPECT_EQ(m_registrations.MemoryUsed(), 38 * 120 + 10);  // 4560 (0x11D0) and its prefix
}

TEST_F(SimDialoguesTest, OverwriteAskedDeclinedThenAccepted) {
    CFontPT first = NewItem(4, 16, 2);
    ASSERT_TRUE(Download(first));
    CFontPT second = NewItem(4, 32, 4);
    m_op.QueueAnswer(false);
    EXPECT_TRUE(Download(second));
    EXPECT_EQ(second.m_state, ITEM_NEW);
    EXPECT_EQ(m_registrations.Find(4)->data, TransferBytes(first));
    m_op.QueueAnswer(true);
    EXPECT_TRUE(Download(second));
    EXPECT_EQ(second.m_state, ITEM_REGISTERED);
    EXPECT_EQ(m_registrations.Find(4)->data, TransferBytes(second));
    EXPECT_EQ(m_op.Questions().size(), 2u);
}

TEST_F(SimDialoguesTest, SlowEraseKeepsTheOverwriteWaitingAndPumping) {
    CFontPT first = NewItem(4, 16, 2);
    ASSERT_TRUE(Download(first));
    m_model.SetFault(SimFault::SlowErase);
    m_model.SetEraseDelay(20000);
    m_op.QueueAnswer(true);
    const int pumpsBefore = m_op.PumpCount();
    const std::int64_t start = m_link.NowMs();
    CFontPT second = NewItem(4, 16, 2);
    EXPECT_TRUE(Download(second));
    EXPECT_GE(m_link.NowMs() - start, 20000);
    // 20 s of waiting, pumped every 25 ms and between reads, besides the per-byte pumps.
    EXPECT_GE(m_op.PumpCount() - pumpsBefore, 800);
}

TEST_F(SimDialoguesTest, SlowEraseAfterFreeIdIsNotWaitedFor) {
    m_model.SetFault(SimFault::SlowErase);
    CFontPT item = NewItem(4, 16, 2);
    EXPECT_TRUE(Download(item));  // nothing to erase: no delay
    m_model.SetFault(SimFault::Silence);
    CFontPT again = NewItem(5, 16, 2);
    EXPECT_FALSE(Download(again));
    EXPECT_EQ(m_link.ReadSizes().back(), 3u);
}

TEST_F(SimDialoguesTest, DeleteOneAndDeleteAll) {
    simcontent::PreloadDemo(m_registrations);
    EXPECT_TRUE(m_protocol.DeleteId(kPort, 2));
    EXPECT_FALSE(m_registrations.Contains(2));
    EXPECT_TRUE(m_protocol.DeleteId(kPort, 2));  // nothing there: success all the same
    EXPECT_TRUE(m_registrations.Contains(1));
    EXPECT_TRUE(m_protocol.DeleteAllIds(kPort));
    EXPECT_TRUE(m_registrations.Empty());
    EXPECT_TRUE(m_protocol.DeleteAllIds(kPort));
    EXPECT_EQ(m_link.OpenCount(), 4);
    EXPECT_EQ(m_link.CloseCount(), 4);
}

TEST_F(SimDialoguesTest, SlowEraseOnDeleteIsWaitedFor) {
    simcontent::PreloadDemo(m_registrations);
    m_model.SetFault(SimFault::SlowErase);
    const std::int64_t start = m_link.NowMs();
    EXPECT_TRUE(m_protocol.DeleteAllIds(kPort));
    EXPECT_GE(m_link.NowMs() - start, CPrinterModel::kDefaultEraseDelayMs);
    EXPECT_TRUE(m_registrations.Empty());
}

TEST_F(SimDialoguesTest, InformationOfTheDemoPrinter) {
    simcontent::PreloadDemo(m_registrations);
    CItemTable table;
    std::int64_t lastTotal = 0;
    std::int64_t lastConsumed = 0;
    InfoCallbacks callbacks;
    callbacks.onProgress = [&](std::int64_t total, std::int64_t consumed) {
        lastTotal = total;
        lastConsumed = consumed;
    };
    const InfoResult result = m_protocol.ReadRegistrations(kPort, table, callbacks);
    EXPECT_EQ(result.status, InfoStatus::Complete);
    EXPECT_EQ(result.recordsStored, 4);
    EXPECT_EQ(lastConsumed, lastTotal);
    EXPECT_EQ(lastTotal, static_cast<std::int64_t>(m_registrations.Stream().size()));
    for (int id : {1, 2, 5, 10}) EXPECT_EQ(table[id].m_state, ITEM_REGISTERED) << id;
    EXPECT_EQ(table.CountInUse(), 4);
    EXPECT_EQ(table[1].m_width, 240);
    EXPECT_EQ(table[1].m_entries[0], 0x6B);
    EXPECT_EQ(table[1].m_entries[1], 0x82);
    const CFontPT& font = table[10];
    EXPECT_EQ(font.m_patternCount, 93);
    EXPECT_EQ(font.m_fontSize, 24);
    EXPECT_EQ(font.m_weight, 700);
    EXPECT_EQ(font.m_entries[0], 0x41);  // U+3041, low byte first
    EXPECT_EQ(font.m_entries[1], 0x30);
}

TEST_F(SimDialoguesTest, RoundTripOfADownloadThroughInformation) {
    CFontPT item = NewItem(33, 70, 9);
    ASSERT_TRUE(Download(item));
    CItemTable table;
    ASSERT_EQ(m_protocol.ReadRegistrations(kPort, table).status, InfoStatus::Complete);
    EXPECT_EQ(table[33].m_header, item.m_header);
    EXPECT_EQ(table[33].m_width, 70);
    EXPECT_EQ(table[33].m_patternSize, 9 * 9);
    EXPECT_EQ(table.CountInUse(), 1);
}

TEST_F(SimDialoguesTest, FaultsFailTheTransactions) {
    simcontent::PreloadDemo(m_registrations);
    CItemTable table;
    const auto info = [&] { return m_protocol.ReadRegistrations(kPort, table).status; };

    m_model.SetFault(SimFault::Silence);
    EXPECT_EQ(info(), InfoStatus::NoAnswer);
    EXPECT_FALSE(m_protocol.DeleteId(kPort, 1));
    CFontPT item = NewItem(20, 16, 2);
    EXPECT_FALSE(Download(item));

    m_model.SetFault(SimFault::Garbage);
    EXPECT_EQ(info(), InfoStatus::UnknownReply);  // not an answer: a failure, no records
    EXPECT_EQ(table.CountInUse(), 0);
    EXPECT_FALSE(m_protocol.DeleteId(kPort, 1));
    EXPECT_FALSE(Download(item));

    m_model.SetFault(SimFault::ShortReply);
    EXPECT_FALSE(m_protocol.DeleteId(kPort, 1));
    EXPECT_FALSE(Download(item));

    m_model.SetFault(SimFault::NoStx);
    EXPECT_EQ(info(), InfoStatus::Broken);
    EXPECT_EQ(table.CountInUse(), 0);

    m_model.SetFault(SimFault::NoEtx);
    EXPECT_EQ(info(), InfoStatus::Broken);
    EXPECT_EQ(table.CountInUse(), 4);  // every record arrived

    m_model.SetFault(SimFault::Stall);
    EXPECT_EQ(info(), InfoStatus::Broken);
    EXPECT_EQ(table.CountInUse(), 1);  // only the first
    EXPECT_EQ(table[1].m_state, ITEM_REGISTERED);

    EXPECT_EQ(item.m_state, ITEM_NEW);
    EXPECT_EQ(m_link.OpenCount(), m_link.CloseCount());
    EXPECT_FALSE(m_link.IsOpen());
}

TEST_F(SimDialoguesTest, HangUpInTheDataFrameFailsTheDownload) {
    m_model.SetFault(SimFault::HangUp);
    CFontPT item = NewItem(8, 64, 16);
    EXPECT_FALSE(Download(item));
    EXPECT_EQ(item.m_state, ITEM_NEW);
    EXPECT_FALSE(m_registrations.Contains(8));
    EXPECT_EQ(m_link.ReadSizes().back(), 1u);  // gave up waiting for the ACK
}

TEST_F(SimDialoguesTest, PrinterWithoutRoomRefusesTheRegistration) {
    // Five logos of 44 Kbyte fill 225 Kbyte; a sixth does not fit in 240 Kbyte.
    for (int id = 0; id < 5; ++id) {
        CFontPT item = NewItem(id, 8 * 88, 512);
        ASSERT_TRUE(Download(item)) << id;
    }
    CFontPT extra = NewItem(5, 8 * 88, 512);
    EXPECT_FALSE(Download(extra));
    EXPECT_FALSE(m_registrations.Contains(5));
    EXPECT_LE(m_registrations.MemoryUsed(), CSimRegistrations::kCapacity);
}

TEST_F(SimDialoguesTest, PortThatCannotBeOpenedShowsTheMessageOnce) {
    m_link.SetOpenFails(true);
    CItemTable table;
    EXPECT_EQ(m_protocol.ReadRegistrations(kPort, table).status, InfoStatus::PortNotOpened);
    EXPECT_EQ(m_op.Messages().size(), 1u);
    EXPECT_EQ(m_link.CloseCount(), 0);
}
