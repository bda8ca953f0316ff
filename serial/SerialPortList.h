#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "serial/SerialPortScan.h"

// One entry of the port dialog's list.
struct SerialPortListEntry {
    std::string port;  // what is stored as the chosen port: "COMn" or a device path
    std::string text;  // what the list shows
};

namespace serial {

// COM1 to COM20, then the devices found that no COM name stands for. A device that a COM
// name stands for (/dev/ttyS<n-1>) is not listed twice: its COM entry names it, e.g.
// "COM1  (/dev/ttyS0, 本体のシリアルポート)".
std::vector<SerialPortListEntry> BuildPortList(const std::vector<SerialPortInfo>& devices);

// The port of a name the operator typed (ParsePortName), when it is a COM name or the path
// of a character device that exists now. nullopt for anything else, which is no port (the
// dialog then says so).
std::optional<std::string> TypedPort(std::string_view text);

}  // namespace serial
