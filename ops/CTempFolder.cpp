#include "ops/CTempFolder.h"

#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <system_error>

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kPrefix = "stampix-";
constexpr std::size_t kRandomPart = 6;  // mkdtemp's XXXXXX
constexpr const char* kOwnerFile = "owner";
// A folder that names no owner may be one whose owner file is being written right now.
constexpr std::chrono::minutes kUnownedGrace{10};

// The start time of process `pid` in clock ticks after boot (field 22 of its stat line);
// nullopt when it cannot be read.
std::optional<unsigned long long> ProcessStartTime(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(in, line)) return std::nullopt;
    const std::size_t nameEnd = line.rfind(')');  // the name may hold blanks and ')'
    if (nameEnd == std::string::npos) return std::nullopt;
    std::istringstream fields(line.substr(nameEnd + 1));
    std::string field;
    for (int i = 3; i < 22 && fields >> field; ++i) {
    }
    unsigned long long start = 0;
    if (!(fields >> start)) return std::nullopt;
    return start;
}

struct Owner {
    pid_t pid = 0;
    unsigned long long startTime = 0;
};

std::optional<Owner> ReadOwner(const fs::path& folder) {
    std::ifstream in(folder / kOwnerFile);
    long long pid = 0;
    Owner owner;
    if (!(in >> pid >> owner.startTime) || pid <= 0 || pid > INT32_MAX) return std::nullopt;
    owner.pid = static_cast<pid_t>(pid);
    return owner;
}

bool OwnerIsGone(const Owner& owner) {
    if (::kill(owner.pid, 0) != 0 && errno == ESRCH) return true;
    const auto start = ProcessStartTime(owner.pid);
    return start.has_value() && *start != owner.startTime;  // the ID was given out again
}

bool LooksLikeOurs(const fs::directory_entry& entry) {
    const std::string name = entry.path().filename().string();
    if (name.size() != kPrefix.size() + kRandomPart || name.rfind(kPrefix, 0) != 0) return false;
    struct stat info {};
    // A link or a file of that name, or another user's folder, is left alone.
    return ::lstat(entry.path().c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid();
}

bool IsStale(const fs::path& folder) {
    if (const auto owner = ReadOwner(folder)) return OwnerIsGone(*owner);
    std::error_code ec;
    const auto changed = fs::last_write_time(folder, ec);
    return !ec && fs::file_time_type::clock::now() - changed > kUnownedGrace;
}

void WriteOwner(const fs::path& folder) {
    const pid_t self = ::getpid();
    std::ofstream out(folder / kOwnerFile);
    out << self << ' ' << ProcessStartTime(self).value_or(0) << '\n';
}

}  // namespace

CTempFolder::CTempFolder() {
    const char* tmpdir = std::getenv("TMPDIR");
    for (const std::string& base : {std::string(tmpdir ? tmpdir : ""), std::string("/tmp")}) {
        if (base.empty()) continue;
        RemoveStaleFolders(base);
        std::string pattern = base + "/" + std::string(kPrefix) + "XXXXXX";
        if (mkdtemp(pattern.data()) != nullptr) {
            m_path = pattern;
            WriteOwner(m_path);
            return;
        }
    }
}

CTempFolder::~CTempFolder() {
    if (m_path.empty()) return;
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}

fs::path CTempFolder::TransferFile(int slot) const {
    if (m_path.empty()) return {};  // no folder: the write fails and says so
    return m_path / ("QUIL" + std::to_string(slot));
}

int CTempFolder::RemoveStaleFolders(const fs::path& base) {
    int removed = 0;
    std::error_code ec;
    for (fs::directory_iterator it(base, ec), end; !ec && it != end; it.increment(ec)) {
        if (!LooksLikeOurs(*it) || !IsStale(it->path())) continue;
        std::error_code removeError;
        if (fs::remove_all(it->path(), removeError) > 0 && !removeError) ++removed;
    }
    return removed;
}
