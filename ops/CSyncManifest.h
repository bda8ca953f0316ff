#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "items/CFontPT.h"

// One logo that a manifest wants in every printer.
struct SyncLogo {
    int line = 0;                // where its table starts in the manifest
    std::filesystem::path file;  // absolute, or as written when it could not be made so
    CFontPT item;                // ID, Shift-JIS name, sizes and header as they will be sent
};

// One refusal of a manifest, at the line it concerns (0: the file as a whole).
struct ManifestError {
    int line = 0;
    std::string text;
};

// The logo manifest of `sync`: a TOML file naming the printer model and, in one [[logo]]
// table each, the logos every printer must hold:
//
//     model = "NV210a"
//     [[logo]]
//     id = 5
//     name = "ロゴ"          # UTF-8 here, held as at most 32 bytes of Shift-JIS
//     file = "logos/a.bmp"  # relative to the manifest
//
// Every logo file is read through the session's own loading path, so that the manifest
// takes exactly the files that adding them to the table takes, with the sizes a download
// would send.
class CSyncManifest {
  public:
    // A manifest is a few kilobytes; anything this large is not one.
    static constexpr std::uintmax_t kMaxFileBytes = 1u << 20;

    // Reads and checks the whole manifest. On any refusal returns false with every error
    // found, sorted by line; nothing is kept then.
    bool Load(const std::filesystem::path& path, std::vector<ManifestError>& errors);

    int Model() const { return m_model; }
    // The logos in ascending ID order.
    const std::vector<SyncLogo>& Logos() const { return m_logos; }
    // The logo with this ID, or null.
    const SyncLogo* Find(int id) const;
    // The printer memory all logos need together.
    std::int64_t MemoryNeed() const;

  private:
    int m_model = 0;
    std::vector<SyncLogo> m_logos;
};
