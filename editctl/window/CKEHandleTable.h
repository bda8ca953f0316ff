#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>

// Objects behind opaque handles. A handle is a number never given out twice, so a handle of
// a destroyed object, a made-up one or null finds nothing and is never dereferenced.
template <typename Handle, typename Object>
class CKEHandleTable {
  public:
    Handle add(std::unique_ptr<Object> object) {
        m_next += kStep;
        const Handle handle = reinterpret_cast<Handle>(m_next);
        m_objects.emplace(m_next, std::move(object));
        return handle;
    }

    Object* find(Handle handle) const {
        const auto it = m_objects.find(reinterpret_cast<std::uintptr_t>(handle));
        return it == m_objects.end() ? nullptr : it->second.get();
    }

    std::unique_ptr<Object> remove(Handle handle) {
        const auto it = m_objects.find(reinterpret_cast<std::uintptr_t>(handle));
        if (it == m_objects.end()) {
            return nullptr;
        }
        std::unique_ptr<Object> object = std::move(it->second);
        m_objects.erase(it);
        return object;
    }

    std::size_t size() const { return m_objects.size(); }

  private:
    // Handles are spaced and start away from 0, so small integers are never valid handles.
    static constexpr std::uintptr_t kStep = 4;
    std::uintptr_t m_next = 0x10000;
    std::unordered_map<std::uintptr_t, std::unique_ptr<Object>> m_objects;
};
