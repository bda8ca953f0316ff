#pragma once

#include <filesystem>
#include <system_error>

// Removes a transfer file when the step that made it ends, whatever the outcome.
class CTransferFileRemover {
  public:
    explicit CTransferFileRemover(std::filesystem::path path) : m_path(std::move(path)) {}
    ~CTransferFileRemover() {
        std::error_code ignored;
        if (!m_path.empty()) std::filesystem::remove(m_path, ignored);
    }
    CTransferFileRemover(const CTransferFileRemover&) = delete;
    CTransferFileRemover& operator=(const CTransferFileRemover&) = delete;

  private:
    std::filesystem::path m_path;
};
