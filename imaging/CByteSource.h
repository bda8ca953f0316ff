#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Sequential reading of a file held in memory. Reading past the end is not an error: the
// bytes that are not there read as zero, as a short file's missing pixels do.
class CByteSource {
  public:
    explicit CByteSource(std::span<const std::uint8_t> data) : m_data(data) {}

    // Fills `out` from the current position; bytes past the end become zero.
    // Returns how many bytes came from the data.
    std::size_t Read(std::span<std::uint8_t> out);
    // Advances by `count` bytes without reading them.
    void Skip(std::uint64_t count);
    // The bytes from the current position to the end.
    std::span<const std::uint8_t> Rest() const { return m_data.subspan(m_pos); }
    std::size_t Remaining() const { return m_data.size() - m_pos; }

  private:
    std::span<const std::uint8_t> m_data;
    std::size_t m_pos = 0;
};
