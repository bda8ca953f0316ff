#include "ops/CPortSync.h"

CPortSync::CPortSync(std::string port, const CSyncManifest& manifest, SyncOptions options,
                     std::unique_ptr<ISerialLink> link, Observer observer)
    : m_port(std::move(port)),
      m_manifest(manifest),
      m_options(options),
      m_observer(std::move(observer)),
      m_operator([this](int range, int position, const std::string& text) {
          if (m_observer) m_observer(m_stage, range, position, text);
      }),
      m_session(m_operator, std::move(link)) {
    m_session.m_portName = m_port;
}

std::string_view CPortSync::StageName(Stage stage) {
    switch (stage) {
        case Stage::Reading:
            return "reading";
        case Stage::Deleting:
            return "deleting";
        case Stage::Sending:
            return "sending";
        case Stage::Verifying:
            return "verifying";
        case Stage::Done:
            return "done";
        case Stage::Failed:
            return "failed";
    }
    return "failed";
}

void CPortSync::Enter(Stage stage) {
    m_stage = stage;
    if (m_observer) m_observer(stage, -1, -1, {});
}

bool CPortSync::Fail(Stage stage, std::optional<OperationOutcome> step) {
    m_failed = true;
    m_failedAt = stage;
    m_failure.messages = m_operator.Messages();
    m_failure.stopped = StopRequested() || (step && step->status == OperationStatus::Stopped);
    m_failure.step = std::move(step);
    Enter(Stage::Failed);
    return false;
}

void CPortSync::RequestStop() noexcept { m_session.RequestStop(); }

void CPortSync::FollowStopFlag(const CStopFlag& outer) noexcept { m_session.FollowStopFlag(outer); }

void CPortSync::UseLedger(CSyncLedger* ledger, std::string key) {
    m_ledger = ledger;
    m_ledgerKey = std::move(key);
}

bool CPortSync::ReadAndPlan() {
    Enter(Stage::Reading);
    if (StopRequested()) return Fail(Stage::Reading);
    OperationOutcome read = m_session.OnGetInfo();
    if (!read.Succeeded()) return Fail(Stage::Reading, std::move(read));
    const SentPatterns sent = m_ledger ? m_ledger->SentTo(m_ledgerKey) : SentPatterns{};
    m_plan = PlanSync(m_manifest, m_session.m_items, m_options, sent);
    m_planned = true;
    return true;
}

bool CPortSync::Apply() {
    if (!m_planned || m_failed) return false;
    std::vector<int> deletions;
    std::vector<int> sendings;
    for (const SyncStep& step : m_plan) {
        if (step.action == SyncAction::Delete) deletions.push_back(step.id);
        if (step.action == SyncAction::Add || step.action == SyncAction::Replace ||
            step.action == SyncAction::Resend) {
            sendings.push_back(step.id);
        }
    }

    if (!ForgetWhatChanges(deletions, sendings)) {
        m_failure.messages = m_operator.Messages();
        m_failure.ledger = std::move(m_ledgerError);
        m_ledgerError.reset();
        m_failed = true;
        m_failedAt = deletions.empty() ? Stage::Sending : Stage::Deleting;  // nothing changed
        Enter(Stage::Failed);
        return false;
    }
    // Deletions first: they free the memory the new logos may need.
    if (!deletions.empty()) {
        Enter(Stage::Deleting);
        if (StopRequested()) return Fail(Stage::Deleting);
        OperationOutcome deleted = m_session.OnClearIds(deletions);
        m_deleted = static_cast<int>(deleted.ids.size());
        if (!deleted.Succeeded()) return Fail(Stage::Deleting, std::move(deleted));
    }
    if (!sendings.empty()) {
        Enter(Stage::Sending);
        if (StopRequested()) return Fail(Stage::Sending);
        CLogoSession::PlannedImages planned;
        for (int id : sendings) {
            const SyncLogo* logo = m_manifest.Find(id);
            m_session.m_items[id] = logo->item;
            planned[id] = &logo->image;
        }
        OperationOutcome sent = m_session.OnStartTransfer(planned);
        m_sent = static_cast<int>(sent.ids.size());
        RecordWhatWasSent(sent.ids);
        if (!sent.Succeeded()) return Fail(Stage::Sending, std::move(sent));
    }
    if (!deletions.empty() || !sendings.empty()) {
        Enter(Stage::Verifying);
        if (StopRequested()) return Fail(Stage::Verifying);
        OperationOutcome read = m_session.OnGetInfo();
        if (!read.Succeeded()) return Fail(Stage::Verifying, std::move(read));
        m_mismatches = VerifySync(m_manifest, m_session.m_items, m_options.prune);
        if (!m_mismatches.empty()) {
            m_failure = PortSyncFailure{};
            m_failure.messages = m_operator.Messages();
            m_failed = true;
            m_failedAt = Stage::Verifying;
            Enter(Stage::Failed);
            return false;
        }
    }
    m_verified = true;
    Enter(Stage::Done);
    return true;
}

bool CPortSync::ForgetWhatChanges(const std::vector<int>& deletions,
                                  const std::vector<int>& sendings) {
    if (m_ledger == nullptr || (deletions.empty() && sendings.empty())) return true;
    for (int id : deletions) m_ledger->Forget(m_ledgerKey, id);
    for (int id : sendings) m_ledger->Forget(m_ledgerKey, id);
    std::string error;
    if (m_ledger->Save(error)) return true;
    m_ledgerError = LedgerWriteFailure{m_ledger->Path(), error};
    return false;
}

void CPortSync::RecordWhatWasSent(const std::vector<int>& sent) {
    if (m_ledger == nullptr) return;
    for (int id : sent) m_ledger->Record(m_ledgerKey, id, m_manifest.Find(id)->patternHash);
    std::string error;
    if (!m_ledger->Save(error)) m_ledgerError = LedgerWriteFailure{m_ledger->Path(), error};
}
