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
    if (stage != Stage::Failed) m_operator.ForgetProgressText();
    if (m_observer) m_observer(stage, -1, -1, {});
}

bool CPortSync::Fail(Stage stage) {
    m_failed = true;
    m_failedAt = stage;
    m_failure.messages = m_operator.Messages();
    m_failure.stepResult = m_operator.LastProgressText();
    m_failure.stopped = StopRequested();
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
    if (StopRequested() || !m_session.OnGetInfo()) return Fail(Stage::Reading);
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
        if (StopRequested() || !m_session.OnClearIds(deletions)) return Fail(Stage::Deleting);
        m_deleted = static_cast<int>(deletions.size());
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
        const bool sent = m_session.OnStartTransfer(planned);
        for (int id : sendings) m_sent += m_session.m_items[id].m_state == ITEM_REGISTERED ? 1 : 0;
        RecordWhatWasSent(sendings);
        if (!sent) {
            // A refusal before anything was sent (memory, IDs) is a message, not a result.
            return Fail(Stage::Sending);
        }
    }
    if (!deletions.empty() || !sendings.empty()) {
        Enter(Stage::Verifying);
        if (StopRequested() || !m_session.OnGetInfo()) return Fail(Stage::Verifying);
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

void CPortSync::RecordWhatWasSent(const std::vector<int>& sendings) {
    if (m_ledger == nullptr) return;
    for (int id : sendings) {
        if (m_session.m_items[id].m_state == ITEM_REGISTERED) {
            m_ledger->Record(m_ledgerKey, id, m_manifest.Find(id)->patternHash);
        }
    }
    std::string error;
    if (!m_ledger->Save(error)) m_ledgerError = LedgerWriteFailure{m_ledger->Path(), error};
}
