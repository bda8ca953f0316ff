#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "editctl/model/CKELine.h"

// One paragraph: the characters up to and including an LF (or up to the end of the text),
// broken into display rows. The rows are owned here; the state's row list points at them.
class CKEPara {
  public:
    std::unique_ptr<CKEPara> clone() const;

    std::int32_t firstChar() const { return m_lines.front()->m_start; }
    std::int32_t endChar() const { return m_lines.back()->m_start + m_lines.back()->m_count; }

    std::vector<std::unique_ptr<CKELine>> m_lines;
};
