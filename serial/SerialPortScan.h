#pragma once

#include <filesystem>
#include <string>
#include <vector>

// One serial device found on the system, for the port dialog.
struct SerialPortInfo {
    std::string path;         // device path to open, e.g. "/dev/ttyUSB0"
    std::string description;  // what the system says of it; may be empty
};

namespace serial {

// Where the system describes its serial devices; tests point these at a fixture.
struct SerialScanRoots {
    std::filesystem::path sysClassTty = "/sys/class/tty";
    std::filesystem::path serialById = "/dev/serial/by-id";
    std::filesystem::path dev = "/dev";
};

// Serial devices present, sorted by path: every tty with a hardware device behind it
// (a built-in UART only when the kernel found one: its "type" is not 0), described by its
// /dev/serial/by-id name or else by its driver's name.
std::vector<SerialPortInfo> ListSerialDevices(const SerialScanRoots& roots = {});

}  // namespace serial
