#include "cli/PortDevices.h"

#include <sys/stat.h>

#include <filesystem>

#include "serial/SerialPortName.h"

namespace {

std::string DevicePath(const std::string& port) {
    return serial::ResolvePortName(port).value_or(port);
}

}  // namespace

bool SamePortDevice(const std::string& a, const std::string& b) {
    const std::string pathA = DevicePath(a);
    const std::string pathB = DevicePath(b);
    struct stat statA {};
    struct stat statB {};
    if (::stat(pathA.c_str(), &statA) == 0 && ::stat(pathB.c_str(), &statB) == 0) {
        if (S_ISCHR(statA.st_mode) && S_ISCHR(statB.st_mode)) return statA.st_rdev == statB.st_rdev;
        return statA.st_dev == statB.st_dev && statA.st_ino == statB.st_ino;
    }
    return std::filesystem::path(pathA).lexically_normal() ==
           std::filesystem::path(pathB).lexically_normal();
}

std::optional<std::pair<std::size_t, std::size_t>> FindSharedDevice(
    const std::vector<std::string>& ports) {
    for (std::size_t i = 0; i < ports.size(); ++i) {
        for (std::size_t j = i + 1; j < ports.size(); ++j) {
            if (SamePortDevice(ports[i], ports[j])) return std::make_pair(i, j);
        }
    }
    return std::nullopt;
}
