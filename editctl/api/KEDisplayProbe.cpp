#include "editctl/api/KEDisplayProbe.h"

#include <netdb.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

bool ConnectUnix(const std::string& path, bool abstractName) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t offset = abstractName ? 1 : 0;
    if (path.empty() || path.size() + offset >= sizeof(address.sun_path)) {
        return false;
    }
    std::memcpy(address.sun_path + offset, path.data(), path.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    const auto length =
        static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size());
    const bool connected = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0;
    ::close(fd);
    return connected;
}

bool ConnectTcp(const std::string& host, int port) {
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) {
        return false;
    }
    bool connected = false;
    for (addrinfo* a = found; a != nullptr && !connected; a = a->ai_next) {
        const int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
        if (fd >= 0) {
            connected = ::connect(fd, a->ai_addr, a->ai_addrlen) == 0;
            ::close(fd);
        }
    }
    ::freeaddrinfo(found);
    return connected;
}

// DISPLAY is [host]:number[.screen]; an empty host (or "unix") is the local socket.
bool X11DisplayAnswers(std::string_view display) {
    const std::size_t colon = display.rfind(':');
    if (colon == std::string_view::npos) {
        return false;
    }
    const std::string host(display.substr(0, colon));
    std::string_view rest = display.substr(colon + 1);
    rest = rest.substr(0, rest.find('.'));
    if (rest.empty() || rest.find_first_not_of("0123456789") != std::string_view::npos ||
        rest.size() > 5) {
        return false;
    }
    const int number = std::atoi(std::string(rest).c_str());
    if (host.empty() || host == "unix") {
        const std::string path = "/tmp/.X11-unix/X" + std::string(rest);
        return ConnectUnix(path, false) || ConnectUnix(path, true);
    }
    if (host.front() == '/') {
        return ConnectUnix(std::string(display), false);  // a launchd-style socket path
    }
    return ConnectTcp(host, 6000 + number);
}

bool WaylandDisplayAnswers(const char* display) {
    std::string path = display;
    if (path.empty()) {
        return false;
    }
    if (path.front() != '/') {
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        if (runtime == nullptr || *runtime == '\0') {
            return false;
        }
        path = std::string(runtime) + "/" + path;
    }
    return ConnectUnix(path, false);
}

}  // namespace

bool KEPlatformCanStart(std::string& reason) {
    if (const char* platform = std::getenv("QT_QPA_PLATFORM"); platform != nullptr && *platform) {
        return true;
    }
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if (wayland != nullptr && WaylandDisplayAnswers(wayland)) {
        return true;
    }
    const char* x11 = std::getenv("DISPLAY");
    if (x11 != nullptr && *x11 != '\0' && X11DisplayAnswers(x11)) {
        return true;
    }
    reason = x11 != nullptr && *x11 != '\0'
                 ? "the display " + std::string(x11) + " does not answer"
                 : "no display (DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM are not set)";
    return false;
}
