#include "decode/SvgRenderProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <new>
#include <system_error>
#include <vector>

#include "decode/SvgBandPainter.h"

extern char** environ;

namespace {

constexpr const char* kProgramName = "stampix-svg-render";
constexpr int kDocumentFd = 3;  // where the helper finds the document
constexpr int kPollMs = 50;     // how often a stop and the budget are looked at

bool IsProgram(const std::filesystem::path& path) { return ::access(path.c_str(), X_OK) == 0; }

// The document in an anonymous file, above the descriptors a child is given.
int DocumentFile(const QByteArray& document) {
    const int made = ::memfd_create("stampix-svg", MFD_CLOEXEC);
    if (made < 0) return -1;
    const int fd = ::fcntl(made, F_DUPFD_CLOEXEC, 10);
    ::close(made);
    if (fd < 0) return -1;
    qsizetype written = 0;
    while (written < document.size()) {
        const ssize_t n = ::write(fd, document.constData() + written,
                                  static_cast<std::size_t>(document.size() - written));
        if (n <= 0 && errno != EINTR) {
            ::close(fd);
            return -1;
        }
        if (n > 0) written += n;
    }
    ::lseek(fd, 0, SEEK_SET);  // the helper reads from the start
    return fd;
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

// The outcome of a helper that ended before it had written every row.
DecodeOutcome EndedEarly(int status, const ImageDecodeRequest& request, std::string& reason) {
    if (request.stopRequested && request.stopRequested()) return DecodeOutcome::Interrupted;
    if (WIFSIGNALED(status)) {
        const int signal = WTERMSIG(status);
        // The terminal's Ctrl+C reaches the whole process group, the helper too.
        if (signal == SIGINT || signal == SIGTERM || signal == SIGHUP) {
            return DecodeOutcome::Interrupted;
        }
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 3) return DecodeOutcome::NoMemory;
    reason = WIFEXITED(status) && WEXITSTATUS(status) == 2 ? "SVG文書として正しくありません。"
                                                           : "描画の処理が異常終了しました。";
    return DecodeOutcome::NotRenderable;
}

}  // namespace

std::filesystem::path SvgRenderProgram() {
    static const std::filesystem::path found = [] {
        std::error_code error;
        const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
#if defined(STAMPIX_SVG_RENDER_INSTALL_DIR)
        if (!error) {
            const auto installed =
                self.parent_path() / STAMPIX_SVG_RENDER_INSTALL_DIR / kProgramName;
            if (IsProgram(installed)) return installed;
        }
#endif
#if defined(STAMPIX_SVG_RENDER_BUILD_PATH)
        if (IsProgram(STAMPIX_SVG_RENDER_BUILD_PATH)) {
            return std::filesystem::path(STAMPIX_SVG_RENDER_BUILD_PATH);
        }
#endif
        return std::filesystem::path();
    }();
    return found;
}

std::optional<DecodeOutcome> DrawSvgInOwnProcess(const std::filesystem::path& program,
                                                 const QByteArray& document, int width, int height,
                                                 const QRectF& bounds,
                                                 const ImageDecodeRequest& request,
                                                 std::chrono::steady_clock::time_point deadline,
                                                 IRgbaRowSink& sink, std::string& reason) {
    const std::size_t stride = static_cast<std::size_t>(width) * 4;
    const int rowsPerBand = SvgRowsPerBand(width, height);
    std::vector<std::uint8_t> band;
    try {
        band.resize(stride * static_cast<std::size_t>(rowsPerBand));
    } catch (const std::bad_alloc&) {
        return DecodeOutcome::NoMemory;
    }
    const int documentFd = DocumentFile(document);
    if (documentFd < 0) return std::nullopt;
    int rows[2];
    if (::pipe2(rows, O_CLOEXEC) != 0) {
        ::close(documentFd);
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, rows[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, documentFd, kDocumentFd);
    // Standard error stays the decoder's: what Qt says there becomes part of the reason.
    std::vector<std::string> arguments = {program.string(),       std::to_string(kDocumentFd),
                                          std::to_string(width),  std::to_string(height),
                                          Number(bounds.x()),     Number(bounds.y()),
                                          Number(bounds.width()), Number(bounds.height())};
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    const int spawned =
        ::posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(rows[1]);
    ::close(documentFd);
    if (spawned != 0) {
        ::close(rows[0]);
        return std::nullopt;
    }

    int top = 0;
    std::size_t filled = 0;
    std::optional<DecodeOutcome> ended;  // set when the helper is stopped or gone
    while (top < height && !ended) {
        if (request.stopRequested && request.stopRequested()) {
            ended = DecodeOutcome::Interrupted;
        } else if (std::chrono::steady_clock::now() > deadline) {
            ended = DecodeOutcome::OverTime;
        }
        if (ended) {
            ::kill(child, SIGKILL);
            break;
        }
        pollfd ready{rows[0], POLLIN, 0};
        if (::poll(&ready, 1, kPollMs) <= 0) continue;  // nothing yet, or a signal
        const int bandRows = std::min(rowsPerBand, height - top);
        const std::size_t want = stride * static_cast<std::size_t>(bandRows) - filled;
        const ssize_t n = ::read(rows[0], band.data() + filled, want);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;  // the helper ended before the last row
        filled += static_cast<std::size_t>(n);
        if (filled == stride * static_cast<std::size_t>(bandRows)) {
            sink.Rows(top, bandRows, band.data(), stride);
            top += bandRows;
            filled = 0;
        }
    }
    ::close(rows[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (ended) return ended;
    if (top >= height) return DecodeOutcome::Decoded;
    return EndedEarly(status, request, reason);
}
