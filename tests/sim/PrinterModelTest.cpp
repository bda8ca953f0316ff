// The virtual printer's side of the dialogues, fed byte by byte.
#include "sim/CPrinterModel.h"

#include <gtest/gtest.h>

#include <vector>

#include "sim/SimContent.h"
#include "tests/sim/SimTestFrames.h"

namespace {

using simframes::Bytes;
using simframes::RegistrationRequest;
using simframes::Status;

class PrinterModelTest : public testing::Test {
  protected:
    PrinterModelTest() : m_model(m_registrations) {}

    // Sends `bytes` in pieces of `piece` bytes and returns every reply due by then.
    Bytes Send(const Bytes& bytes, std::size_t piece = 1 << 20) {
        for (std::size_t i = 0; i < bytes.size(); i += piece) {
            const std::size_t n = std::min(piece, bytes.size() - i);
            m_model.Receive({bytes.data() + i, n}, m_now);
        }
        return Take();
    }
    Bytes Take() {
        Bytes out(1 << 16);
        out.resize(m_model.TakeOutput(out.data(), out.size(), m_now));
        return out;
    }
    static Bytes DataFrame(std::size_t length, std::uint8_t last = 0x03) {
        return simframes::DataFrame(length, last);
    }

    CSimRegistrations m_registrations;
    CPrinterModel m_model;
    std::int64_t m_now = 0;
};

}  // namespace

TEST_F(PrinterModelTest, RegistrationDialogueWhateverThePieces) {
    for (std::size_t piece : {std::size_t{1}, std::size_t{7}, std::size_t{1000}}) {
        SCOPED_TRACE(piece);
        m_registrations.EraseAll();
        EXPECT_EQ(Send(RegistrationRequest("12", 4), piece), Status('A'));
        EXPECT_EQ(Send({0x02, 0x30, 0x03}, piece), Status('O'));
        Bytes expected{0x06};
        const Bytes done = Status('E');
        expected.insert(expected.end(), done.begin(), done.end());
        EXPECT_EQ(Send(DataFrame(14), piece), expected);
        ASSERT_TRUE(m_registrations.Contains(12));
        EXPECT_EQ(m_registrations.Find(12)->data.size(), 14u);
        EXPECT_EQ(m_registrations.Find(12)->entries, (Bytes{0, 1, 2, 3, 4, 5}));
    }
}

TEST_F(PrinterModelTest, DataBytesThatLookLikeControlBytesAreData) {
    Send(RegistrationRequest("01", 20));
    Send({0x02, 0x30, 0x03});
    Bytes frame{0x02};
    for (int i = 0; i < 30; ++i) frame.push_back(i % 2 == 0 ? 0x03 : 0x02);
    frame.push_back(0x03);
    EXPECT_EQ(Send(frame), (Bytes{0x06, 0x02, 'E', 0x03}));
}

TEST_F(PrinterModelTest, AnAbandonedDataFrameIsDroppedAfterASilence) {
    m_model.SetFault(SimFault::SlowErase);
    m_model.SetEraseDelay(5000);
    m_registrations.Store(simcontent::MakeLogo(12, "OLD", 8, 1));
    Send(RegistrationRequest("12", 4));
    Send({0x02, 0x30, 0x03});  // overwrite: 'O' comes after the erase
    m_now += 5000;
    EXPECT_EQ(Take(), Status('O'));
    m_now += CPrinterModel::kDataGapMs;  // the answer's wait does not count as silence
    const Bytes frame = DataFrame(14);
    Send({frame.begin(), frame.begin() + 8});
    m_now += CPrinterModel::kDataGapMs;  // a pause within the limit keeps the frame
    Send({frame.begin() + 8, frame.begin() + 10});
    m_now += CPrinterModel::kDataGapMs + 1;  // the tool was stopped halfway
    EXPECT_EQ(Send({0x01, 0x46, 0x47}),
              (Bytes{0x02, 'A', '0', '0', '0', '0', '0', '0', '0', '0', 0x03}))
        << "the next request is heard";
    EXPECT_FALSE(m_registrations.Contains(12));
}

TEST_F(PrinterModelTest, ALineResetEndsAnAbandonedDataFrameAtOnce) {
    Send(RegistrationRequest("12", 40));
    Send({0x02, 0x30, 0x03});
    const Bytes frame = DataFrame(40);
    Send({frame.begin(), frame.begin() + 20});
    // The tool closed the port halfway and the next one opens it without a pause.
    m_model.LineReset();
    EXPECT_EQ(Send({0x01, 0x46, 0x47}),
              (Bytes{0x02, 'A', '0', '0', '0', '0', '0', '0', '0', '0', 0x03}));
    EXPECT_FALSE(m_registrations.Contains(12));
}

TEST_F(PrinterModelTest, OccupiedIdAsksAndDeclineKeepsTheOldData) {
    m_registrations.Store(simcontent::MakeLogo(12, "OLD", 8, 1));
    EXPECT_EQ(Send(RegistrationRequest("12", 4)), Status('B'));
    EXPECT_EQ(Send({0x02, 0x31, 0x03}).size(), 3u);
    EXPECT_EQ(m_registrations.Find(12)->data.size(), 11u);
}

