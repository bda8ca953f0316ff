#pragma once

#include <string>
#include <vector>

// One serial device found on the system, for the port dialog.
struct SerialPortInfo {
    std::string path;         // device path to open, e.g. "/dev/ttyUSB0"
    std::string description;  // what the device is, e.g. "FT232R USB UART (FTDI)"
};

// What the system tells of one serial device, as the description is made from it.
struct SerialDeviceFacts {
    std::string path;
    // The bus of the hardware behind the port: "usb", "pci", "pnp", "platform", ...;
    // empty when there is none.
    std::string bus;
    std::string product;  // the device's own product and vendor names, else the
    std::string vendor;   // hardware database's; empty when neither says
};

namespace serial {

// "product (vendor)" as the device reports them; else what kind of port it is, in the
// program's words: a USB adapter, a PCI card, a UART of the machine itself or another
// serial port.
std::string DescribeSerialDevice(const SerialDeviceFacts& facts);

// Serial devices present, sorted by path, from udev: every tty with hardware behind it (a
// built-in UART only when the kernel found one there).
std::vector<SerialPortInfo> ListSerialDevices();

}  // namespace serial
