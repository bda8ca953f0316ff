#include <gtest/gtest.h>

#include "app/present/LeadingNumber.h"

namespace {

TEST(LeadingNumber, DigitsAtTheStart) {
    EXPECT_EQ(LeadingNumber("12"), 12);
    EXPECT_EQ(LeadingNumber("05"), 5);
    EXPECT_EQ(LeadingNumber("7x"), 7);
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(LeadingNumber("x7"), 0);
    EXPECT_EQ(LeadingNumber(" 9"), 9);
    // Long digit runs do not overflow.
    EXPECT_GT(LeadingNumber("99999999999999999999"), 0);
}

}  // namespace
