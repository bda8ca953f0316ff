#include "serial/SerialPortList.h"

#include <sys/stat.h>

#include <algorithm>

#include "serial/SerialPortName.h"

namespace serial {

namespace {

std::string WithDetails(const std::string& label, const std::string& details) {
    return details.empty() ? label : label + "  (" + details + ")";
}

}  // namespace

std::vector<SerialPortListEntry> BuildPortList(const std::vector<SerialPortInfo>& devices) {
    std::vector<SerialPortListEntry> list;
    std::vector<bool> named(devices.size(), false);
    for (int number = kMinComNumber; number <= kMaxComNumber; ++number) {
        const std::string name = ComName(number);
        const std::string path = *ResolvePortName(name);
        const auto device =
            std::find_if(devices.begin(), devices.end(),
                         [&path](const SerialPortInfo& d) { return d.path == path; });
        if (device == devices.end()) {
            list.push_back({name, name});
            continue;
        }
        named[static_cast<std::size_t>(device - devices.begin())] = true;
        const std::string details =
            device->description.empty() ? path : path + ", " + device->description;
        list.push_back({name, WithDetails(name, details)});
    }
    for (std::size_t i = 0; i < devices.size(); ++i) {
        if (named[i]) continue;
        list.push_back({devices[i].path, WithDetails(devices[i].path, devices[i].description)});
    }
    return list;
}

std::optional<std::string> TypedPort(std::string_view text) {
    const std::optional<std::string> port = ParsePortName(text);
    if (!port || ComNumber(*port)) return port;
    struct stat info {};
    if (::stat(port->c_str(), &info) != 0 || !S_ISCHR(info.st_mode)) return std::nullopt;
    return port;
}

}  // namespace serial
