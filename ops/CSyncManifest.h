#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "imaging/CurrentImage.h"
#include "imaging/IImageDecoder.h"
#include "items/CFontPT.h"

// One logo that a manifest wants in every printer.
struct SyncLogo {
    int line = 0;                // where its table starts in the manifest
    std::filesystem::path file;  // absolute, or as written when it could not be made so
    CFontPT item;                // ID, Shift-JIS name, sizes and header as they will be sent
    // The picture as read when the manifest was loaded: exactly this is sent, whatever
    // happens to the file afterwards (transfer image only).
    CurrentImage image;
    std::uint64_t patternHash = 0;  // PatternHash of `image`
};

// What is wrong with a manifest; the front end words it (subject, number and detail as
// each problem says).
enum class ManifestProblem {
    CannotRead,             // detail: why, when the system says
    TooLarge,               // number: the file's bytes
    Syntax,                 // detail: the TOML parser's description
    ModelUnknown,           // the model is none of ModelInfo's names
    ModelMissing,           //
    UnknownKey,             // subject: the key
    LogoNotTables,          // `logo` is not an array of tables
    IdNotANumber,           // not a whole number from 0 to 99
    FileNotAPath,           //
    NoId,                   //
    NoFile,                 //
    NoName,                 //
    MillimetresOutOfRange,  // subject: the key (width_mm, height_mm)
    NameNotAString,         //
    NameControlCharacter,   // subject: the name as written (UTF-8)
    NameNotShiftJis,        // subject: the name
    NameTooLong,            // subject: the name; number: its Shift-JIS bytes
    IdTwice,                // number: the ID; firstLine: where it came first
    TooManyLogos,           // number: how many logos
    Stopped,                // a stop was asked for while the files were read
    FileNotFound,           // subject: the file as written
    FileUnusable,           // subject: the file as written; detail: what its loader said
    MemoryFull,             // number: the bytes the logos need up to this one
};

// One refusal of a manifest, at the line it concerns (0: the file as a whole).
struct ManifestError {
    int line = 0;
    ManifestProblem problem = ManifestProblem::CannotRead;
    std::string subject;
    std::int64_t number = 0;
    int firstLine = 0;
    std::string detail;
};

// A stable name of the problem for scripts ("unknown-key", "file-not-found", ...).
std::string_view ManifestProblemCode(ManifestProblem problem);

// The logo manifest of `sync`: a TOML file naming the printer model and, in one [[logo]]
// table each, the logos every printer must hold:
//
//     model = "NV210a"
//     [[logo]]
//     id = 5
//     name = "ロゴ"          # UTF-8 here, held as at most 32 bytes of Shift-JIS
//     file = "logos/a.bmp"  # relative to the manifest
//     width_mm = 40         # optional: the printed size of an SVG file
//
// Every logo file is read once, here, through the session's own loading path, so that the
// manifest takes exactly the files that adding them to the table takes, with the sizes a
// download would send; SVG files are drawn at the manifest's model's dots per mm.
class CSyncManifest {
  public:
    // A manifest is a few kilobytes; anything this large is not one.
    static constexpr std::uintmax_t kMaxFileBytes = 1u << 20;
    // The largest printed size a logo may ask for, in mm (the size limit refuses less).
    static constexpr double kMaxPrintedMm = 1000;

    // The decoder of pictures other than BMP and .pld (not owned); without one such files
    // are refused as the desktop program without its decoder refuses them.
    void SetDecoder(IImageDecoder* decoder) { m_decoder = decoder; }
    // Asked before each file and while a picture is decoded: true ends the loading with the
    // error "stopped" (a stop signal, say).
    void SetStopRequest(std::function<bool()> stopRequested) {
        m_stopRequested = std::move(stopRequested);
    }

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
    IImageDecoder* m_decoder = nullptr;
    std::function<bool()> m_stopRequested;
    int m_model = 0;
    std::vector<SyncLogo> m_logos;
};
