// CRS232C over a real pseudo-terminal: the test holds the master end and plays the printer.
#include "serial/CRS232C.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <vector>

#include "serial/SerialTimeouts.h"

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

class CRS232CPtyTest : public testing::Test {
  protected:
    void SetUp() override {
        char name[256] = {};
        ASSERT_EQ(openpty(&m_master, &m_slave, name, nullptr, nullptr), 0);
        m_path = name;
        // The pseudo-terminal stays up while the port is closed and opened again.
        setenv(serial::kTimeoutScaleVariable, "0.02", 1);
    }
    void TearDown() override {
        unsetenv(serial::kTimeoutScaleVariable);
        if (m_master >= 0) close(m_master);
        if (m_slave >= 0) close(m_slave);
    }

    void MasterWrite(std::vector<std::uint8_t> bytes) {
        ASSERT_EQ(write(m_master, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    // Whatever the port sent, waiting up to `wait` for the first byte.
    std::vector<std::uint8_t> MasterRead(std::chrono::milliseconds wait = 500ms) {
        std::vector<std::uint8_t> bytes;
        pollfd pfd{m_master, POLLIN, 0};
        while (poll(&pfd, 1, bytes.empty() ? static_cast<int>(wait.count()) : 50) > 0) {
            std::uint8_t buffer[256];
            const ssize_t n = read(m_master, buffer, sizeof buffer);
            if (n <= 0) break;
            bytes.insert(bytes.end(), buffer, buffer + n);
        }
        return bytes;
    }
    bool OpenConfigured(CRS232C& port) { return port.OpenPort(m_path) && port.ConfigurePort(); }

    int m_master = -1;
    int m_slave = -1;
    std::string m_path;
};

}  // namespace

TEST_F(CRS232CPtyTest, SecondOpenOfTheSameDeviceFailsWhileTheFirstIsOpen) {
    CRS232C first;
    CRS232C second;
    ASSERT_TRUE(first.OpenPort(m_path)) << first.LastError();
    EXPECT_TRUE(first.IsOpen());
    EXPECT_FALSE(second.OpenPort(m_path));
    EXPECT_FALSE(second.IsOpen());
    EXPECT_FALSE(second.LastError().empty());
    EXPECT_TRUE(first.ClosePort());
    EXPECT_FALSE(first.IsOpen());
    // Closed again, the device is free for anyone, any number of times.
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(second.OpenPort(m_path)) << second.LastError();
        EXPECT_TRUE(second.ClosePort());
    }
}

TEST_F(CRS232CPtyTest, OpenRefusesNamesAndFilesThatAreNoPorts) {
    CRS232C port;
    const auto failure = [&port](const std::string& name) {
        EXPECT_FALSE(port.OpenPort(name));
        const auto why = port.OpenFailure();
        return why ? std::pair{why->device, why->error} : std::pair{std::string("none"), -1};
    };
    EXPECT_EQ(failure("COM21"), (std::pair{std::string("COM21"), 0}));
    EXPECT_EQ(failure("printer"), (std::pair{std::string("printer"), 0}));
    EXPECT_EQ(failure("/nonexistent/tty"), (std::pair{std::string("/nonexistent/tty"), ENOENT}));
    EXPECT_EQ(failure("/etc/hostname"), (std::pair{std::string("/etc/hostname"), ENOTTY}));
    EXPECT_FALSE(port.IsOpen());
    EXPECT_TRUE(port.ClosePort());  // closing a closed port is harmless

    CRS232C holder;
    ASSERT_TRUE(holder.OpenPort(m_path));
    EXPECT_EQ(failure(m_path), (std::pair{m_path, EBUSY}));  // held by another program
    holder.ClosePort();
    EXPECT_TRUE(port.OpenPort(m_path));
    EXPECT_FALSE(port.OpenFailure().has_value());
}

TEST_F(CRS232CPtyTest, ConfigureNeedsAnOpenPortAndSetsRawLine) {
    CRS232C port;
    EXPECT_FALSE(port.ConfigurePort());
    ASSERT_TRUE(OpenConfigured(port)) << port.LastError();
    // Control characters that a cooked line would translate or swallow pass unchanged.
    const std::vector<std::uint8_t> awkward{0x0D, 0x0A, 0x11, 0x13, 0x03, 0x04, 0x7F, 0xFF, 0x00};
    ASSERT_TRUE(port.WriteBytes(awkward.data(), awkward.size()));
    EXPECT_EQ(MasterRead(), awkward);
    MasterWrite(awkward);
    std::vector<std::uint8_t> received(awkward.size());
    EXPECT_EQ(port.ReadUpTo(received.data(), received.size(), {}), awkward.size());
    EXPECT_EQ(received, awkward);
    EXPECT_TRUE(MasterRead(50ms).empty()) << "no echo";
}

TEST_F(CRS232CPtyTest, UnsupportedBaudRateFailsConfigure) {
    CRS232C port;
    port.SetBaudRate(12345);
    ASSERT_TRUE(port.OpenPort(m_path));
    EXPECT_FALSE(port.ConfigurePort());
    port.SetBaudRate(CRS232C::kDefaultBaudRate);
    EXPECT_TRUE(port.ConfigurePort());
}

TEST_F(CRS232CPtyTest, ShortReadIsTrueAndLeavesTheRestOfTheBufferAlone) {
    CRS232C port;
    ASSERT_TRUE(OpenConfigured(port));
    MasterWrite({0x41});
    std::array<std::uint8_t, 3> buffer{0xAA, 0xBB, 0xCC};
    EXPECT_TRUE(port.ReadBytes(buffer.data(), buffer.size()));
    EXPECT_EQ(buffer, (std::array<std::uint8_t, 3>{0x41, 0xBB, 0xCC}));
}

TEST_F(CRS232CPtyTest, SilentReadFailsAfterItsScaledDeadline) {
    CRS232C port;
    ASSERT_TRUE(OpenConfigured(port));
    std::array<std::uint8_t, 3> buffer{1, 2, 3};
    int idleCalls = 0;
    const auto start = Clock::now();
    EXPECT_FALSE(port.ReadBytes(buffer.data(), buffer.size(), [&] { ++idleCalls; }));
    const auto elapsed = Clock::now() - start;
    EXPECT_GE(elapsed, 106ms);           // 5300 ms x 0.02
    EXPECT_LT(elapsed, 106ms + 1000ms);  // generous: machines under load
    EXPECT_EQ(buffer, (std::array<std::uint8_t, 3>{1, 2, 3}));
    EXPECT_GE(idleCalls, 4);  // every 25 ms
}

TEST_F(CRS232CPtyTest, ReadReturnsAsSoonAsAllBytesArrived) {
    unsetenv(serial::kTimeoutScaleVariable);
    CRS232C port;
    ASSERT_TRUE(OpenConfigured(port));
    MasterWrite({0x02, 0x41, 0x03, 0x99});
    std::array<std::uint8_t, 3> buffer{};
    const auto start = Clock::now();
    EXPECT_EQ(port.ReadUpTo(buffer.data(), buffer.size(), {}), 3u);
    EXPECT_LT(Clock::now() - start, 1000ms);  // far below the 5300 ms time-out
    EXPECT_EQ(buffer, (std::array<std::uint8_t, 3>{0x02, 0x41, 0x03}));
    // The fourth byte waits for the next read.
    std::uint8_t next = 0;
    EXPECT_TRUE(port.ReadBytes(&next, 1));
    EXPECT_EQ(next, 0x99);
}

TEST_F(CRS232CPtyTest, BytesArrivingInPiecesAreGathered) {
    CRS232C port;
    ASSERT_TRUE(OpenConfigured(port));
    MasterWrite({1, 2});
    std::array<std::uint8_t, 4> buffer{};
    std::thread later([this] {
        std::this_thread::sleep_for(30ms);
        MasterWrite({3, 4});
    });
    EXPECT_EQ(port.ReadUpTo(buffer.data(), buffer.size(), {}), 4u);
    later.join();
    EXPECT_EQ(buffer, (std::array<std::uint8_t, 4>{1, 2, 3, 4}));
}

TEST_F(CRS232CPtyTest, SilentThreeByteReadTakesTheRealFiveThreeHundredMilliseconds) {
    unsetenv(serial::kTimeoutScaleVariable);
    CRS232C port;
    ASSERT_TRUE(OpenConfigured(port));
    std::array<std::uint8_t, 3> buffer{};
    const auto start = Clock::now();
    EXPECT_FALSE(port.ReadBytes(buffer.data(), buffer.size()));
    const auto elapsed = Clock::now() - start;
    EXPECT_GE(elapsed, 5300ms);
    EXPECT_LT(elapsed, 6300ms);
}

TEST_F(CRS232CPtyTest, CloseDiscardsPendingInput) {
    CRS232C port;
    ASSERT_TRUE(OpenConfigured(port));
    MasterWrite({0x10, 0x20, 0x30});
    std::this_thread::sleep_for(20ms);
    EXPECT_TRUE(port.ClosePort());
    ASSERT_TRUE(OpenConfigured(port));
    std::uint8_t byte = 0;
    EXPECT_FALSE(port.ReadBytes(&byte, 1));  // scaled: about 100 ms
}

TEST_F(CRS232CPtyTest, HungUpLineEndsEveryWaitAtOnceUntilTheNextOpen) {
    CRS232C port;
    ASSERT_TRUE(OpenConfigured(port));
    close(m_master);
    m_master = -1;
    std::array<std::uint8_t, 3> buffer{7, 7, 7};
    int idleCalls = 0;
    const auto start = Clock::now();
    EXPECT_FALSE(port.ReadBytes(buffer.data(), buffer.size(), [&] { ++idleCalls; }));
    EXPECT_FALSE(port.ReadBytes(buffer.data(), buffer.size(), [&] { ++idleCalls; }));
    const std::uint8_t byte = 0x02;
    EXPECT_FALSE(port.WriteBytes(&byte, 1));
    EXPECT_FALSE(port.DrainOutput(1, {}));
    EXPECT_LT(Clock::now() - start, 100ms);  // nothing can arrive: no waiting
    EXPECT_LT(idleCalls, 3);
    EXPECT_TRUE(port.LineFailed());
    EXPECT_EQ(buffer, (std::array<std::uint8_t, 3>{7, 7, 7}));
    port.ClosePort();
}

TEST_F(CRS232CPtyTest, StopFromAnotherThreadOrAVanishedNodeEndsASilentRead) {
    unsetenv(serial::kTimeoutScaleVariable);  // the real 5.3 s: only the stop may end it
    CStopFlag stop;
    CRS232C port;
    port.SetStopFlag(&stop);
    ASSERT_TRUE(OpenConfigured(port));
    std::array<std::uint8_t, 3> buffer{};
    auto start = Clock::now();
    std::thread stopper([&stop] {
        std::this_thread::sleep_for(50ms);
        stop.Request();
    });
    EXPECT_FALSE(port.ReadBytes(buffer.data(), buffer.size()));  // no idle callback either
    stopper.join();
    EXPECT_LT(Clock::now() - start, 50ms + 100ms);
    EXPECT_TRUE(port.LineFailed());
    port.ClosePort();

    // The device node removed while the read waits: here a link to the device.
    CRS232C other;
    const std::filesystem::path link =
        std::filesystem::temp_directory_path() / ("stampix-node-" + std::to_string(getpid()));
    std::filesystem::remove(link);
    std::filesystem::create_symlink(m_path, link);
    ASSERT_TRUE(other.OpenPort(link.string()) && other.ConfigurePort()) << other.LastError();
    EXPECT_FALSE(other.LineFailed());
    start = Clock::now();
    std::thread unplug([&link] {
        std::this_thread::sleep_for(50ms);
        std::filesystem::remove(link);
    });
    EXPECT_FALSE(other.ReadBytes(buffer.data(), buffer.size()));
    unplug.join();
    EXPECT_LT(Clock::now() - start, 50ms + 100ms);
    EXPECT_TRUE(other.LineFailed());
}

TEST_F(CRS232CPtyTest, WriteSendsEveryByteAndFailsWhenClosed) {
    CRS232C port;
    const std::uint8_t frame[] = {0x1B, 0x41, 0x1B, 0x2A, 0x46, 0x1B, 0x5A};
    EXPECT_FALSE(port.WriteBytes(frame, sizeof frame));
    ASSERT_TRUE(OpenConfigured(port));
    EXPECT_TRUE(port.WriteBytes(frame, sizeof frame));
    EXPECT_TRUE(port.DrainOutput(sizeof frame, {}));  // a healthy line drains
    EXPECT_EQ(MasterRead(), std::vector<std::uint8_t>(frame, frame + sizeof frame));
    EXPECT_FALSE(port.LineFailed());
}

TEST(CRS232CDevices, PortAppearingAfterConstructionCanBeOpened) {
    CRS232C port;  // scans the devices present now
    int master = -1;
    int slave = -1;
    char name[256] = {};
    ASSERT_EQ(openpty(&master, &slave, name, nullptr, nullptr), 0);
    EXPECT_TRUE(port.OpenPort(name)) << port.LastError();
    port.ClosePort();
    close(master);
    close(slave);
}
