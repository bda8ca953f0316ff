#include "serial/CRS232C.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <optional>

#include "serial/SerialPortName.h"
#include "serial/SerialTimeouts.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::chrono::milliseconds kDrainSlice{2};

std::optional<speed_t> SpeedConstant(std::uint32_t rate) {
    switch (rate) {
        case 1200:
            return B1200;
        case 2400:
            return B2400;
        case 4800:
            return B4800;
        case 9600:
            return B9600;
        case 19200:
            return B19200;
        case 38400:
            return B38400;
        case 57600:
            return B57600;
        case 115200:
            return B115200;
        case 230400:
            return B230400;
        case 460800:
            return B460800;
        case 921600:
            return B921600;
        default:
            return std::nullopt;
    }
}

timespec ToTimespec(std::chrono::nanoseconds wait) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(wait);
    return timespec{static_cast<time_t>(seconds.count()),
                    static_cast<long>((wait - seconds).count())};
}

}  // namespace

CRS232C::CRS232C() { FindPorts(); }

CRS232C::~CRS232C() { ClosePort(); }

const std::vector<SerialPortInfo>& CRS232C::FindPorts() {
    m_ports = serial::ListSerialDevices();
    return m_ports;
}

bool CRS232C::Fail(const std::string& what) {
    m_lastError = what + ": " + std::strerror(errno);
    return false;
}

bool CRS232C::OpenFailed(const std::string& device, int error, const std::string& what) {
    m_openFailure = PortOpenFailure{device, error};
    m_lastError =
        what + " " + device + (error != 0 ? std::string(": ") + std::strerror(error) : "");
    return false;
}

bool CRS232C::OpenPort(const std::string& portName) {
    ClosePort();
    m_lastError.clear();
    m_openFailure.reset();
    const auto path = serial::ResolvePortName(portName);
    if (!path) return OpenFailed(portName, 0, "not a port name:");
    const int fd = ::open(path->c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return OpenFailed(*path, errno, "open");
    const auto refuse = [&](int error, const std::string& what) {
        ::close(fd);
        return OpenFailed(*path, error, what);
    };
    if (!::isatty(fd)) return refuse(ENOTTY, "not a terminal device:");
    // Held by another program: the lock says "would block", which means "busy" here.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        return refuse(errno == EWOULDBLOCK ? EBUSY : errno, "in use (lock):");
    if (::ioctl(fd, TIOCEXCL) != 0) return refuse(errno, "exclusive mode:");
    // A freshly opened port starts with empty queues, whatever arrived while it was closed.
    ::tcflush(fd, TCIOFLUSH);
    m_hPort = fd;
    m_devicePath = *path;
    m_lineFailed = false;
    m_timeoutScale = serial::TimeoutScaleFromEnvironment();
    return true;
}

bool CRS232C::ConfigurePort() {
    if (m_hPort < 0) {
        m_lastError = "port not open";
        return false;
    }
    termios tio{};
    if (::tcgetattr(m_hPort, &tio) != 0) return Fail("tcgetattr");
    const auto speed = SpeedConstant(m_baudRate);
    if (!speed) {
        m_lastError = "unsupported baud rate " + std::to_string(m_baudRate);
        return false;
    }
    // Raw bytes: no line editing, echo, translation or software flow control, which would
    // change or swallow binary data.
    tio.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR |
                                          ICRNL | IXON | IXOFF | IXANY | INPCK);
    tio.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    tio.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    // 8 data bits, no parity, 1 stop bit, no CTS/RTS handshake, modem lines ignored.
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    tio.c_cflag |= CS8 | CREAD | CLOCAL;
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    if (::cfsetispeed(&tio, *speed) != 0 || ::cfsetospeed(&tio, *speed) != 0) {
        return Fail("cfsetspeed");
    }
    if (::tcsetattr(m_hPort, TCSANOW, &tio) != 0) return Fail("tcsetattr");
    // RTS held off. A pseudo-terminal has no modem lines and refuses: that is fine.
    int rts = TIOCM_RTS;
    ::ioctl(m_hPort, TIOCMBIC, &rts);
    return true;
}

bool CRS232C::LineDown(const std::string& what) {
    m_lineFailed = true;
    m_lastError = what;
    return false;
}

bool CRS232C::CheckLine() {
    if (!m_lineFailed && StopRequested()) LineDown("stopped");
    return m_lineFailed;
}

