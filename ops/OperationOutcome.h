#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "protocol/TransactionResult.h"
#include "serial/PortOpenFailure.h"

// What a printer operation of the session came to.
enum class OperationStatus {
    Done,      // everything asked was done (a download may have kept IDs the operator kept)
    Declined,  // the operator answered no to the operation's question: nothing was done
    Refused,   // refused before the printer was asked (memory, ID count, nothing selected)
    Failed,    // a file or the printer failed part way; what came before it stands
    Stopped,   // a stop request ended it
};

// The result texts the session shows the operator, one each: the progress display's last
// message, or the message box of a refusal.
enum class OperationText {
    DownloadDone,
    DownloadFailed,
    DownloadMemoryFull,
    DownloadTooManyIds,
    InfoDone,
    InfoFailed,
    InfoBroken,
    DeleteDone,
    DeleteFailed,
    DeleteNothingSelected,
    AllClearDone,
    AllClearFailed,
};

// The operator's words for a result text.
std::string_view OperationTextOf(OperationText text);

// The outcome of one operation, for each front end to word in its own terms: the desktop
// program has already shown `text`; the command line and sync say it their way.
struct OperationOutcome {
    OperationStatus status = OperationStatus::Done;
    // The result text shown; none after a declined question, or when the port could not be
    // opened before the progress display appeared (its own message was shown).
    std::optional<OperationText> text;
    // How the transaction that ended the work ended (Done when none failed); NoTransferFile
    // also when an item's file could no longer be read.
    TransactionStatus cause = TransactionStatus::Done;
    // Why the port could not be opened (cause PortNotOpened), when the link could tell.
    std::optional<PortOpenFailure> portFailure;
    // The IDs done, in order: sent, deleted, or read back (a broken stream's records before
    // the break included).
    std::vector<int> ids;
    // A download's registered IDs that the operator chose to keep: they wait still.
    std::vector<int> kept;
    // The ID the operation was working on when it failed or stopped.
    std::optional<int> failedId;

    bool Succeeded() const { return status == OperationStatus::Done; }
};
