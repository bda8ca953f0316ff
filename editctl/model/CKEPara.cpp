#include "editctl/model/CKEPara.h"

std::unique_ptr<CKEPara> CKEPara::clone() const {
    auto copy = std::make_unique<CKEPara>();
    copy->m_lines.reserve(m_lines.size());
    for (const auto& line : m_lines) {
        copy->m_lines.push_back(std::make_unique<CKELine>(*line));
    }
    return copy;
}