TEST_F(PrinterModelTest, BadFramesAreRefused) {
    EXPECT_EQ(Send(RegistrationRequest("X2", 4)), Status('N'));
    EXPECT_EQ(Send(RegistrationRequest("12", 0xFFFFFF)), Status('F'));  // larger than memory
    // A data frame that does not end in ETX, or does not start with STX.
    Send(RegistrationRequest("12", 4));
    Send({0x02, 0x30, 0x03});
    EXPECT_EQ(Send(DataFrame(14, 0x00)), Bytes{CPrinterModel::NAK});
    Send(RegistrationRequest("12", 4));
    Send({0x02, 0x30, 0x03});
    EXPECT_EQ(Send({0x41}), Bytes{CPrinterModel::NAK});
    EXPECT_TRUE(m_registrations.Empty());
}

TEST_F(PrinterModelTest, NoiseBeforeAFrameIsSkippedAndStrayAnswersIgnored) {
    EXPECT_TRUE(Send({0x02, 0x30, 0x03}).empty());  // Proceed with nothing asked
    EXPECT_TRUE(Send({0x00, 0x1B, 0x41, 0x99, 0x02}).empty());
    EXPECT_EQ(Send({0x1B, 0x41, 0x1B, 0x2A, 0x46, 0x1B, 0x5A}), Status('A'));
    EXPECT_EQ(m_model.FramesReceived(), 1);
}

TEST_F(PrinterModelTest, DeleteDialogues) {
    simcontent::PreloadDemo(m_registrations);
    EXPECT_EQ(Send({0x1B, 0x41, 0x1B, 0x46, 0x43, 0x30, 0x33, 0x1B, 0x5A}), Status('A'));
    EXPECT_EQ(Send({0x1B, 0x41, 0x1B, 0x46, 0x43, 0x30, 0x35, 0x1B, 0x5A}), Status('B'));
    EXPECT_TRUE(m_registrations.Contains(5));
    EXPECT_EQ(Send({0x02, 0x30, 0x03}), Status('E'));
    EXPECT_FALSE(m_registrations.Contains(5));
    EXPECT_EQ(Send({0x1B, 0x41, 0x1B, 0x2A, 0x46, 0x1B, 0x5A}), Status('B'));
    EXPECT_EQ(Send({0x02, 0x30, 0x03}), Status('E'));
    EXPECT_TRUE(m_registrations.Empty());
}

TEST_F(PrinterModelTest, InformationStreamLayout) {
    EXPECT_EQ(Send({0x01, 0x46, 0x47}),
              (Bytes{0x02, 'A', '0', '0', '0', '0', '0', '0', '0', '0', 0x03}));
    m_registrations.Store(simcontent::MakeLogo(3, "L", 16, 2));
    const std::u16string characters = u"あい";
    m_registrations.Store(simcontent::MakeFont(9, "F", 16, characters, false, true));
    const Bytes reply = Send({0x01, 0x46, 0x47});
    EXPECT_EQ(reply, (Bytes{0x02, 'B', '0', '0', '0', '0', '0', '2', '1', '8', 0x03}));  // 106+112
    const Bytes stream = Send({0x02, 0x30, 0x03});
    ASSERT_EQ(stream.size(), 1 + 218 + 1u);
    EXPECT_EQ(stream.front(), 0x02);
    EXPECT_EQ(stream.back(), 0x03);
    EXPECT_EQ(stream[1], '0');
    EXPECT_EQ(stream[2], '3');
    EXPECT_EQ(stream[101], 0x6B);  // the logo's entry
    EXPECT_EQ(stream[102], 0x82);
    EXPECT_EQ(stream[107], '0');  // the font's record
    EXPECT_EQ(stream[108], '9');
    EXPECT_EQ(stream[107 + 100], 0x42);  // あ = U+3042, low byte first
    EXPECT_EQ(stream[107 + 101], 0x30);
}

TEST_F(PrinterModelTest, SlowEraseDelaysOnlyTheAnswerToAnErase) {
    m_model.SetFault(SimFault::SlowErase);
    m_model.SetEraseDelay(5000);
    simcontent::PreloadDemo(m_registrations);
    EXPECT_EQ(Send({0x1B, 0x41, 0x1B, 0x46, 0x43, 0x30, 0x31, 0x1B, 0x5A}), Status('B'));
    EXPECT_TRUE(Send({0x02, 0x30, 0x03}).empty());
    EXPECT_EQ(m_model.NextOutputTime(), 5000);
    m_now = 4999;
    EXPECT_TRUE(Take().empty());
    m_now = 5000;
    EXPECT_EQ(Take(), Status('E'));
}

TEST_F(PrinterModelTest, ChangeHandlerSeesStoresAndErases) {
    int changes = 0;
    m_model.SetChangeHandler([&] { ++changes; });
    Send(RegistrationRequest("12", 4));
    Send({0x02, 0x30, 0x03});
    Send(DataFrame(14));
    EXPECT_EQ(changes, 1);
    Send({0x1B, 0x41, 0x1B, 0x2A, 0x46, 0x1B, 0x5A});
    Send({0x02, 0x30, 0x03});
    EXPECT_EQ(changes, 2);
}

TEST_F(PrinterModelTest, DiscardedOutputIsGone) {
    Send({0x01, 0x46, 0x47}, 1);
    m_model.Receive(Bytes{0x01, 0x46, 0x47}, m_now);
    m_model.DiscardOutput();
    EXPECT_FALSE(m_model.NextOutputTime().has_value());
    EXPECT_TRUE(Take().empty());
}

TEST(SimFault, NamesRoundTrip) {
    for (const auto& name : SimFaultNames()) {
        const auto fault = ParseSimFault(name);
        ASSERT_TRUE(fault.has_value()) << name;
        EXPECT_EQ(SimFaultName(*fault), name);
    }
    EXPECT_FALSE(ParseSimFault("loud").has_value());
    EXPECT_EQ(SimFaultNames().size(), 9u);
}
