#include "ops/CTempFolder.h"

#include <stdlib.h>

#include <string>
#include <system_error>

CTempFolder::CTempFolder() {
    const char* tmpdir = std::getenv("TMPDIR");
    for (const std::string& base : {std::string(tmpdir ? tmpdir : ""), std::string("/tmp")}) {
        if (base.empty()) continue;
        std::string pattern = base + "/stampix-XXXXXX";
        if (mkdtemp(pattern.data()) != nullptr) {
            m_path = pattern;
            return;
        }
    }
}

CTempFolder::~CTempFolder() {
    if (m_path.empty()) return;
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::filesystem::path CTempFolder::TransferFile(int slot) const {
    if (m_path.empty()) return {};  // no folder: the write fails and says so
    return m_path / ("QUIL" + std::to_string(slot));
}
