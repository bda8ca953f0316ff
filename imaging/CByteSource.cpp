#include "imaging/CByteSource.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

std::size_t CByteSource::Read(std::span<std::uint8_t> out) {
    const auto available =
        static_cast<std::size_t>(std::min<std::uint64_t>(out.size(), Remaining()));
    std::size_t got = 0;
    if (m_fd >= 0) {
        got = ReadFromDescriptor(out.first(available));
    } else {
        if (available > 0) std::memcpy(out.data(), m_data.data() + m_pos, available);
        got = available;
    }
    std::fill(out.begin() + static_cast<std::ptrdiff_t>(got), out.end(), std::uint8_t{0});
    m_pos += got;
    if (got < available) m_pos = m_size;  // a failed read ends the file
    return got;
}

std::size_t CByteSource::ReadFromDescriptor(std::span<std::uint8_t> out) {
    std::size_t got = 0;
    while (got < out.size()) {
        const ssize_t n =
            ::pread(m_fd, out.data() + got, out.size() - got, static_cast<off_t>(m_pos + got));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    return got;
}

void CByteSource::Skip(std::uint64_t count) { m_pos += std::min(count, Remaining()); }
