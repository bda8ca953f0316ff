#include "sim/CPrinterSimProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

CPrinterSimProcess::~CPrinterSimProcess() { Stop(); }

bool CPrinterSimProcess::Start(const std::filesystem::path& program,
                               const std::vector<std::string>& arguments, std::string& error,
                               std::chrono::milliseconds wait, std::size_t devices) {
    Stop();
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
        error = std::string("pipe: ") + std::strerror(errno);
        return false;
    }
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    std::vector<std::string> argvStrings{program.string()};
    argvStrings.insert(argvStrings.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& text : argvStrings) argv.push_back(text.data());
    argv.push_back(nullptr);
    const int spawned =
        ::posix_spawn(&m_pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    ::posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    if (spawned != 0) {
        m_pid = -1;
        ::close(pipeFds[0]);
        error = "cannot start " + program.string() + ": " + std::strerror(spawned);
        return false;
    }
    // The first lines are the device paths.
    std::vector<std::string> lines;
    std::string line;
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (lines.size() < devices) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd pfd{pipeFds[0], POLLIN, 0};
        if (left.count() <= 0 || ::poll(&pfd, 1, static_cast<int>(left.count())) <= 0) break;
        char c = 0;
        if (::read(pipeFds[0], &c, 1) != 1) break;
        if (c != '\n') {
            line.push_back(c);
        } else if (!line.empty()) {
            lines.push_back(std::move(line));
            line.clear();
        } else {
            break;
        }
    }
    ::close(pipeFds[0]);
    if (lines.size() < devices || devices == 0) {
        error = "the printer simulator printed no device path";
        m_devicePaths = {std::string()};
        Stop();
        return false;
    }
    m_devicePaths = std::move(lines);
    return true;
}

int CPrinterSimProcess::Stop() {
    if (m_pid <= 0) return -1;
    ::kill(m_pid, SIGTERM);
    int status = 0;
    while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
    }
    m_pid = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
