#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>

// A regular file mapped read-only into memory for the time of one load, so that a file of
// any size can be read without copying it or allocating for it.
class CMappedFile {
  public:
    CMappedFile() = default;
    ~CMappedFile();
    CMappedFile(const CMappedFile&) = delete;
    CMappedFile& operator=(const CMappedFile&) = delete;

    // False when `path` is not a regular file that can be opened and mapped.
    bool Open(const std::filesystem::path& path);
    std::span<const std::uint8_t> Bytes() const { return {m_data, m_size}; }

  private:
    const std::uint8_t* m_data = nullptr;
    std::size_t m_size = 0;
    void* m_mapping = nullptr;
};
