#include "imaging/CReadOnlyFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <limits>

CReadOnlyFile::~CReadOnlyFile() {
    if (m_mapping != nullptr) ::munmap(m_mapping, m_mappedSize);
    if (m_fd >= 0) ::close(m_fd);
}

bool CReadOnlyFile::Open(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    // The whole file is read front to back once.
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    m_fd = fd;
    m_size = static_cast<std::uint64_t>(info.st_size);
    return true;
}

bool CReadOnlyFile::Map() {
    if (m_fd < 0 || m_size > std::numeric_limits<std::size_t>::max()) return false;
    if (m_mapping != nullptr || m_size == 0) return true;
    const auto size = static_cast<std::size_t>(m_size);
    void* mapping = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, m_fd, 0);
    if (mapping == MAP_FAILED) return false;
    m_mapping = mapping;
    m_mappedSize = size;
    return true;
}
