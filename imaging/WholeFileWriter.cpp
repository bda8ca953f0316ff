#include "imaging/WholeFileWriter.h"

#include <sys/stat.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <string>

namespace {

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

// Gathers small parts (the rows of an image) into writes of a useful size.
class CGatheringWriter {
  public:
    explicit CGatheringWriter(int fd) : m_fd(fd) {}
    bool Add(std::span<const std::uint8_t> bytes) {
        if (m_used + bytes.size() > m_buffer.size()) {
            if (!Flush()) return false;
            if (bytes.size() >= m_buffer.size()) return WriteAll(m_fd, bytes);
        }
        std::copy(bytes.begin(), bytes.end(),
                  m_buffer.begin() + static_cast<std::ptrdiff_t>(m_used));
        m_used += bytes.size();
        return true;
    }
    bool Flush() {
        const bool ok = WriteAll(m_fd, std::span(m_buffer).first(m_used));
        m_used = 0;
        return ok;
    }

  private:
    int m_fd;
    std::array<std::uint8_t, 64 * 1024> m_buffer{};
    std::size_t m_used = 0;
};

}  // namespace

bool WriteFileWhole(const std::filesystem::path& path,
                    std::span<const std::span<const std::uint8_t>> parts) {
    if (path.filename().empty()) return false;
    const std::filesystem::path folder = path.parent_path();
    std::string pattern = ((folder.empty() ? std::filesystem::path(".") : folder) /
                           ("." + path.filename().string() + ".XXXXXX"))
                              .string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) return false;
    bool ok = true;
    {
        CGatheringWriter writer(fd);
        for (const auto& part : parts) ok = ok && writer.Add(part);
        ok = ok && writer.Flush();
    }
    // mkstemp makes the file private; give it the permissions an ordinary new file gets.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ok = ok && ::fchmod(fd, 0666 & ~mask) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(pattern.c_str(), path.c_str()) == 0;
    if (!ok) ::unlink(pattern.c_str());
    return ok;
}
