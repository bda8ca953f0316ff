#pragma once

#include <filesystem>

// A private folder for the transfer files of one process, made with mkdtemp under $TMPDIR
// (or /tmp) and removed with its contents when the object ends. A predictable file name in
// a shared folder would let another local user redirect the write.
class CTempFolder {
  public:
    CTempFolder();
    ~CTempFolder();
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    // Empty when the folder could not be made.
    const std::filesystem::path& Path() const { return m_path; }
    // The transfer file of one slot: QUIL<slot> inside the folder.
    std::filesystem::path TransferFile(int slot) const;

  private:
    std::filesystem::path m_path;
};
