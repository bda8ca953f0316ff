#include "imaging/CReadOnlyFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

CReadOnlyFile::~CReadOnlyFile() {
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
