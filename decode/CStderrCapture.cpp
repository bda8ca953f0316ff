#include "decode/CStderrCapture.h"

#include <sys/mman.h>

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cstdio>

namespace {

constexpr std::size_t kMaxText = 4096;

}  // namespace

CStderrCapture::CStderrCapture() {
#if defined(__SANITIZE_ADDRESS__)
    // A sanitizer's report must reach the terminal even when it ends the process here.
    return;
#endif
    std::fflush(stderr);
    m_capture = ::memfd_create("stampix-decoder-stderr", MFD_CLOEXEC);
    if (m_capture < 0) return;  // nothing is captured then; the words reach the terminal
    m_saved = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    if (m_saved < 0 || ::dup2(m_capture, STDERR_FILENO) < 0) {
        if (m_saved >= 0) ::close(m_saved);
        ::close(m_capture);
        m_saved = m_capture = -1;
    }
}

CStderrCapture::~CStderrCapture() { Release(); }

void CStderrCapture::Release() {
    if (m_saved < 0) return;
    std::fflush(stderr);
    ::dup2(m_saved, STDERR_FILENO);
    ::close(m_saved);
    m_saved = -1;
    std::array<char, kMaxText> buffer{};
    const ssize_t n = ::pread(m_capture, buffer.data(), buffer.size(), 0);
    ::close(m_capture);
    m_capture = -1;
    for (ssize_t i = 0; i < n; ++i) {
        const char c = buffer[static_cast<std::size_t>(i)];
        if (c == '\n') {
            if (i + 1 < n) m_text += "; ";
        } else if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') {
            m_text += c;  // no control character of a library reaches the operator
        }
    }
}
