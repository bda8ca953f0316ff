#include "serial/StablePortName.h"

#include <algorithm>
#include <system_error>
#include <vector>

#include "serial/SerialPortName.h"

namespace serial {

std::string StablePortName(const std::string& port, const std::filesystem::path& byIdFolder) {
    const std::string device = ResolvePortName(port).value_or(port);
    std::error_code error;
    const std::filesystem::path canonical = std::filesystem::canonical(device, error);
    if (error) return port;

    std::vector<std::string> links;
    std::filesystem::directory_iterator entries(byIdFolder, error);
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        std::error_code linkError;
        const std::filesystem::path target = std::filesystem::canonical(entries->path(), linkError);
        if (!linkError && target == canonical) links.push_back(entries->path().string());
    }
    if (links.empty()) return canonical.string();
    // One adapter may have several names (one per interface); the first in order is kept.
    return *std::min_element(links.begin(), links.end());
}

}  // namespace serial
