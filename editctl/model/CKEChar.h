#pragma once

#include <cstdint>
#include <memory>

// Attributes of one character of the text: its advance and the face name it was given.
class CKEChar {
  public:
    CKEChar() = default;
    CKEChar(const CKEChar& other);
    CKEChar& operator=(const CKEChar& other);
    CKEChar(CKEChar&&) noexcept = default;
    CKEChar& operator=(CKEChar&&) noexcept = default;
    ~CKEChar() = default;

    // Null or empty takes the face name away; otherwise the character keeps its own copy.
    void setFaceName(const char* name);
    // The face name, or null when the character uses the control's font.
    const char* faceName() const { return m_faceName.get(); }

    std::int32_t m_width = 0;  // advance in pixels; 0 for CR and LF
    std::unique_ptr<char[]> m_faceName;
};
