#include "sim/CSimRegistrations.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <system_error>

namespace {

constexpr char kMagic[8] = {'S', 'T', 'P', 'X', 'S', 'I', 'M', '1'};
constexpr std::uintmax_t kMaxStateFileBytes = 4u << 20;

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// Reads the state file's fields with every length checked against what is left.
class Cursor {
  public:
    explicit Cursor(const std::vector<std::uint8_t>& bytes) : m_bytes(bytes) {}
    bool Take(std::size_t length, const std::uint8_t*& out) {
        if (length > m_bytes.size() - m_pos) return false;
        out = m_bytes.data() + m_pos;
        m_pos += length;
        return true;
    }
    bool U32(std::uint32_t& value) {
        const std::uint8_t* p = nullptr;
        if (!Take(4, p)) return false;
        value = std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
                (std::uint32_t{p[3]} << 24);
        return true;
    }
    bool Vector(std::vector<std::uint8_t>& out) {
        std::uint32_t length = 0;
        const std::uint8_t* p = nullptr;
        if (!U32(length) || !Take(length, p)) return false;
        out.assign(p, p + length);
        return true;
    }
    bool AtEnd() const { return m_pos == m_bytes.size(); }

  private:
    const std::vector<std::uint8_t>& m_bytes;
    std::size_t m_pos = 0;
};

}  // namespace

const SimRegistration* CSimRegistrations::Find(int id) const {
    const auto it = m_items.find(id);
    return it == m_items.end() ? nullptr : &it->second;
}

std::vector<int> CSimRegistrations::Ids() const {
    std::vector<int> ids;
    for (const auto& entry : m_items) ids.push_back(entry.first);
    return ids;
}

std::int64_t CSimRegistrations::MemoryUsed() const {
    std::int64_t used = 0;
    for (const auto& entry : m_items) used += entry.second.MemoryNeed();
    return used;
}

bool CSimRegistrations::Fits(int id, std::int64_t need) const {
    const SimRegistration* old = Find(id);
    const std::int64_t freed = old != nullptr ? old->MemoryNeed() : 0;
    return need >= 0 && MemoryUsed() - freed + need <= kCapacity;
}

bool CSimRegistrations::Store(SimRegistration registration) {
    const auto id = registration.Id();
    if (!id) return false;
    if (registration.entries.size() != std::size_t{registration.PatternCount()} * 6) return false;
    if (!Fits(*id, registration.MemoryNeed())) return false;
    m_items[*id] = std::move(registration);
    return true;
}

bool CSimRegistrations::Erase(int id) { return m_items.erase(id) != 0; }

std::vector<std::uint8_t> CSimRegistrations::Stream() const {
    std::vector<std::uint8_t> stream;
    for (const auto& [id, item] : m_items) {
        stream.insert(stream.end(), item.record.begin(), item.record.end());
        stream.insert(stream.end(), item.entries.begin(), item.entries.end());
    }
    return stream;
}

bool CSimRegistrations::SaveTo(const std::filesystem::path& path, std::string& error) const {
    std::vector<std::uint8_t> bytes(std::begin(kMagic), std::end(kMagic));
    PutU32(bytes, static_cast<std::uint32_t>(m_items.size()));
    for (const auto& [id, item] : m_items) {
        bytes.insert(bytes.end(), item.record.begin(), item.record.end());
        PutU32(bytes, static_cast<std::uint32_t>(item.entries.size()));
        bytes.insert(bytes.end(), item.entries.begin(), item.entries.end());
        PutU32(bytes, static_cast<std::uint32_t>(item.data.size()));
        bytes.insert(bytes.end(), item.data.begin(), item.data.end());
    }
    std::filesystem::path temporary = path;
    temporary += ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) {
            error = "cannot write " + temporary.string();
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        error = "cannot replace " + path.string() + ": " + ec.message();
        return false;
    }
    return true;
}

bool CSimRegistrations::LoadFrom(const std::filesystem::path& path, std::string& error) {
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec || size > kMaxStateFileBytes) {
        error = "cannot read state file " + path.string();
        return false;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    std::ifstream in(path, std::ios::binary);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
    if (static_cast<std::uintmax_t>(in.gcount()) != size) {
        error = "cannot read state file " + path.string();
        return false;
    }
    error = "not a valid state file: " + path.string();
    Cursor cursor(bytes);
    const std::uint8_t* magic = nullptr;
    std::uint32_t count = 0;
    if (!cursor.Take(sizeof kMagic, magic) || std::memcmp(magic, kMagic, sizeof kMagic) != 0 ||
        !cursor.U32(count) || count > 100) {
        return false;
    }
    CSimRegistrations loaded;
    for (std::uint32_t i = 0; i < count; ++i) {
        SimRegistration item;
        const std::uint8_t* record = nullptr;
        if (!cursor.Take(item.record.size(), record)) return false;
        std::copy(record, record + item.record.size(), item.record.begin());
        if (!cursor.Vector(item.entries) || !cursor.Vector(item.data)) return false;
        const auto id = item.Id();
        if (!id || loaded.Contains(*id) || !loaded.Store(std::move(item))) return false;
    }
    if (!cursor.AtEnd()) return false;
    *this = std::move(loaded);
    error.clear();
    return true;
}
