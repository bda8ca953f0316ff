#include "imaging/CByteSource.h"

#include <algorithm>
#include <cstring>

std::size_t CByteSource::Read(std::span<std::uint8_t> out) {
    const std::size_t available = std::min(out.size(), Remaining());
    if (available > 0) std::memcpy(out.data(), m_data.data() + m_pos, available);
    std::fill(out.begin() + static_cast<std::ptrdiff_t>(available), out.end(), 0);
    m_pos += available;
    return available;
}

void CByteSource::Skip(std::uint64_t count) {
    m_pos += static_cast<std::size_t>(std::min<std::uint64_t>(count, Remaining()));
}
