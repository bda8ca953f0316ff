#include "serial/SerialPortScan.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <system_error>

namespace serial {

namespace fs = std::filesystem;

namespace {

std::string FirstLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

// by-id link target (canonical device path) -> link name.
std::map<std::string, std::string> ReadById(const fs::path& dir) {
    std::map<std::string, std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code linkError;
        const fs::path target = fs::canonical(it->path(), linkError);
        if (!linkError) names.emplace(target.filename().string(), it->path().filename().string());
    }
    return names;
}

}  // namespace

std::vector<SerialPortInfo> ListSerialDevices(const SerialScanRoots& roots) {
    const auto byId = ReadById(roots.serialById);
    std::vector<SerialPortInfo> found;
    std::error_code ec;
    for (fs::directory_iterator it(roots.sysClassTty, ec), end; !ec && it != end;
         it.increment(ec)) {
        const fs::path entry = it->path();
        const std::string name = entry.filename().string();
        std::error_code deviceError;
        if (!fs::exists(entry / "device", deviceError)) continue;  // virtual terminals
        const fs::path typeFile = entry / "type";
        if (fs::exists(typeFile, deviceError) && FirstLine(typeFile) == "0") continue;
        SerialPortInfo info{(roots.dev / name).string(), {}};
        if (const auto idName = byId.find(name); idName != byId.end()) {
            info.description = idName->second;
        } else {
            std::error_code driverError;
            const fs::path driver = fs::read_symlink(entry / "device" / "driver", driverError);
            if (!driverError) info.description = driver.filename().string();
        }
        found.push_back(std::move(info));
    }
    std::sort(found.begin(), found.end(),
              [](const SerialPortInfo& a, const SerialPortInfo& b) { return a.path < b.path; });
    return found;
}

}  // namespace serial
