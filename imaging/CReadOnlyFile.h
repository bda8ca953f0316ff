#pragma once

#include <cstdint>
#include <filesystem>

// A regular file open for reading for the time of one load; it is read in blocks, never
// mapped, so that only the blocks being worked on take memory.
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

  private:
    int m_fd = -1;
    std::uint64_t m_size = 0;
};
