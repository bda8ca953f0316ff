#include "serial/SerialPortName.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "serial/StablePortName.h"

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

TEST(SerialPortName, ParsedNamesAreOnePortEach) {
    EXPECT_EQ(serial::ParsePortName(" com20\t"), "COM20");
    EXPECT_EQ(serial::ParsePortName("/dev/ttyS0"), "COM1");  // the device of a COM name
    EXPECT_EQ(serial::ParsePortName("/dev/ttyS19 "), "COM20");
    EXPECT_EQ(serial::ParsePortName("/dev/ttyS20"), "/dev/ttyS20");
    EXPECT_EQ(serial::ParsePortName("/dev/ttyS01"), "/dev/ttyS01");
    EXPECT_EQ(serial::ParsePortName("/dev/ttyUSB0"), "/dev/ttyUSB0");
    for (const char* name : {"nonsense", "COM0", "COM21", "ttyS0", "", "   "}) {
        EXPECT_EQ(serial::ParsePortName(name), std::nullopt) << name;
    }
}

TEST(SerialPortName, TheEnvironmentsPortIsKeptEvenWhenItIsNoPort) {
    EXPECT_EQ(serial::PortFromEnvironment(nullptr), "COM1");
    EXPECT_EQ(serial::PortFromEnvironment(" "), "COM1");
    EXPECT_EQ(serial::PortFromEnvironment("com3"), "COM3");
    EXPECT_EQ(serial::PortFromEnvironment("/dev/ttyS1"), "COM2");
    EXPECT_EQ(serial::PortFromEnvironment("/dev/pts/7"), "/dev/pts/7");
    // Not COM1 in its place: opening it says that it is no port name.
    EXPECT_EQ(serial::PortFromEnvironment("nonsense"), "nonsense");
}

TEST(SerialPortName, ComNumberAndName) {
    EXPECT_EQ(serial::ComNumber("COM12"), 12);
    EXPECT_EQ(serial::ComNumber("/dev/ttyS0"), std::nullopt);
    EXPECT_EQ(serial::ComName(7), "COM7");
}

TEST(StablePortName, ByIdLinkOfTheSameDeviceElseItsCanonicalPath) {
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("stampix-by-id-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "by-id");
    folder = std::filesystem::canonical(folder);
    std::ofstream(folder / "ttyUSB3").put('x');  // stands for the device node
    std::ofstream(folder / "ttyUSB4").put('x');
    std::filesystem::create_symlink("../ttyUSB3", folder / "by-id" / "usb-FTDI_B-if00");
    std::filesystem::create_symlink("../ttyUSB3", folder / "by-id" / "usb-FTDI_A-if00");
    std::filesystem::create_symlink(folder / "ttyUSB3", folder / "alias");
    const std::filesystem::path byId = folder / "by-id";

    // Any name of the adapter gives its first by-id name.
    EXPECT_EQ(serial::StablePortName((folder / "ttyUSB3").string(), byId),
              (byId / "usb-FTDI_A-if00").string());
    EXPECT_EQ(serial::StablePortName((folder / "alias").string(), byId),
              (byId / "usb-FTDI_A-if00").string());
    // Without a by-id name: the canonical path; a device that is not there: as given.
    EXPECT_EQ(serial::StablePortName((folder / "." / "ttyUSB4").string(), byId),
              (folder / "ttyUSB4").string());
    EXPECT_EQ(serial::StablePortName("/dev/nonexistent-stampix", byId), "/dev/nonexistent-stampix");
    EXPECT_EQ(serial::StablePortName((folder / "ttyUSB4").string(), folder / "missing"),
              (folder / "ttyUSB4").string());
    std::filesystem::remove_all(folder);
}
