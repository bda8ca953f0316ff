#pragma once

#include <filesystem>

// A private folder for the transfer files of one process, made with mkdtemp under $TMPDIR
// (or /tmp) and removed with its contents when the object ends. A predictable file name in
// a shared folder would let another local user redirect the write.
//
// The folder names its owner in a file "owner" (process ID and start time), so that a
// folder left by a run that was killed outright (SIGKILL, a power cut) is recognised as
// stale and removed when the next folder is made.
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

    // Removes the folders of this user under `base` whose owner process is gone (or whose
    // ID now belongs to a process started later); returns how many were removed.
    static int RemoveStaleFolders(const std::filesystem::path& base);

  private:
    std::filesystem::path m_path;
};
