#pragma once

#include <filesystem>
#include <string>

namespace serial {

// The name under which a port is remembered between runs: the link in `byIdFolder` (udev's
// /dev/serial/by-id, named after the adapter's vendor, product and serial number) that leads
// to the same device, since /dev/ttyUSB numbers follow the order of plugging in; else the
// device's canonical path; else the name as given.
std::string StablePortName(const std::string& port,
                           const std::filesystem::path& byIdFolder = "/dev/serial/by-id");

}  // namespace serial
