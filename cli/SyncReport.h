#pragma once

#include <iosfwd>
#include <memory>
#include <nlohmann/json_fwd.hpp>
#include <string>
#include <vector>

#include "ops/CPortSync.h"

// How `sync` reports its plans and results on standard output.

// "plan for PORT:" and one line per step: "  05  replace  "name"  (width: 64 -> 32)".
void PrintSyncPlan(std::ostream& out, const CPortSync& port);
// One line for the port's outcome, then one line per verification fault.
void PrintSyncResult(std::ostream& out, const CPortSync& port, bool dryRun);
// "the ledger PATH cannot be written: REASON".
std::string LedgerFailureText(const LedgerWriteFailure& failure);
// Plans and results of every port, for scripts.
nlohmann::json SyncJson(const std::vector<std::unique_ptr<CPortSync>>& ports, bool dryRun);
