#include <gtest/gtest.h>

#include "app/present/PortChoice.h"

namespace {

TEST(PortChoice, TwentyComNames) {
    const auto names = ComPortNames();
    ASSERT_EQ(names.size(), 20u);
    EXPECT_EQ(names.front(), "COM1");
    EXPECT_EQ(names[11], "COM12");
    EXPECT_EQ(names.back(), "COM20");
}

TEST(PortChoice, StartPortFromTheEnvironment) {
    EXPECT_EQ(StartPort(nullptr), "COM1");
    EXPECT_EQ(StartPort(""), "COM1");
    EXPECT_EQ(StartPort("/dev/pts/7"), "/dev/pts/7");
    EXPECT_EQ(StartPort("com3"), "COM3");
    EXPECT_EQ(StartPort("nonsense"), "COM1");
}

TEST(PortChoice, TypedPorts) {
    EXPECT_EQ(ParseTypedPort("COM1"), "COM1");
    EXPECT_EQ(ParseTypedPort(" com20 "), "COM20");
    EXPECT_EQ(ParseTypedPort("/dev/ttyUSB0"), "/dev/ttyUSB0");
    EXPECT_EQ(ParseTypedPort("COM0"), std::nullopt);
    EXPECT_EQ(ParseTypedPort("COM21"), std::nullopt);
    EXPECT_EQ(ParseTypedPort("COM01"), std::nullopt);
    EXPECT_EQ(ParseTypedPort("COM"), std::nullopt);
    EXPECT_EQ(ParseTypedPort("COM1x"), std::nullopt);
    EXPECT_EQ(ParseTypedPort("ttyS0"), std::nullopt);
    EXPECT_EQ(ParseTypedPort("   "), std::nullopt);
}

}  // namespace
