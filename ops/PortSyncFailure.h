#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "ops/OperationOutcome.h"

// Why the ledger could not be saved: its file and the system's reason.
struct LedgerWriteFailure {
    std::filesystem::path path;
    std::string reason;
};

// How one port's sync failed, for each front end to put into its own words.
struct PortSyncFailure {
    // What the session showed the operator during the port's work (its message boxes).
    std::vector<std::string> messages;
    // What the failed step's operation came to; none when the step ended before its
    // operation ran (a stop first, the ledger).
    std::optional<OperationOutcome> step;
    // The work was stopped (a stop request or signal): that, not the printer, ended it.
    bool stopped = false;
    // The ledger could not forget the IDs about to change, so nothing was changed.
    std::optional<LedgerWriteFailure> ledger;
};
