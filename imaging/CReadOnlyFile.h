#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>

// A regular file open for reading for the time of one load: read in blocks through its
// descriptor, so that only the blocks being worked on take memory, or mapped whole
// (Map), so that a file of any size can be read without copying it.
class CReadOnlyFile {
  public:
    CReadOnlyFile() = default;
    ~CReadOnlyFile();
    CReadOnlyFile(const CReadOnlyFile&) = delete;
    CReadOnlyFile& operator=(const CReadOnlyFile&) = delete;

    // False when `path` is not a regular file that can be opened.
    bool Open(const std::filesystem::path& path);
    int Descriptor() const { return m_fd; }
    std::uint64_t Size() const { return m_size; }

    // Maps the open file read-only; Bytes() then holds it (an empty file maps to no
    // bytes). False when it cannot be mapped.
    bool Map();
    std::span<const std::uint8_t> Bytes() const {
        return {static_cast<const std::uint8_t*>(m_mapping),
                m_mapping != nullptr ? m_mappedSize : 0};
    }

  private:
    int m_fd = -1;
    std::uint64_t m_size = 0;
    void* m_mapping = nullptr;
    std::size_t m_mappedSize = 0;
};
