#include <gtest/gtest.h>

#include <filesystem>

#include "serial/SerialPortList.h"
#include "serial/SerialPortScan.h"

namespace {

TEST(SerialPortScan, DevicesAreDescribedByWhatTheyAre) {
    const auto describe = [](std::string bus, std::string product, std::string vendor) {
        return serial::DescribeSerialDevice(
            {"/dev/x", std::move(bus), std::move(product), std::move(vendor)});
    };
    EXPECT_EQ(describe("usb", "FT232R USB UART", "FTDI"), "FT232R USB UART (FTDI)");
    EXPECT_EQ(describe("usb", "CP2102 USB to UART Bridge Controller", ""),
              "CP2102 USB to UART Bridge Controller");
    EXPECT_EQ(describe("usb", "", "Prolific"), "USBシリアル変換器");
    EXPECT_EQ(describe("pci", "", ""), "PCIシリアルポート");
    EXPECT_EQ(describe("pci", "OX16PCI952", "Oxford Semiconductor"),
              "OX16PCI952 (Oxford Semiconductor)");
    EXPECT_EQ(describe("pnp", "", ""), "本体のシリアルポート");
    EXPECT_EQ(describe("platform", "", ""), "本体のシリアルポート");
    EXPECT_EQ(describe("bluetooth", "", ""), "シリアルポート");
}

TEST(SerialPortScan, TheSystemsDevicesAreRealAndListedOnce) {
    const auto devices = serial::ListSerialDevices();
    for (std::size_t i = 0; i < devices.size(); ++i) {
        EXPECT_TRUE(std::filesystem::exists(devices[i].path)) << devices[i].path;
        EXPECT_FALSE(devices[i].description.empty());
        if (i > 0) {
            EXPECT_LT(devices[i - 1].path, devices[i].path);
        }
    }
}

TEST(SerialPortList, EachDeviceOnceWithComNamesFirst) {
    const std::vector<SerialPortInfo> devices{
        {"/dev/ttyS0", "on-board serial port"},
        {"/dev/ttyS19", ""},
        {"/dev/ttyS20", "on-board serial port"},  // beyond COM20: listed by its path
        {"/dev/ttyUSB0", "FT232R USB UART (FTDI)"},
    };
    const auto list = serial::BuildPortList(devices);
    ASSERT_EQ(list.size(), 22u);
    EXPECT_EQ(list[0].port, "COM1");
    EXPECT_EQ(list[0].text, "COM1  (/dev/ttyS0, on-board serial port)");
    EXPECT_EQ(list[1].port, "COM2");
    EXPECT_EQ(list[1].text, "COM2");
    EXPECT_EQ(list[19].port, "COM20");
    EXPECT_EQ(list[19].text, "COM20  (/dev/ttyS19)");
    EXPECT_EQ(list[20].port, "/dev/ttyS20");
    EXPECT_EQ(list[20].text, "/dev/ttyS20  (on-board serial port)");
    EXPECT_EQ(list[21].port, "/dev/ttyUSB0");
    EXPECT_EQ(list[21].text, "/dev/ttyUSB0  (FT232R USB UART (FTDI))");
    for (std::size_t i = 0; i < list.size(); ++i) {
        for (std::size_t j = i + 1; j < list.size(); ++j) EXPECT_NE(list[i].port, list[j].port);
    }
    EXPECT_EQ(serial::BuildPortList({}).size(), 20u);
}

TEST(SerialPortList, TypedNamesThatAreNoPortAreRefused) {
    EXPECT_EQ(serial::TypedPort(" com7 "), "COM7");
    EXPECT_EQ(serial::TypedPort("COM20"), "COM20");
    EXPECT_EQ(serial::TypedPort("/dev/null"), "/dev/null");  // a character device
    for (const char* text : {"COM0", "COM21", "COM01", "ttyUSB0", "", "  ", "/dev/nonexistent-x",
                             "/etc/hostname", "/dev"}) {
        EXPECT_EQ(serial::TypedPort(text), std::nullopt) << text;
    }
}

}  // namespace
