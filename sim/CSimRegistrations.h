#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "sim/SimRegistration.h"

// What the virtual printer has registered, by ID, within its 240 Kbyte of memory.
class CSimRegistrations {
  public:
    static constexpr std::int64_t kCapacity = 245760;

    bool Contains(int id) const { return m_items.count(id) != 0; }
    const SimRegistration* Find(int id) const;
    bool Empty() const { return m_items.empty(); }
    std::size_t Count() const { return m_items.size(); }
    std::vector<int> Ids() const;
    std::int64_t MemoryUsed() const;
    // Would a registration needing `need` bytes fit under `id`, replacing what is there?
    bool Fits(int id, std::int64_t need) const;

    // Stores (or replaces) the registration under the ID of its record; false, with nothing
    // changed, when the record has no valid ID, its entries do not match its pattern count,
    // or it does not fit.
    bool Store(SimRegistration registration);
    bool Erase(int id);
    void EraseAll() { m_items.clear(); }

    // The information stream: each record followed by its entries, in ID order.
    std::vector<std::uint8_t> Stream() const;

    // The state file: all registrations, written whole (to a new file renamed over the old).
    bool SaveTo(const std::filesystem::path& path, std::string& error) const;
    // Replaces the registrations with the file's, only when the whole file is valid.
    bool LoadFrom(const std::filesystem::path& path, std::string& error);

  private:
    std::map<int, SimRegistration> m_items;
};
