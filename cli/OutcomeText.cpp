#include "cli/OutcomeText.h"

#include <cstring>

#include "items/CFontPT.h"

namespace {

std::string_view CauseText(TransactionStatus cause) {
    switch (cause) {
        case TransactionStatus::Done:
        case TransactionStatus::Declined:
            return {};
        case TransactionStatus::PortNotOpened:
            return "the port could not be opened";
        case TransactionStatus::NoAnswer:
            return "the printer did not answer";
        case TransactionStatus::UnexpectedReply:
            return "the printer gave an unexpected answer";
        case TransactionStatus::BrokenReply:
            return "the printer's answer broke off or was malformed";
        case TransactionStatus::LineFailed:
            return "the line to the printer failed";
        case TransactionStatus::Stopped:
            return "stopped";
        case TransactionStatus::NoTransferFile:
            return "the logo's file could not be read";
        case TransactionStatus::InvalidId:
            return "no such ID";
    }
    return {};
}

std::string_view RefusalText(const std::optional<OperationText>& text) {
    if (text == OperationText::DownloadMemoryFull) {
        return "refused: the new logos do not fit the printer's 240 Kbyte";
    }
    if (text == OperationText::DownloadTooManyIds) {
        return "refused: the printer would hold more than 80 IDs";
    }
    if (text == OperationText::DeleteNothingSelected) return "refused: nothing to delete";
    return "refused";
}

}  // namespace

std::string OutcomeText(const OperationOutcome& outcome) {
    switch (outcome.status) {
        case OperationStatus::Done:
            return {};
        case OperationStatus::Declined:
            return "declined";
        case OperationStatus::Refused:
            return std::string(RefusalText(outcome.text));
        case OperationStatus::Failed:
        case OperationStatus::Stopped:
            break;
    }
    const TransactionStatus cause =
        outcome.status == OperationStatus::Stopped ? TransactionStatus::Stopped : outcome.cause;
    std::string text(CauseText(cause));
    if (text.empty()) text = "failed";
    if (cause == TransactionStatus::PortNotOpened) {
        // The port, not the ID, was the trouble: say why it would not open.
        if (!outcome.portFailure) return text;
        const PortOpenFailure& port = *outcome.portFailure;
        const std::string reason =
            port.error == 0 ? std::string("not a port name") : std::strerror(port.error);
        return text + " (" + port.device + ": " + reason + ")";
    }
    if (outcome.failedId) text += " at ID " + IdText(*outcome.failedId);
    return text;
}

std::string_view TransactionStatusCode(TransactionStatus status) {
    switch (status) {
        case TransactionStatus::Done:
            return "done";
        case TransactionStatus::Declined:
            return "declined";
        case TransactionStatus::PortNotOpened:
            return "port-not-opened";
        case TransactionStatus::NoAnswer:
            return "no-answer";
        case TransactionStatus::UnexpectedReply:
            return "unexpected-reply";
        case TransactionStatus::BrokenReply:
            return "broken-reply";
        case TransactionStatus::LineFailed:
            return "line-failed";
        case TransactionStatus::Stopped:
            return "stopped";
        case TransactionStatus::NoTransferFile:
            return "file-not-read";
        case TransactionStatus::InvalidId:
            return "invalid-id";
    }
    return "failed";
}