bool CRS232C::DeviceGone() const {
    struct stat byPath {};
    struct stat byHandle {};
    if (::fstat(m_hPort, &byHandle) != 0) return true;
    if (::stat(m_devicePath.c_str(), &byPath) != 0) return errno == ENOENT || errno == ENOTDIR;
    return byPath.st_rdev != byHandle.st_rdev;
}

void CRS232C::WaitSlice(short events, std::chrono::nanoseconds wait) {
    pollfd pfd{m_hPort, events, 0};
    const timespec ts = ToTimespec(wait);
    const int ready = ::ppoll(&pfd, 1, &ts, nullptr);
    // A hung-up device may still hold bytes to read; the next read takes them, or fails.
    const bool stillReadable = (pfd.revents & POLLIN) != 0;
    if (ready > 0 && (pfd.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0 && !stillReadable) {
        LineDown("the device hung up or reported an error");
    } else if (ready == 0 && DeviceGone()) {
        LineDown("the device went away");
    }
}

bool CRS232C::WriteBytes(const std::uint8_t* data, std::size_t length, const IdleCallback& idle) {
    if (m_hPort < 0) return false;
    const auto deadline =
        Clock::now() + serial::ScaleTimeout(serial::WriteTimeout(length), m_timeoutScale);
    std::size_t written = 0;
    while (written < length) {
        if (CheckLine()) return false;
        const ssize_t n = ::write(m_hPort, data + written, length - written);
        if (n > 0) {
            written += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN)
            return LineDown(std::string("write: ") + std::strerror(errno));
        // Waits are sliced also without an idle callback, so that a stop request or a
        // vanished device ends them soon.
        const auto wait = serial::NextWait(Clock::now(), deadline, true);
        if (wait == std::chrono::nanoseconds::zero()) {
            m_lastError = "write timed out";
            return false;
        }
        WaitSlice(POLLOUT, wait);
        if (idle) idle();
    }
    return true;
}

std::size_t CRS232C::ReadUpTo(std::uint8_t* buffer, std::size_t length, const IdleCallback& idle) {
    if (m_hPort < 0 || length == 0) return 0;
    const auto deadline =
        Clock::now() + serial::ScaleTimeout(serial::ReadTimeout(length), m_timeoutScale);
    std::size_t received = 0;
    while (received < length && !CheckLine()) {
        const ssize_t n = ::read(m_hPort, buffer + received, length - received);
        if (n > 0) {
            received += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        // End of file or an error other than "nothing yet": the device hung up.
        if (n == 0) {
            LineDown("the device hung up");
            break;
        }
        if (errno != EAGAIN) {
            LineDown(std::string("read: ") + std::strerror(errno));
            break;
        }
        const auto wait = serial::NextWait(Clock::now(), deadline, true);
        if (wait == std::chrono::nanoseconds::zero()) break;
        WaitSlice(POLLIN, wait);
        if (idle) idle();
    }
    return received;
}

bool CRS232C::DrainOutput(std::size_t frameLength, const IdleCallback& idle) {
    if (m_hPort < 0) return false;
    const auto deadline =
        Clock::now() + serial::ScaleTimeout(serial::WriteTimeout(frameLength), m_timeoutScale);
    while (!CheckLine()) {
        int queued = 0;
        if (::ioctl(m_hPort, TIOCOUTQ, &queued) != 0 || queued <= 0) {
            // The driver's queue is empty (or it cannot tell): tcdrain waits for the few
            // bytes the hardware itself still holds.
            if (::tcdrain(m_hPort) == 0) return true;
            if (errno == EINTR) continue;
            return LineDown(std::string("tcdrain: ") + std::strerror(errno));
        }
        const auto wait = serial::NextWait(Clock::now(), deadline, true);
        if (wait == std::chrono::nanoseconds::zero()) {
            m_lastError = "output did not drain in time";
            return false;
        }
        // Short slices: a frame of a few bytes leaves within a millisecond or so.
        WaitSlice(0, std::min<std::chrono::nanoseconds>(wait, kDrainSlice));
        if (idle) idle();
    }
    return false;
}

bool CRS232C::ClosePort() {
    if (m_hPort < 0) return true;
    ::tcflush(m_hPort, TCIOFLUSH);
    // The exclusive flag belongs to the device, not to this descriptor: clear it so that the
    // next open (ours or another program's) is not refused.
    ::ioctl(m_hPort, TIOCNXCL);
    ::flock(m_hPort, LOCK_UN);
    ::close(m_hPort);
    m_hPort = -1;
    return true;
}
