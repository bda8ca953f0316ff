#include "ops/CSyncLedger.h"

#include <sys/file.h>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <system_error>

#include "imaging/PatternHash.h"
#include "imaging/WholeFileWriter.h"
#include "items/CItemTable.h"

namespace {

constexpr const char* kHeader = "# stampix sync: the pattern last sent to each printer and ID\n";

// A port name that fits on one line of the file.
bool IsRecordable(const std::string& port) {
    if (port.empty()) return false;
    for (const char c : port) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
    }
    return true;
}

// Holds an exclusive lock on `path` (created when missing) while it lives.
class CFileLock {
  public:
    explicit CFileLock(const std::filesystem::path& path)
        : m_fd(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
        if (m_fd < 0) return;
        while (::flock(m_fd, LOCK_EX) != 0) {
            if (errno == EINTR) continue;
            ::close(m_fd);
            m_fd = -1;
            return;
        }
    }
    ~CFileLock() {
        if (m_fd >= 0) ::close(m_fd);
    }
    CFileLock(const CFileLock&) = delete;
    CFileLock& operator=(const CFileLock&) = delete;
    bool Held() const { return m_fd >= 0; }

  private:
    int m_fd;
};

}  // namespace

std::filesystem::path CSyncLedger::DefaultPath() {
    std::filesystem::path state;
    const char* xdg = std::getenv("XDG_STATE_HOME");
    // The base directory rules ignore a relative folder.
    if (xdg != nullptr && std::filesystem::path(xdg).is_absolute()) {
        state = xdg;
    } else {
        const char* home = std::getenv("HOME");
        if (home == nullptr || !std::filesystem::path(home).is_absolute()) return {};
        state = std::filesystem::path(home) / ".local" / "state";
    }
    return state / "stampix" / "sync-ledger";
}

bool CSyncLedger::ReadEntries(const std::filesystem::path& path, Entries& entries,
                              std::string& error) {
    entries.clear();
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        if (ec) error = ec.message();
        return !ec;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec || size > kMaxFileBytes) {
        error = ec ? ec.message() : "larger than a ledger can be";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = std::strerror(errno);
        return false;
    }
    // "<16 hex digits> <ID> <port>"; other lines (comments, damage) are skipped.
    std::string line;
    while (std::getline(in, line)) {
        if (line.size() < 20 || line[16] != ' ') continue;
        const std::uint64_t hash = ParsePatternHash(line.substr(0, 16));
        const std::size_t space = line.find(' ', 17);
        if (hash == 0 || space == std::string::npos || space == 17 || space > 19) continue;
        int id = 0;
        bool digits = true;
        for (std::size_t i = 17; i < space; ++i) {
            digits = digits && line[i] >= '0' && line[i] <= '9';
            id = id * 10 + (line[i] - '0');
        }
        const std::string port = line.substr(space + 1);
        if (!digits || !CItemTable::IsValidSlot(id) || !IsRecordable(port)) continue;
        entries[{port, id}] = hash;
    }
    return true;
}

std::string CSyncLedger::Format(const Entries& entries) {
    std::string text = kHeader;
    for (const auto& [key, hash] : entries) {
        text += PatternHashText(hash) + ' ' + std::to_string(key.second) + ' ' + key.first + '\n';
    }
    return text;
}

bool CSyncLedger::Load(std::string& error) {
    std::lock_guard lock(m_mutex);
    m_changes.clear();
    if (m_path.empty()) {
        m_entries.clear();
        return true;
    }
    return ReadEntries(m_path, m_entries, error);
}

std::map<int, std::uint64_t> CSyncLedger::SentTo(const std::string& port) const {
    std::lock_guard lock(m_mutex);
    std::map<int, std::uint64_t> sent;
    for (auto it = m_entries.lower_bound({port, 0});
         it != m_entries.end() && it->first.first == port; ++it) {
        sent[it->first.second] = it->second;
    }
    return sent;
}

void CSyncLedger::Apply(const Change& change, Entries& entries) const {
    if (change.hash == 0) {
        entries.erase(change.key);
    } else {
        entries[change.key] = change.hash;
    }
}

void CSyncLedger::Record(const std::string& port, int id, std::uint64_t hash) {
    if (!IsRecordable(port) || !CItemTable::IsValidSlot(id) || hash == 0) return;
    std::lock_guard lock(m_mutex);
    m_changes.push_back({{port, id}, hash});
    Apply(m_changes.back(), m_entries);
}

void CSyncLedger::Forget(const std::string& port, int id) {
    std::lock_guard lock(m_mutex);
    m_changes.push_back({{port, id}, 0});
    Apply(m_changes.back(), m_entries);
}

bool CSyncLedger::Save(std::string& error) {
    std::lock_guard lock(m_mutex);
    if (m_path.empty() || m_changes.empty()) return true;
    std::error_code ec;
    std::filesystem::create_directories(m_path.parent_path(), ec);
    if (ec) {
        error = ec.message();
        return false;
    }
    CFileLock fileLock(m_path.string() + ".lock");
    if (!fileLock.Held()) {
        error = std::strerror(errno);
        return false;
    }
    // Another run may have saved since this one loaded: its entries for other ports and IDs
    // stay.
    Entries merged;
    std::string readError;
    if (!ReadEntries(m_path, merged, readError)) merged.clear();
    for (const Change& change : m_changes) Apply(change, merged);
    const std::string text = Format(merged);
    const std::span<const std::uint8_t> parts[] = {
        {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}};
    if (!WriteFileWhole(m_path, parts)) {
        error = std::strerror(errno);
        return false;
    }
    m_changes.clear();
    m_entries = std::move(merged);
    return true;
}
