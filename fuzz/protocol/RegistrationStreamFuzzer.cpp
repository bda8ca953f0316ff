// The information exchange fed from fuzz bytes: they are the printer's side of the line.
// Reads take the next bytes in order; when the input runs out the line falls silent.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "items/CItemTable.h"
#include "protocol/CRegistrationReader.h"

namespace {

class CReplayLink : public ISerialLink {
  public:
    CReplayLink(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    bool OpenPort(const std::string&) override { return true; }
    bool ConfigurePort() override { return true; }
    bool WriteBytes(const std::uint8_t*, std::size_t, const IdleCallback&) override { return true; }
    std::size_t ReadUpTo(std::uint8_t* buffer, std::size_t length, const IdleCallback&) override {
        const std::size_t n = std::min(length, m_size - m_pos);
        std::copy_n(m_data + m_pos, n, buffer);
        m_pos += n;
        return n;
    }
    bool ClosePort() override { return true; }

  private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static CItemTable table;
    CReplayLink link(data, size);
    CRegistrationReader reader(link, {});
    const InfoResult result = reader.Run(table, {});
    int registered = 0;
    for (int slot = 0; slot < kItemCount; ++slot) {
        const CFontPT& item = table[slot];
        if (item.m_state != ITEM_REGISTERED) continue;
        ++registered;
        // Only whole, valid records are stored, each in the slot of its own ID.
        if (item.m_id != slot || item.m_patternCount < 0 || item.m_patternCount > kMaxEntries) {
            std::abort();
        }
    }
    if (registered > result.recordsStored) std::abort();
    return 0;
}
