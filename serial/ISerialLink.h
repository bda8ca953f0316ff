#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "serial/CStopFlag.h"
#include "serial/PortOpenFailure.h"

// Called now and then (every few tens of milliseconds) while a read or a write waits, so
// that a window can repaint. The deadlines of the wait do not move because of it.
using IdleCallback = std::function<void()>;

// A byte link to the printer: the serial port, or a stand-in for it in tests.
// Usage per transaction: OpenPort, ConfigurePort, any number of reads and writes, ClosePort.
//
// A line that fails (the device hangs up, reports an error or goes away) or a stop request
// ends every wait at once: from then until the next OpenPort, reads receive nothing and
// writes fail without waiting, and LineFailed() says so.
class ISerialLink {
  public:
    virtual ~ISerialLink() = default;

    // Opens the port by name ("COM1".."COM20" or a device path) for exclusive use.
    virtual bool OpenPort(const std::string& portName) = 0;
    // Why the last OpenPort failed, when the link can tell.
    virtual std::optional<PortOpenFailure> OpenFailure() const { return std::nullopt; }
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
    // Waits until every byte written has left the port, for at most the write time-out of a
    // frame of `frameLength` bytes; true when the output drained. A link without an output
    // queue of its own has nothing to wait for.
    virtual bool DrainOutput(std::size_t frameLength, const IdleCallback& idle) {
        (void)frameLength;
        (void)idle;
        return !LineFailed();
    }
    // Discards pending input and output and closes the port; true.
    virtual bool ClosePort() = 0;
    // True once the line can carry nothing more in this transaction (see above). A link
    // that cannot fail by itself fails only on a stop request.
    virtual bool LineFailed() const { return StopRequested(); }

    // The stop request that abandons the link's waits (null: none). It must outlive the
    // link's use.
    void SetStopFlag(const CStopFlag* stop) { m_stop = stop; }

    // True when at least one byte arrived.
    bool ReadBytes(std::uint8_t* buffer, std::size_t length, const IdleCallback& idle = {}) {
        return ReadUpTo(buffer, length, idle) > 0;
    }
    bool WriteBytes(const std::uint8_t* data, std::size_t length) {
        return WriteBytes(data, length, IdleCallback{});
    }

  protected:
    bool StopRequested() const { return m_stop != nullptr && m_stop->IsRequested(); }

  private:
    const CStopFlag* m_stop = nullptr;
};
