#include "serial/SerialPortName.h"

#include <gtest/gtest.h>

TEST(SerialPortName, ComNamesMapToTtyS) {
    EXPECT_EQ(serial::ResolvePortName("COM1"), "/dev/ttyS0");
    EXPECT_EQ(serial::ResolvePortName("COM9"), "/dev/ttyS8");
    EXPECT_EQ(serial::ResolvePortName("COM10"), "/dev/ttyS9");
    EXPECT_EQ(serial::ResolvePortName("COM20"), "/dev/ttyS19");
    EXPECT_EQ(serial::ResolvePortName("com3"), "/dev/ttyS2");
}

TEST(SerialPortName, ComNumbersOutsideOneToTwentyAreRefused) {
    for (const char* name :
         {"COM0", "COM21", "COM01", "COM", "COM1a", "COM-1", "COM100", "LPT1", "", "ttyUSB0"}) {
        EXPECT_EQ(serial::ResolvePortName(name), std::nullopt) << name;
    }
}

TEST(SerialPortName, PathsPassThrough) {
    EXPECT_EQ(serial::ResolvePortName("/dev/ttyUSB0"), "/dev/ttyUSB0");
    EXPECT_EQ(serial::ResolvePortName("/tmp/printer"), "/tmp/printer");
    EXPECT_EQ(serial::ResolvePortName("./printer"), "./printer");
    EXPECT_EQ(serial::ResolvePortName(std::string_view("/dev/x\0y", 8)), std::nullopt);
}

TEST(SerialPortName, ComNumberAndName) {
    EXPECT_EQ(serial::ComNumber("COM12"), 12);
    EXPECT_EQ(serial::ComNumber("/dev/ttyS0"), std::nullopt);
    EXPECT_EQ(serial::ComName(7), "COM7");
}
