#include "editctl/model/CKEChar.h"

#include <cstring>

CKEChar::CKEChar(const CKEChar& other) : m_width(other.m_width) { setFaceName(other.faceName()); }

CKEChar& CKEChar::operator=(const CKEChar& other) {
    if (this != &other) {
        m_width = other.m_width;
        setFaceName(other.faceName());
    }
    return *this;
}

void CKEChar::setFaceName(const char* name) {
    if (name == nullptr || name[0] == '\0') {
        m_faceName.reset();
        return;
    }
    const std::size_t size = std::strlen(name) + 1;
    auto copy = std::make_unique<char[]>(size);
    std::memcpy(copy.get(), name, size);
    m_faceName = std::move(copy);
}
