#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "items/CItemTable.h"
#include "ops/CSyncManifest.h"

// What `sync` does with one registration ID of one printer.
enum class SyncAction {
    Add,      // the manifest names the ID, the printer holds nothing there
    Replace,  // the printer holds something else there
    Resend,   // the printer holds the logo already, but --force sends it again
    Keep,     // the printer holds the logo already
    Delete,   // the manifest does not name the ID, and --prune deletes it
    Extra,    // the manifest does not name the ID; it is left alone
};

std::string_view SyncActionName(SyncAction action);  // "add", "replace", ...

// One way in which what a printer holds differs from the manifest's logo.
struct SyncDifference {
    // "logo", "kind", "name", "width", "height", "pattern size", "pixels" (fingerprints)
    std::string field;
    std::string wanted;  // as the manifest has it (UTF-8)
    std::string held;    // as the printer holds it
};

struct SyncStep {
    int id = 0;
    SyncAction action = SyncAction::Keep;
    std::string name;  // UTF-8: the manifest's name, or the printer's for Delete and Extra
    std::vector<SyncDifference> differences;  // for Replace
    // For a logo the printer holds by its fields: whether what was last sent there is known,
    // so that its pixels could be compared. When not, the fields alone decided.
    bool pixelsCompared = true;
};

// What was last sent to one printer: the pattern fingerprint by ID (see CSyncLedger).
using SentPatterns = std::map<int, std::uint64_t>;

struct SyncOptions {
    bool prune = false;  // delete the IDs the manifest does not name
    bool force = false;  // send every logo again
};

// How the registration `held` (any state) differs from the logo `wanted`: by ID, kind,
// name, width, height and pattern size. Empty when the printer holds the logo.
std::vector<SyncDifference> CompareRegistration(const CFontPT& wanted, const CFontPT& held);

// The steps that bring a printer holding `printer` (its registrations as read back) to the
// manifest, one per ID that either names, in ascending ID order. A logo that the printer
// holds by its fields is replaced when `sent` knows another pattern under its ID.
std::vector<SyncStep> PlanSync(const CSyncManifest& manifest, const CItemTable& printer,
                               SyncOptions options, const SentPatterns& sent = {});

// Whether the printer holds what the manifest says after the changes: every logo, and with
// `prune` nothing else. One line per fault, e.g. "ID 05: width: manifest 64, printer 32".
std::vector<std::string> VerifySync(const CSyncManifest& manifest, const CItemTable& printer,
                                    bool prune);
