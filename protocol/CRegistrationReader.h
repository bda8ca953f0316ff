#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "items/CItemTable.h"
#include "protocol/InfoResult.h"
#include "serial/ISerialLink.h"

// The information exchange on an open, configured link: sends the information request
// (once more if unanswered), reads the reply and the stream of registration records with
// their character entries, and stores each complete record in its table slot.
//
// The stream comes from outside and is trusted for nothing: a read that comes back short
// ends it as broken (records stored before stay), a record that claims more entries than
// the announced length leaves ends it as broken, and a record whose ID is not 00..99 or
// whose pattern count exceeds a slot's 5000 entries is read off the line and dropped.
class CRegistrationReader {
  public:
    CRegistrationReader(ISerialLink& link, IdleCallback idle);

    InfoResult Run(CItemTable& table, const InfoCallbacks& callbacks);

  private:
    // Writes a frame and waits until it has left the port.
    void SendFrame(std::span<const std::uint8_t> frame);
    bool ReadExactly(std::uint8_t* buffer, std::size_t length);
    bool ReadStream(CItemTable& table, const InfoCallbacks& callbacks, std::int64_t total,
                    InfoResult& result);

    ISerialLink& m_link;
    IdleCallback m_idle;
    std::vector<std::uint8_t> m_entries;  // entries of the record being read
};
