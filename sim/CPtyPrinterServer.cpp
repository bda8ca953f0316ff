#include "sim/CPtyPrinterServer.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <system_error>
#include <thread>

namespace {

// With pacing, bytes are taken in small bites so that replies are not held up long.
constexpr std::size_t kPacedChunk = 64;
constexpr std::size_t kChunk = 4096;
constexpr std::chrono::milliseconds kMaxPoll{100};
// A reply that nobody reads for a second is dropped, so that the server never hangs.
constexpr int kMaxStalls = 10;

}  // namespace

CPtyPrinterServer::CPtyPrinterServer(CPrinterModel& model, std::uint32_t baudRate)
    : m_model(model), m_baudRate(baudRate), m_start(Clock::now()), m_lineFree(m_start) {}

CPtyPrinterServer::~CPtyPrinterServer() {
    if (!m_link.empty()) {
        std::error_code ec;
        std::filesystem::remove(m_link, ec);
    }
    if (m_slave >= 0) ::close(m_slave);
    if (m_master >= 0) ::close(m_master);
}

bool CPtyPrinterServer::Open(std::string& error) {
    char name[256] = {};
    termios raw{};
    ::cfmakeraw(&raw);
    raw.c_cflag |= CLOCAL | CREAD;
    ::cfsetispeed(&raw, B115200);
    ::cfsetospeed(&raw, B115200);
    if (::openpty(&m_master, &m_slave, name, &raw, nullptr) != 0) {
        error = std::string("openpty: ") + std::strerror(errno);
        return false;
    }
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    // Packet mode: the tool's flush of the line (when it opens or closes the port) reaches
    // the server as a status packet, which ends whatever conversation was left half-way.
    int packet = 1;
    if (::ioctl(m_master, TIOCPKT, &packet) != 0) {
        error = std::string("packet mode: ") + std::strerror(errno);
        return false;
    }
    ::fcntl(m_master, F_SETFD, FD_CLOEXEC);
    ::fcntl(m_slave, F_SETFD, FD_CLOEXEC);
    m_devicePath = name;
    return true;
}

bool CPtyPrinterServer::CreateLink(const std::filesystem::path& link, std::string& error) {
    std::error_code ec;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(link, ec))) {
        std::filesystem::remove(link, ec);
    }
    std::filesystem::create_symlink(m_devicePath, link, ec);
    if (ec) {
        error = "cannot create link " + link.string() + ": " + ec.message();
        return false;
    }
    m_link = link;
    return true;
}

std::int64_t CPtyPrinterServer::NowMs() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - m_start).count();
}

CPtyPrinterServer::Clock::duration CPtyPrinterServer::ByteTime(std::size_t bytes) const {
    if (m_baudRate == 0) return Clock::duration::zero();
    const auto nanos = static_cast<std::int64_t>(bytes) * 10 * 1'000'000'000LL / m_baudRate;
    return std::chrono::duration_cast<Clock::duration>(std::chrono::nanoseconds(nanos));
}

void CPtyPrinterServer::Serve(const std::atomic<bool>& stop) {
    while (!stop.load()) {
        WriteToLine();
        auto timeout = std::chrono::duration_cast<Clock::duration>(kMaxPoll);
        if (const auto due = m_model.NextOutputTime()) {
            const auto until = std::chrono::milliseconds(std::max<std::int64_t>(*due - NowMs(), 0));
            timeout = std::min<Clock::duration>(timeout, until);
        }
        pollfd pfd{m_master, POLLIN | POLLPRI, 0};
        const timespec now{0, 0};
        int ready = ::ppoll(&pfd, 1, &now, nullptr);
        const bool waited = ready <= 0;
        if (waited) {
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(timeout).count();
            const timespec ts{static_cast<time_t>(ns / 1'000'000'000),
                              static_cast<long>(ns % 1'000'000'000)};
            ready = ::ppoll(&pfd, 1, &ts, nullptr);
        }
        if (ready > 0 && (pfd.revents & (POLLIN | POLLPRI)) != 0) ReadFromLine(waited);
    }
}

void CPtyPrinterServer::ReadFromLine(bool waited) {
    // One byte more for packet mode's leading control byte: 0 before data, status bits alone.
    std::array<std::uint8_t, kChunk + 1> packet{};
    const std::size_t want = (m_baudRate == 0 ? kChunk : kPacedChunk) + 1;
    const ssize_t n = ::read(m_master, packet.data(), want);
    if (n <= 0) return;
    if (packet[0] != TIOCPKT_DATA) {
        if ((packet[0] & (TIOCPKT_FLUSHREAD | TIOCPKT_FLUSHWRITE)) != 0) m_model.LineReset();
        return;
    }
    const std::uint8_t* buffer = packet.data() + 1;
    const auto count = static_cast<std::size_t>(n) - 1;
    if (count == 0) return;
    if (m_baudRate != 0) {
        // Bytes that were already waiting came in back to back on the line; after an idle
        // line they started arriving when we noticed them.
        if (waited) m_lineFree = std::max(m_lineFree, Clock::now());
        m_lineFree += ByteTime(count);
        std::this_thread::sleep_until(m_lineFree);
    }
    m_model.Receive({buffer, count}, NowMs());
}

void CPtyPrinterServer::WriteToLine() {
    std::array<std::uint8_t, kChunk> buffer{};
    while (true) {
        const std::size_t want = m_baudRate == 0 ? kChunk : kPacedChunk;
        const std::size_t count = m_model.TakeOutput(buffer.data(), want, NowMs());
        if (count == 0) return;
        if (m_baudRate != 0) {
            m_lineFree = std::max(m_lineFree, Clock::now()) + ByteTime(count);
            std::this_thread::sleep_until(m_lineFree);
        }
        std::size_t written = 0;
        int stalls = 0;
        while (written < count && stalls < kMaxStalls) {
            const ssize_t n = ::write(m_master, buffer.data() + written, count - written);
            if (n > 0) {
                written += static_cast<std::size_t>(n);
            } else if (n < 0 && errno == EAGAIN) {
                // Nobody reads: wait until the line takes bytes again.
                pollfd pfd{m_master, POLLOUT, 0};
                if (::poll(&pfd, 1, static_cast<int>(kMaxPoll.count())) <= 0) ++stalls;
            } else if (n < 0 && errno != EINTR) {
                return;  // the reply is lost, as on a line nobody listens to
            }
        }
    }
}
