#pragma once

#include <string>
#include <string_view>

#include "ops/OperationOutcome.h"

// What a printer operation came to, in the command line's words (English): "stopped at
// ID 05", "the printer did not answer at ID 05", ...; empty for one that was done.
std::string OutcomeText(const OperationOutcome& outcome);

// How a transaction ended, as a code for scripts: "no-answer", "port-not-opened", ...
std::string_view TransactionStatusCode(TransactionStatus status);
