#include "serial/SerialTimeouts.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

TEST(SerialTimeouts, ReadBudgetsOfTheProtocolsReads) {
    EXPECT_EQ(serial::ReadTimeout(1), 5100ms);
    EXPECT_EQ(serial::ReadTimeout(3), 5300ms);
    EXPECT_EQ(serial::ReadTimeout(6), 5600ms);
    EXPECT_EQ(serial::ReadTimeout(11), 6100ms);
    EXPECT_EQ(serial::ReadTimeout(100), 15000ms);
    EXPECT_EQ(serial::ReadTimeout(0), 5000ms);
}

TEST(SerialTimeouts, WriteBudget) {
    EXPECT_EQ(serial::WriteTimeout(1), 110ms);
    EXPECT_EQ(serial::WriteTimeout(3), 130ms);
    EXPECT_EQ(serial::WriteTimeout(100), 1100ms);
}

TEST(SerialTimeouts, HugeLengthsDoNotOverflow) {
    EXPECT_GT(serial::ReadTimeout(std::size_t(-1)), serial::ReadTimeout(1000000));
    EXPECT_GT(serial::WriteTimeout(std::size_t(-1)).count(), 0);
}

TEST(SerialTimeouts, ScaleComesOnlyFromAPlainFactorUpToOne) {
    EXPECT_DOUBLE_EQ(serial::ParseTimeoutScale(nullptr), 1.0);
    EXPECT_DOUBLE_EQ(serial::ParseTimeoutScale(""), 1.0);
    EXPECT_DOUBLE_EQ(serial::ParseTimeoutScale("0.02"), 0.02);
    EXPECT_DOUBLE_EQ(serial::ParseTimeoutScale("1"), 1.0);
    EXPECT_DOUBLE_EQ(serial::ParseTimeoutScale("0"), 1.0);
    EXPECT_DOUBLE_EQ(serial::ParseTimeoutScale("-0.5"), 1.0);
    EXPECT_DOUBLE_EQ(serial::ParseTimeoutScale("3"), 1.0);  // never lengthens
    EXPECT_DOUBLE_EQ(serial::ParseTimeoutScale("0.5x"), 1.0);
    EXPECT_DOUBLE_EQ(serial::ParseTimeoutScale("nan"), 1.0);
    EXPECT_DOUBLE_EQ(serial::ParseTimeoutScale("inf"), 1.0);
}

TEST(SerialTimeouts, ScaledTimeout) {
    EXPECT_EQ(serial::ScaleTimeout(5300ms, 1.0), 5300000us);
    EXPECT_EQ(serial::ScaleTimeout(5300ms, 0.02), 106000us);
    EXPECT_EQ(serial::ScaleTimeout(110ms, 0.001), 1000us);  // at least a millisecond
}

TEST(SerialTimeouts, NextWaitIsCutToTheIdleSliceOnlyWithACallback) {
    const auto now = std::chrono::steady_clock::now();
    EXPECT_EQ(serial::NextWait(now, now + 1s, false), std::chrono::nanoseconds(1s));
    EXPECT_EQ(serial::NextWait(now, now + 1s, true), std::chrono::nanoseconds(serial::kIdleSlice));
    EXPECT_EQ(serial::NextWait(now, now + 10ms, true), std::chrono::nanoseconds(10ms));
    EXPECT_EQ(serial::NextWait(now, now, true), std::chrono::nanoseconds::zero());
    EXPECT_EQ(serial::NextWait(now + 5ms, now, false), std::chrono::nanoseconds::zero());
}
