#include "protocol/PrinterFrames.h"

#include <gtest/gtest.h>

#include <vector>

TEST(PrinterFrames, FixedFramesAreTheProtocolsBytes) {
    using V = std::vector<std::uint8_t>;
    EXPECT_EQ(V(frames::kRegistrationHead.begin(), frames::kRegistrationHead.end()),
              (V{0x02, 0x1B, 0x41, 0x1B, 0x46, 0x44}));
    EXPECT_EQ(V(frames::kRegistrationTail.begin(), frames::kRegistrationTail.end()),
              (V{0x1B, 0x5A, 0x03}));
    EXPECT_EQ(V(frames::kProceed.begin(), frames::kProceed.end()), (V{0x02, 0x30, 0x03}));
    EXPECT_EQ(V(frames::kDecline.begin(), frames::kDecline.end()), (V{0x02, 0x31, 0x03}));
    EXPECT_EQ(V(frames::kDeleteAll.begin(), frames::kDeleteAll.end()),
              (V{0x1B, 0x41, 0x1B, 0x2A, 0x46, 0x1B, 0x5A}));
    EXPECT_EQ(V(frames::kInformationRequest.begin(), frames::kInformationRequest.end()),
              (V{0x01, 0x46, 0x47}));
    const auto del = frames::DeleteIdFrame(7);
    EXPECT_EQ(V(del.begin(), del.end()), (V{0x1B, 0x41, 0x1B, 0x46, 0x43, 0x30, 0x37, 0x1B, 0x5A}));
}

TEST(PrinterFrames, StreamLengthNeedsEightDigits) {
    std::array<std::uint8_t, 11> reply{0x02, 'B', '0', '0', '0', '0', '0', '1', '1', '8', 0x03};
    EXPECT_EQ(frames::ParseStreamLength(reply), 118);
    reply = {0x02, 'B', '9', '9', '9', '9', '9', '9', '9', '9', 0x03};
    EXPECT_EQ(frames::ParseStreamLength(reply), 99999999);
    reply[5] = ' ';
    EXPECT_EQ(frames::ParseStreamLength(reply), std::nullopt);
    reply[5] = '-';
    EXPECT_EQ(frames::ParseStreamLength(reply), std::nullopt);
}

TEST(PrinterFrames, RecordIdAndPatternCount) {
    std::array<std::uint8_t, 100> record{};
    record[0] = '4';
    record[1] = '2';
    record[60] = 0x00;
    record[61] = 0x01;
    record[62] = 0x00;
    record[63] = 0x02;
    EXPECT_EQ(frames::RecordId(record), 42);
    EXPECT_EQ(frames::RecordPatternCount(record), 65538u);
    record[1] = ':';
    EXPECT_EQ(frames::RecordId(record), std::nullopt);
    record[60] = 0xFF;
    EXPECT_EQ(frames::RecordPatternCount(record), 0xFF010002u);
}
