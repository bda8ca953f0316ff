#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// Called now and then (every few tens of milliseconds) while a read or a write waits, so
// that a window can repaint. The deadlines of the wait do not move because of it.
using IdleCallback = std::function<void()>;

// A byte link to the printer: the serial port, or a stand-in for it in tests.
// Usage per transaction: OpenPort, ConfigurePort, any number of reads and writes, ClosePort.
class ISerialLink {
  public:
    virtual ~ISerialLink() = default;

    // Opens the port by name ("COM1".."COM20" or a device path) for exclusive use.
    virtual bool OpenPort(const std::string& portName) = 0;
    // Puts the open port into the printer's line setting; true when every step succeeded.
    virtual bool ConfigurePort() = 0;
    // Writes all `length` bytes within the write time-out; true when all were written.
    virtual bool WriteBytes(const std::uint8_t* data, std::size_t length,
                            const IdleCallback& idle) = 0;
    // Reads up to `length` bytes into `buffer`, returning as soon as all have arrived or
    // when the read time-out expires. Returns how many arrived; bytes of `buffer` beyond
    // that count keep their previous contents.
    virtual std::size_t ReadUpTo(std::uint8_t* buffer, std::size_t length,
                                 const IdleCallback& idle) = 0;
    // Discards pending input and output and closes the port; true.
    virtual bool ClosePort() = 0;

    // True when at least one byte arrived.
    bool ReadBytes(std::uint8_t* buffer, std::size_t length, const IdleCallback& idle = {}) {
        return ReadUpTo(buffer, length, idle) > 0;
    }
    bool WriteBytes(const std::uint8_t* data, std::size_t length) {
        return WriteBytes(data, length, IdleCallback{});
    }
};
