// The real serial code against stampix-printer-sim on a pseudo-terminal.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "protocol/CPrinterProtocol.h"
#include "serial/CRS232C.h"
#include "serial/SerialTimeouts.h"
#include "sim/CPrinterSimProcess.h"
#include "tests/protocol/ProtocolTestSupport.h"
#include "tests/sim/SimTestFrames.h"
#include "tests/support/CRecordingOperator.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

class PrinterSimEndToEndTest : public testing::Test {
  protected:
    void TearDown() override { unsetenv(serial::kTimeoutScaleVariable); }

    void StartSim(std::vector<std::string> arguments) {
        std::string error;
        ASSERT_TRUE(m_sim.Start(STAMPIX_SIM_PROGRAM, arguments, error)) << error;
        m_port = m_sim.DevicePath();
    }

    CPrinterSimProcess m_sim;
    std::string m_port;
    CRS232C m_serial;
    CRecordingOperator m_op;
};

}  // namespace

TEST_F(PrinterSimEndToEndTest, DownloadInformationDeleteAndDeleteAllInARow) {
    StartSim({"--baud", "0"});
    CPrinterProtocol protocol(m_serial, m_op);
    CFontPT first = prototest::NewItem(7, 300, 120);
    CFontPT second = prototest::NewItem(12, 33, 5);
    ASSERT_TRUE(protocol.DownloadData(m_port, prototest::TransferBytes(first), first, 7));
    ASSERT_TRUE(protocol.DownloadData(m_port, prototest::TransferBytes(second), second, 12));
    EXPECT_EQ(first.m_state, ITEM_REGISTERED);
    EXPECT_FALSE(m_serial.IsOpen());

    CItemTable table;
    InfoResult info = protocol.ReadRegistrations(m_port, table);
    ASSERT_EQ(info.status, InfoStatus::Complete);
    EXPECT_EQ(info.recordsStored, 2);
    EXPECT_EQ(table[7].m_header, first.m_header);
    EXPECT_EQ(table[12].m_width, 33);
    EXPECT_EQ(table[12].m_entries[0], 0x6B);

    EXPECT_TRUE(protocol.DeleteId(m_port, 7));
    info = protocol.ReadRegistrations(m_port, table);
    ASSERT_EQ(info.status, InfoStatus::Complete);
    EXPECT_EQ(table.CountInUse(), 1);
    EXPECT_EQ(table[12].m_state, ITEM_REGISTERED);

    EXPECT_TRUE(protocol.DeleteAllIds(m_port));
    info = protocol.ReadRegistrations(m_port, table);
    EXPECT_EQ(info.status, InfoStatus::Complete);
    EXPECT_EQ(table.CountInUse(), 0);
    EXPECT_TRUE(m_op.Messages().empty());
}

TEST_F(PrinterSimEndToEndTest, OverwriteQuestionOverThePty) {
    StartSim({"--baud", "0", "--preload-demo"});
    CPrinterProtocol protocol(m_serial, m_op);
    CFontPT item = prototest::NewItem(5, 16, 16);
    m_op.QueueAnswer(false);
    EXPECT_TRUE(protocol.DownloadData(m_port, prototest::TransferBytes(item), item, 5));
    EXPECT_EQ(item.m_state, ITEM_NEW);
    m_op.QueueAnswer(true);
    EXPECT_TRUE(protocol.DownloadData(m_port, prototest::TransferBytes(item), item, 5));
    EXPECT_EQ(item.m_state, ITEM_REGISTERED);
    CItemTable table;
    ASSERT_EQ(protocol.ReadRegistrations(m_port, table).status, InfoStatus::Complete);
    EXPECT_EQ(table[5].m_width, 16);
    EXPECT_EQ(table[10].m_patternCount, 93);  // the demo font
}

