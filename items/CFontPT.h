#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

// Item states.
inline constexpr int ITEM_UNREGISTERED = 0;  // free slot
inline constexpr int ITEM_REGISTERED = 1;    // the printer holds a logo or font under this ID
inline constexpr int ITEM_NEW = 2;           // added from a file, waits to be downloaded

inline constexpr int kMaxNameBytes = 32;       // registration name, Shift-JIS bytes
inline constexpr int kHeaderSize = 100;        // registration record
inline constexpr int kEntrySize = 6;           // character entry: call code + 4 bytes
inline constexpr int kMaxEntries = 5000;       // character entries one record can hold
inline constexpr int kPatternPrefixSize = 10;  // the printer's prefix before each pattern
inline constexpr std::uint8_t kLogoCallCode[2] = {0x6B, 0x82};

// A registration ID as every list and report writes it: two digits, "00" to "99".
std::string IdText(int id);

// One logo item: a logo or a downloaded font under one registration ID.
// The entry area is held inline (5000 entries of 6 bytes), so copies are plain and a
// record never allocates after construction.
class CFontPT {
  public:
    CFontPT();
    virtual ~CFontPT() = default;
    CFontPT(const CFontPT&) = default;
    CFontPT& operator=(const CFontPT&) = default;

    // Clears ID, name, sizes, font attributes and state; header, path and entries keep
    // their bytes (they are only read while the record is in use).
    void Reset();
    // Copies every field, the whole header and all 5000 entries.
    void CopyFrom(const CFontPT& other);
    // Rebuilds m_header from the fields; the record becomes a one-pattern logo.
    void BuildHeader();
    // Takes a received registration record. Returns false when its ID bytes are not two
    // decimal digits: m_id is then -1 and the record must not be stored in the table.
    bool ParseHeader(std::span<const std::uint8_t, kHeaderSize> record);
    // Bytes of printer memory the record needs: image bytes plus a prefix per pattern.
    std::int64_t GetMemoryNeed() const;

    bool InUse() const { return m_state == ITEM_REGISTERED || m_state == ITEM_NEW; }
    // A logo: one pattern under the logo call code; anything else is a downloaded font.
    bool IsLogo() const {
        return m_patternCount == 1 && m_entries[0] == kLogoCallCode[0] &&
               m_entries[1] == kLogoCallCode[1];
    }

    std::int16_t m_id = 0;
    std::string m_name;  // Shift-JIS, at most kMaxNameBytes bytes
    std::int32_t m_fontSize = 0;
    std::int32_t m_width = 0;
    std::int32_t m_height = 0;
    std::int32_t m_patternSize = 0;
    std::int32_t m_patternCount = 0;
    std::int32_t m_totalSize = 0;
    std::int32_t m_italic = 0;
    std::int32_t m_weight = 0;
    std::array<std::uint8_t, kHeaderSize> m_header{};
    std::int32_t m_state = ITEM_UNREGISTERED;
    std::filesystem::path m_sourcePath;
    std::array<std::uint8_t, kEntrySize * kMaxEntries> m_entries{};
};
