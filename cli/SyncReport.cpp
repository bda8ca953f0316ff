#include "cli/SyncReport.h"

#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/CTerminalOperator.h"
#include "cli/OutcomeText.h"
#include "text/ControlCharacters.h"

namespace {

int CountSteps(const CPortSync& port, std::initializer_list<SyncAction> actions) {
    int count = 0;
    for (const SyncStep& step : port.Plan()) {
        for (SyncAction action : actions) count += step.action == action ? 1 : 0;
    }
    return count;
}

std::string Joined(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts) {
        joined += (joined.empty() ? "" : " / ") + CTerminalOperator::ForTerminal(text);
    }
    return joined;
}

bool StepSaysStopped(const PortSyncFailure& failure) {
    return failure.step && failure.step->status == OperationStatus::Stopped;
}

// The command line's words for why a port failed, one text each: the session's messages,
// what the step came to (and that a stop ended it), the ledger that could not be written.
std::vector<std::string> FailureTexts(const PortSyncFailure& failure) {
    std::vector<std::string> texts = failure.messages;
    std::string result = failure.step ? OutcomeText(*failure.step) : std::string();
    if (failure.stopped && !StepSaysStopped(failure)) {
        result += (result.empty() ? "" : "; ") + std::string("stopped");
    }
    if (!result.empty()) texts.push_back(result);
    if (failure.ledger) texts.push_back(LedgerFailureText(*failure.ledger));
    return texts;
}

// How the failed step ended, for scripts: the transaction's code and the ID it was at.
void AddFailureCause(nlohmann::json& entry, const PortSyncFailure& failure) {
    if (failure.stopped) {
        entry["cause"] = TransactionStatusCode(TransactionStatus::Stopped);
    } else if (failure.step && failure.step->cause != TransactionStatus::Done) {
        entry["cause"] = TransactionStatusCode(failure.step->cause);
    }
    if (failure.step && failure.step->failedId) entry["failed_id"] = *failure.step->failedId;
}

nlohmann::json StepJson(const SyncStep& step) {
    nlohmann::json differences = nlohmann::json::array();
    for (const SyncDifference& difference : step.differences) {
        differences.push_back({{"field", difference.field},
                               {"manifest", difference.wanted},
                               {"printer", difference.held}});
    }
    nlohmann::json json = {{"id", step.id},
                           {"action", SyncActionName(step.action)},
                           {"name", step.name},
                           {"differences", differences}};
    // Only a logo the printer holds has pixels to compare.
    if (step.action == SyncAction::Keep || step.action == SyncAction::Resend ||
        step.action == SyncAction::Replace) {
        json["pixels_compared"] = step.pixelsCompared;
    }
    return json;
}

}  // namespace

std::string LedgerFailureText(const LedgerWriteFailure& failure) {
    return "the ledger " + failure.path.string() + " cannot be written: " + failure.reason;
}

void PrintSyncPlan(std::ostream& out, const CPortSync& port) {
    out << "plan for " << port.Port() << ":\n";
    if (port.Plan().empty()) out << "  (nothing registered, nothing to send)\n";
    for (const SyncStep& step : port.Plan()) {
        std::string action(SyncActionName(step.action));
        action.resize(8, ' ');
        // A name the printer sent may hold anything; the manifest's are refused with controls.
        out << "  " << IdText(step.id) << "  " << action << "\""
            << text::EscapeControlCharacters(step.name) << "\"";
        std::string details;
        for (const SyncDifference& difference : step.differences) {
            details += (details.empty() ? "" : "; ") + difference.field + ": " + difference.held +
                       " -> " + difference.wanted;
        }
        if (!step.pixelsCompared && step.differences.empty()) {
            details = "pixels not compared: no record of what was sent";
        }
        if (!details.empty()) out << "  (" << text::EscapeControlCharacters(details) << ")";
        out << '\n';
    }
}

void PrintSyncResult(std::ostream& out, const CPortSync& port, bool dryRun) {
    out << port.Port() << ": ";
    if (port.Failed()) {
        out << "failed while " << CPortSync::StageName(port.FailedAt());
        const std::string texts = Joined(FailureTexts(port.Failure()));
        if (!texts.empty()) out << ": " << texts;
        out << '\n';
        for (const std::string& fault : port.Mismatches()) {
            out << port.Port() << ": verify: " << text::EscapeControlCharacters(fault) << '\n';
        }
        return;
    }
    if (dryRun) {
        out << "dry run: "
            << CountSteps(port, {SyncAction::Add, SyncAction::Replace, SyncAction::Resend})
            << " to send, " << CountSteps(port, {SyncAction::Delete})
            << " to delete, nothing changed\n";
        return;
    }
    out << "done: " << port.Deleted() << " deleted, " << port.Sent() << " sent, "
        << CountSteps(port,
                      {SyncAction::Add, SyncAction::Replace, SyncAction::Resend, SyncAction::Keep})
        << " logo(s) verified\n";
}

nlohmann::json SyncJson(const std::vector<std::unique_ptr<CPortSync>>& ports, bool dryRun) {
    nlohmann::json list = nlohmann::json::array();
    bool allOk = true;
    for (const auto& port : ports) {
        nlohmann::json plan = nlohmann::json::array();
        for (const SyncStep& step : port->Plan()) plan.push_back(StepJson(step));
        nlohmann::json entry = {
            {"port", port->Port()},
            {"ok", !port->Failed()},
            {"planned", port->Planned()},
            {"plan", plan},
        };
        if (!dryRun) {
            entry["deleted"] = port->Deleted();
            entry["sent"] = port->Sent();
            entry["verified"] = port->Verified();
            entry["mismatches"] = port->Mismatches();
        }
        if (port->Failed()) {
            entry["failed_while"] = CPortSync::StageName(port->FailedAt());
            nlohmann::json texts = nlohmann::json::array();
            for (const std::string& text : FailureTexts(port->Failure())) {
                texts.push_back(CTerminalOperator::ForTerminal(text));
            }
            entry["messages"] = texts;
            AddFailureCause(entry, port->Failure());
        }
        allOk = allOk && !port->Failed();
        list.push_back(entry);
    }
    return {{"dry_run", dryRun}, {"ok", allOk}, {"ports", list}};
}
