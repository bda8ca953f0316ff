#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Sequential reading of a file, either held in memory or open as a descriptor that is read
// block by block (so that a large file never has to be in memory whole). Reading past the
// end is not an error: the bytes that are not there read as zero, as a short file's missing
// pixels do; a read error counts as the end of the file.
class CByteSource {
  public:
    explicit CByteSource(std::span<const std::uint8_t> data) : m_data(data), m_size(data.size()) {}
    // Reads the open descriptor `fd` (not owned) of a file of `size` bytes.
    CByteSource(int fd, std::uint64_t size) : m_fd(fd), m_size(size) {}

    // Fills `out` from the current position; bytes past the end become zero.
    // Returns how many bytes came from the file.
    std::size_t Read(std::span<std::uint8_t> out);
    // Advances by `count` bytes without reading them.
    void Skip(std::uint64_t count);
    std::uint64_t Position() const { return m_pos; }
    std::uint64_t Size() const { return m_size; }
    std::uint64_t Remaining() const { return m_size - m_pos; }

  private:
    std::size_t ReadFromDescriptor(std::span<std::uint8_t> out);

    std::span<const std::uint8_t> m_data;
    int m_fd = -1;
    std::uint64_t m_size = 0;
    std::uint64_t m_pos = 0;
};
