#pragma once

#include <string>

// Why the last open of a port failed.
struct PortOpenFailure {
    std::string device;  // the device path tried, or the name given when it names no port
    int error = 0;       // the system's error number; 0 when the name names no port
};
