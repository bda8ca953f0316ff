#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

// What `sync` sent to each printer: a printer tells back only the names and sizes of its
// logos, so a picture whose pixels changed at the same size would look held. The ledger
// keeps, per port (its stable name, see serial::StablePortName) and ID, the fingerprint of
// the pattern last sent there (PatternHash), in a small text file of the user's state
// folder. Several ports record into one ledger from their own threads; several runs may
// share the file, so saving merges this run's changes into the file as it then is.
class CSyncLedger {
  public:
    // A ledger is a few kilobytes; a larger file is not one and is ignored.
    static constexpr std::uintmax_t kMaxFileBytes = 1u << 20;

    // $XDG_STATE_HOME/stampix/sync-ledger, else ~/.local/state/stampix/sync-ledger; empty
    // when neither variable gives an absolute folder.
    static std::filesystem::path DefaultPath();

    // An empty path: a ledger that remembers nothing and saves nowhere.
    explicit CSyncLedger(std::filesystem::path path) : m_path(std::move(path)) {}

    const std::filesystem::path& Path() const { return m_path; }
    // Reads the file; a missing file is an empty ledger. False (with the reason) when the
    // file is there and cannot be read; the ledger is empty then.
    bool Load(std::string& error);
    // The fingerprints recorded for `port`, by ID.
    std::map<int, std::uint64_t> SentTo(const std::string& port) const;
    void Record(const std::string& port, int id, std::uint64_t hash);
    void Forget(const std::string& port, int id);
    // Writes the changes since the last save into the file, whole, under a lock that other
    // runs also take. False with the reason when it cannot be written.
    bool Save(std::string& error);

  private:
    using Key = std::pair<std::string, int>;
    using Entries = std::map<Key, std::uint64_t>;
    struct Change {
        Key key;
        std::uint64_t hash = 0;  // 0: forgotten
    };

    static bool ReadEntries(const std::filesystem::path& path, Entries& entries,
                            std::string& error);
    static std::string Format(const Entries& entries);
    void Apply(const Change& change, Entries& entries) const;

    std::filesystem::path m_path;
    mutable std::mutex m_mutex;
    Entries m_entries;
    std::vector<Change> m_changes;  // since the last save
};
