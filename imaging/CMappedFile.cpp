#include "imaging/CMappedFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

CMappedFile::~CMappedFile() {
    if (m_mapping != nullptr) ::munmap(m_mapping, m_size);
}

bool CMappedFile::Open(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    m_size = static_cast<std::size_t>(info.st_size);
    if (m_size > 0) {
        void* mapping = ::mmap(nullptr, m_size, PROT_READ, MAP_PRIVATE, fd, 0);
        if (mapping == MAP_FAILED) {
            ::close(fd);
            m_size = 0;
            return false;
        }
        m_mapping = mapping;
        m_data = static_cast<const std::uint8_t*>(mapping);
    }
    ::close(fd);
    return true;
}
