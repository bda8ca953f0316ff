#include "serial/SerialPortScan.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// A small copy of what sysfs and /dev/serial/by-id look like.
class SerialPortScanTest : public testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/stampix-scan-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_root = pattern;
        m_roots = {m_root / "sys", m_root / "by-id", m_root / "dev"};
        fs::create_directories(m_roots.sysClassTty);
        fs::create_directories(m_roots.serialById);
        fs::create_directories(m_roots.dev);
        fs::create_directories(m_root / "drivers" / "ftdi_sio");
        fs::create_directories(m_root / "drivers" / "serial8250");
    }
    void TearDown() override { fs::remove_all(m_root); }

    void AddTty(const std::string& name, const char* driver, const char* type = nullptr) {
        const fs::path entry = m_roots.sysClassTty / name;
        fs::create_directories(entry);
        std::ofstream(m_roots.dev / name) << "";
        if (driver == nullptr) return;
        fs::create_directories(entry / "device");
        fs::create_directory_symlink(m_root / "drivers" / driver, entry / "device" / "driver");
        if (type != nullptr) std::ofstream(entry / "type") << type << "\n";
    }

    fs::path m_root;
    serial::SerialScanRoots m_roots;
};

}  // namespace

TEST_F(SerialPortScanTest, ListsDevicesWithHardwareAndDescribesThem) {
    AddTty("tty0", nullptr);             // a virtual console: no device
    AddTty("ttyS0", "serial8250", "4");  // a UART the kernel found
    AddTty("ttyS1", "serial8250", "0");  // a UART slot with nothing behind it
    AddTty("ttyUSB0", "ftdi_sio");
    fs::create_symlink(m_roots.dev / "ttyUSB0",
                       m_roots.serialById / "usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0");

    const auto ports = serial::ListSerialDevices(m_roots);
    ASSERT_EQ(ports.size(), 2u);
    EXPECT_EQ(ports[0].path, (m_roots.dev / "ttyS0").string());
    EXPECT_EQ(ports[0].description, "serial8250");
    EXPECT_EQ(ports[1].path, (m_roots.dev / "ttyUSB0").string());
    EXPECT_EQ(ports[1].description, "usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0");
}

TEST_F(SerialPortScanTest, MissingFoldersGiveAnEmptyList) {
    serial::SerialScanRoots roots{m_root / "none", m_root / "none2", m_root / "none3"};
    EXPECT_TRUE(serial::ListSerialDevices(roots).empty());
}