TEST_F(PrinterSimEndToEndTest, StateFileKeepsRegistrationsAcrossRuns) {
    const fs::path state = fs::temp_directory_path() / ("stampix-e2e-" + std::to_string(getpid()));
    const fs::path link =
        fs::temp_directory_path() / ("stampix-e2e-link-" + std::to_string(getpid()));
    StartSim({"--baud", "0", "--state", state.string(), "--link", link.string()});
    EXPECT_EQ(fs::read_symlink(link), m_port);
    CPrinterProtocol protocol(m_serial, m_op);
    CFontPT item = prototest::NewItem(42, 24, 24);
    ASSERT_TRUE(protocol.DownloadData(link.string(), prototest::TransferBytes(item), item, 42));
    EXPECT_EQ(m_sim.Stop(), 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(link)));

    StartSim({"--baud", "0", "--state", state.string()});
    CItemTable table;
    ASSERT_EQ(protocol.ReadRegistrations(m_port, table).status, InfoStatus::Complete);
    EXPECT_EQ(table[42].m_state, ITEM_REGISTERED);
    EXPECT_EQ(table.CountInUse(), 1);
    fs::remove(state);
}

TEST_F(PrinterSimEndToEndTest, SilentPrinterFailsAfterTwoScaledReads) {
    setenv(serial::kTimeoutScaleVariable, "0.02", 1);
    StartSim({"--baud", "0", "--fault", "silence"});
    CPrinterProtocol protocol(m_serial, m_op);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(protocol.DeleteId(m_port, 7));
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_GE(elapsed, 2 * 106ms);
    EXPECT_LT(elapsed, 2 * 106ms + 1000ms);
}

TEST_F(PrinterSimEndToEndTest, BusyPortShowsTheOpenFailureMessage) {
    StartSim({"--baud", "0"});
    CRS232C holder;
    ASSERT_TRUE(holder.OpenPort(m_port)) << holder.LastError();
    CPrinterProtocol protocol(m_serial, m_op);
    EXPECT_FALSE(protocol.DeleteAllIds(m_port));
    ASSERT_EQ(m_op.Messages().size(), 1u);
    EXPECT_EQ(m_op.Messages()[0].caption, "エラー");
    holder.ClosePort();
    EXPECT_TRUE(protocol.DeleteAllIds(m_port));
}

TEST_F(PrinterSimEndToEndTest, PacedLineTakesAtLeastTheWireTime) {
    StartSim({"--baud", "9600"});
    CPrinterProtocol protocol(m_serial, m_op);
    CFontPT item = prototest::NewItem(3, 64, 20);  // 160 pattern bytes
    const auto data = prototest::TransferBytes(item);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(protocol.DownloadData(m_port, data, item, 3));
    const auto elapsed = std::chrono::steady_clock::now() - start;
    const std::size_t sent = 6 + 100 + 3 + 3 + 1 + data.size() + 1;
    const auto wire = std::chrono::microseconds(sent * 10 * 1'000'000 / 9600);
    EXPECT_GE(elapsed, wire);
    EXPECT_LT(elapsed, wire + 1000ms);
}

TEST_F(PrinterSimEndToEndTest, TheNextToolIsHeardAtOnceAfterOneLeftADataFrameHalfWay) {
    StartSim({"--baud", "0"});
    ASSERT_TRUE(m_serial.OpenPort(m_port));
    const simframes::Bytes request = simframes::RegistrationRequest("12", 400);
    ASSERT_TRUE(m_serial.WriteBytes(request.data(), request.size()));
    std::uint8_t reply[3] = {};
    ASSERT_TRUE(m_serial.ReadBytes(reply, 3));
    const simframes::Bytes proceed{0x02, 0x30, 0x03};
    ASSERT_TRUE(m_serial.WriteBytes(proceed.data(), proceed.size()));
    ASSERT_TRUE(m_serial.ReadBytes(reply, 3));
    const simframes::Bytes frame = simframes::DataFrame(400);
    ASSERT_TRUE(m_serial.WriteBytes(frame.data(), 150));  // and the tool was stopped
    m_serial.ClosePort();
    // The next one asks at once: heard, not taken for the rest of the data.
    CPrinterProtocol protocol(m_serial, m_op);
    CItemTable table;
    const auto start = std::chrono::steady_clock::now();
    const InfoResult info = protocol.ReadRegistrations(m_port, table);
    EXPECT_EQ(info.status, InfoStatus::Complete);
    EXPECT_EQ(table.CountInUse(), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
}
