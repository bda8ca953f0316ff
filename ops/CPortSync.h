#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ops/CLogoSession.h"
#include "ops/CSyncLedger.h"
#include "ops/CSyncManifest.h"
#include "ops/CSyncOperator.h"
#include "ops/PortSyncFailure.h"
#include "ops/SyncPlan.h"
#include "serial/ISerialLink.h"

// One printer's part of `sync`, with a session, link and operator of its own so that
// several ports run side by side, one thread each. Two phases, so that every plan can be
// shown before anything changes: ReadAndPlan reads the registrations and plans; Apply
// deletes (--prune), downloads what is missing or different, then reads the printer back
// and checks it against the manifest. A failure ends this port's work only.
class CPortSync {
  public:
    enum class Stage { Reading, Deleting, Sending, Verifying, Done, Failed };
    // Called from the port's thread at every change: the stage, the bar (range, position;
    // -1 when unchanged) and the text the session shows.
    using Observer =
        std::function<void(Stage stage, int range, int position, const std::string& text)>;

    CPortSync(std::string port, const CSyncManifest& manifest, SyncOptions options,
              std::unique_ptr<ISerialLink> link, Observer observer);
    CPortSync(const CPortSync&) = delete;
    CPortSync& operator=(const CPortSync&) = delete;

    // Plans with what `ledger` knows was sent to this port under `key` (its stable name),
    // and records there what this port is sent. Without a ledger the pixels of a logo the
    // printer holds are never compared. The ledger must outlive the port.
    void UseLedger(CSyncLedger* ledger, std::string key);
    // Reads the registrations and plans; false (and Failed) when they could not be read.
    bool ReadAndPlan();
    // Carries the plan out and verifies the result; true when the printer then holds the
    // manifest's logos (and, with --prune, nothing else). The logos are sent as the manifest
    // read them. Before anything changes, the ledger forgets the IDs about to change (and
    // the port fails when that cannot be saved: a stale fingerprint could later match);
    // afterwards it records what was sent.
    bool Apply();
    // Ends the work: the running step ends within about 100 ms as on a failed line (port
    // closed, transfer file removed), and no later step starts. Safe from any thread and
    // from a signal handler.
    void RequestStop() noexcept;
    // Also stops when `outer` is requested (a process-wide flag that a signal sets).
    void FollowStopFlag(const CStopFlag& outer) noexcept;

    const std::string& Port() const { return m_port; }
    bool Planned() const { return m_planned; }
    const std::vector<SyncStep>& Plan() const { return m_plan; }
    // Where the work failed (Failed stage only), and why (empty after a verification that
    // found mismatches, which Mismatches lists).
    Stage FailedAt() const { return m_failedAt; }
    bool Failed() const { return m_failed; }
    const PortSyncFailure& Failure() const { return m_failure; }
    // After Apply: the IDs deleted and sent, and what the read-back found wrong.
    int Deleted() const { return m_deleted; }
    int Sent() const { return m_sent; }
    bool Verified() const { return m_verified; }
    const std::vector<std::string>& Mismatches() const { return m_mismatches; }
    // Why the ledger could not record what was sent (the port's result stands); nothing
    // when it could.
    const std::optional<LedgerWriteFailure>& LedgerNotRecorded() const { return m_ledgerError; }

    static std::string_view StageName(Stage stage);  // "reading", "sending", ...

  private:
    bool Fail(Stage stage, std::optional<OperationOutcome> step = std::nullopt);
    bool ForgetWhatChanges(const std::vector<int>& deletions, const std::vector<int>& sendings);
    void RecordWhatWasSent(const std::vector<int>& sent);
    void Enter(Stage stage);
    bool StopRequested() const { return m_session.StopRequested(); }

    std::string m_port;
    const CSyncManifest& m_manifest;
    SyncOptions m_options;
    Observer m_observer;
    Stage m_stage = Stage::Reading;
    CSyncOperator m_operator;
    CLogoSession m_session;
    bool m_planned = false;
    std::vector<SyncStep> m_plan;
    bool m_failed = false;
    Stage m_failedAt = Stage::Reading;
    PortSyncFailure m_failure;
    int m_deleted = 0;
    int m_sent = 0;
    bool m_verified = false;
    std::vector<std::string> m_mismatches;
    CSyncLedger* m_ledger = nullptr;
    std::string m_ledgerKey;
    std::optional<LedgerWriteFailure> m_ledgerError;
};
