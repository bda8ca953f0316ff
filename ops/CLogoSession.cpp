#include "ops/CLogoSession.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

#include "imaging/TransferFile.h"
#include "ops/CTransferFileRemover.h"
#include "ops/NewItemLoader.h"
#include "res/Texts.h"

namespace {

std::string ErrorCaption() { return std::string(texts::StringTable(texts::IDS_ERROR_CAPTION)); }

std::string Text(std::string_view text) { return std::string(text); }

std::string Text(OperationText text) { return Text(OperationTextOf(text)); }

// How a read-back ended, as a transaction's status.
TransactionStatus InfoCause(InfoStatus status) {
    switch (status) {
        case InfoStatus::PortNotOpened:
            return TransactionStatus::PortNotOpened;
        case InfoStatus::NoAnswer:
            return TransactionStatus::NoAnswer;
        case InfoStatus::UnknownReply:
            return TransactionStatus::UnexpectedReply;
        case InfoStatus::Broken:
            return TransactionStatus::BrokenReply;
        case InfoStatus::Complete:
            break;
    }
    return TransactionStatus::Done;
}

OperationOutcome Outcome(OperationStatus status, std::optional<OperationText> text) {
    OperationOutcome outcome;
    outcome.status = status;
    outcome.text = text;
    return outcome;
}

}  // namespace

// Marks the session busy for the length of one operation.
class CLogoSession::CBusyScope {
  public:
    explicit CBusyScope(bool& busy) : m_busy(busy) { m_busy = true; }
    ~CBusyScope() { m_busy = false; }
    CBusyScope(const CBusyScope&) = delete;
    CBusyScope& operator=(const CBusyScope&) = delete;

  private:
    bool& m_busy;
};

CLogoSession::CLogoSession(IOperator& op, std::unique_ptr<ISerialLink> port)
    : m_op(op), m_port(std::move(port)), m_protocol(*m_port, op, &m_stop) {
    m_port->SetStopFlag(&m_stop);
    m_items.ClearItemTable();
}

void CLogoSession::ShowError(const std::string& text) {
    m_op.ShowMessage(ErrorCaption(), text, MessageIcon::Exclamation);
}

void CLogoSession::ClearTable() {
    m_items.ClearItemTable();
    m_op.ClearItemList();
}

void CLogoSession::Finish(const std::string& text) {
    m_progress->SetMessage(text);
    m_progress->ShowCloseButton();
}

OperationOutcome CLogoSession::Refuse(OperationText text, const std::string& caption) {
    m_op.ShowMessage(caption, Text(text), MessageIcon::Exclamation);
    return Outcome(OperationStatus::Refused, text);
}

OperationOutcome CLogoSession::Fail(OperationOutcome outcome, OperationText text,
                                    TransactionStatus cause, std::optional<int> id) {
    Finish(Text(text));
    const bool stopped = cause == TransactionStatus::Stopped || StopRequested();
    outcome.status = stopped ? OperationStatus::Stopped : OperationStatus::Failed;
    outcome.text = text;
    outcome.cause = stopped ? TransactionStatus::Stopped : cause;
    if (outcome.cause == TransactionStatus::PortNotOpened)
        outcome.portFailure = m_port->OpenFailure();
    outcome.failedId = id;
    return outcome;
}

bool CLogoSession::AddFile(const std::filesystem::path& path, int startSlot) {
    return AddFileToSlot(path, startSlot).has_value();
}

std::optional<int> CLogoSession::AddFileToSlot(const std::filesystem::path& path, int startSlot) {
    if (!ReadItemFile(path, m_reader, m_image, m_op)) return std::nullopt;
    const std::optional<int> slot = m_items.FindFreeSlot(startSlot);
    if (!slot) {
        ShowError(Text(texts::kNoFreeSlot));
        return std::nullopt;
    }
    if (!MakeNewItem(path, *slot, m_image, m_tempFolder.TransferFile(*slot), m_items[*slot],
                     m_op)) {
        return std::nullopt;
    }
    return slot;
}

std::vector<int> CLogoSession::AddFiles(const std::vector<std::filesystem::path>& paths,
                                        int startSlot) {
    std::vector<int> added;
    for (const std::filesystem::path& path : paths) {
        if (StopRequested()) break;  // the files not yet read are not added
        if (const std::optional<int> slot = AddFileToSlot(path, startSlot)) added.push_back(*slot);
    }
    m_op.RefreshItemList();
    m_op.RepaintPreviews();
    return added;
}

bool CLogoSession::ShowItemImage(int slot) {
    if (!CItemTable::IsValidSlot(slot) || m_items[slot].m_state != ITEM_NEW) {
        m_op.RepaintPreviews();
        return false;
    }
    const std::filesystem::path& path = m_items[slot].m_sourcePath;
    if (m_reader.Kind(path) == LogoFileKind::Unsupported) {
        ShowError(std::string(texts::StringTable(texts::IDS_UNEXPECTED_FILE)));
        return false;
    }
    if (!m_reader.Load(path, m_image, m_op)) return false;
    m_op.RepaintPreviews();
    return true;
}

OperationOutcome CLogoSession::OnStartTransfer() { return OnStartTransfer(PlannedImages{}); }

OperationOutcome CLogoSession::OnStartTransfer(const PlannedImages& planned) {
    if (CItemTable::GaugePosition(m_items.GetMemoryTotal()) >= kGaugeMax) {
        return Refuse(OperationText::DownloadMemoryFull, ErrorCaption());
    }
    if (m_items.CountInUse() > kMaxItemsAtDownload) {
        return Refuse(OperationText::DownloadTooManyIds, ErrorCaption());
    }
    CBusyScope busy(m_busy);
    const int waiting = m_items.CountNew();
    m_progress = m_op.OpenProgress();
    m_progress->SetProgress(waiting, 0, Text(texts::kWaitingForPrinter));

    OperationOutcome outcome = Outcome(OperationStatus::Done, OperationText::DownloadDone);
    for (int slot = 0; slot < kItemCount; ++slot) {
        CFontPT& item = m_items[slot];
        if (item.m_state != ITEM_NEW) continue;
        if (StopRequested()) {
            return Fail(std::move(outcome), OperationText::DownloadFailed,
                        TransactionStatus::Stopped, slot);
        }
        m_previewSlot = slot;
        const auto plannedImage = planned.find(slot);
        const bool isPlanned = plannedImage != planned.end();
        const CurrentImage* image = isPlanned ? plannedImage->second : &m_image;
        // Unplanned, the item is sent from a fresh reading of its file, which the previews
        // show. A file that can no longer be read fails the item (its loader has said why)
        // rather than sending the image of another item under this ID.
        const bool loaded = isPlanned || ShowItemImage(slot);
        m_op.PumpEvents();
        const std::filesystem::path transferFile = m_tempFolder.TransferFile(slot);
        CTransferFileRemover remover(transferFile);
        const bool written = loaded && WriteTransferFile(transferFile, item, *image, m_op);
        item.BuildHeader();
        const TransactionResult result =
            written ? m_protocol.DownloadItem(m_portName, transferFile, item, m_previewSlot)
                    : TransactionResult(TransactionStatus::NoTransferFile);
        if (!result) {
            return Fail(std::move(outcome), OperationText::DownloadFailed, result.status, slot);
        }
        (result.status == TransactionStatus::Declined ? outcome.kept : outcome.ids).push_back(slot);
        const auto done = static_cast<int>(outcome.ids.size() + outcome.kept.size());
        m_progress->SetProgress(waiting, done, Text(texts::kDownloadSending));
    }
    m_progress->SetProgress(waiting, waiting, Text(OperationText::DownloadDone));
    m_progress->ShowCloseButton();
    m_op.RefreshItemList();
    return outcome;
}

OperationOutcome CLogoSession::OnGetInfo() {
    CBusyScope busy(m_busy);
    bool progressReported = false;
    InfoCallbacks callbacks;
    callbacks.onRequestSent = [this] {
        m_progress = m_op.OpenProgress();
        m_progress->SetProgress(1, 0, Text(texts::kWaitingForPrinter));
        m_op.PumpEvents();
        // The old table is gone from here on, whatever the printer answers; the list must
        // not show it through the wait.
        ClearTable();
    };
    callbacks.onProgress = [this, &progressReported](std::int64_t total, std::int64_t consumed) {
        progressReported = true;
        // The bar takes int; a stream is never longer than its eight digits allow.
        m_progress->SetProgress(static_cast<int>(std::min<std::int64_t>(total, INT32_MAX)),
                                static_cast<int>(std::min<std::int64_t>(consumed, INT32_MAX)),
                                Text(texts::kInfoReading));
    };
    const InfoResult result = m_protocol.ReadRegistrations(m_portName, m_items, callbacks);
    if (result.status == InfoStatus::PortNotOpened) {
        // Nothing was asked and the progress display never opened: the port's own message
        // (when the port failed) is all the operator sees, and the table stands.
        const bool stopped = StopRequested();
        OperationOutcome outcome =
            Outcome(stopped ? OperationStatus::Stopped : OperationStatus::Failed, std::nullopt);
        outcome.cause = stopped ? TransactionStatus::Stopped : TransactionStatus::PortNotOpened;
        if (!stopped) outcome.portFailure = m_port->OpenFailure();
        return outcome;
    }
    OperationOutcome outcome = Outcome(OperationStatus::Done, OperationText::InfoDone);
    for (int slot = 0; slot < kItemCount; ++slot) {
        if (m_items[slot].m_state == ITEM_REGISTERED) outcome.ids.push_back(slot);
    }
    if (result.status == InfoStatus::Complete) {
        if (!progressReported) m_progress->SetBar(1, 1);  // nothing registered: bar full
        Finish(Text(OperationText::InfoDone));
    } else {
        const OperationText text = result.status == InfoStatus::Broken ? OperationText::InfoBroken
                                                                       : OperationText::InfoFailed;
        outcome = Fail(std::move(outcome), text, InfoCause(result.status));
    }
    m_op.RefreshItemList();
    return outcome;
}

OperationOutcome CLogoSession::OnClearIds(std::vector<int> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::erase_if(rows, [](int row) { return !CItemTable::IsValidSlot(row); });

    int inUse = 0;
    bool anyRegistered = false;
    for (int row : rows) {
        inUse += m_items[row].InUse() ? 1 : 0;
        anyRegistered = anyRegistered || m_items[row].m_state == ITEM_REGISTERED;
    }
    if (inUse == 0) {
        return Refuse(OperationText::DeleteNothingSelected, Text(texts::kResultCaption));
    }
    if (anyRegistered &&
        !m_op.AskYesNo(Text(texts::kConfirmCaption), Text(texts::kDeleteRegisteredQuestion),
                       MessageIcon::Information)) {
        return Outcome(OperationStatus::Declined, std::nullopt);
    }
    CBusyScope busy(m_busy);
    m_progress = m_op.OpenProgress();
    m_progress->SetProgress(inUse, 0, Text(texts::kDeleting));
    OperationOutcome outcome = Outcome(OperationStatus::Done, OperationText::DeleteDone);
    for (int row : rows) {
        m_op.PumpEvents();
        CFontPT& item = m_items[row];
        if (StopRequested()) {
            return Fail(std::move(outcome), OperationText::DeleteFailed, TransactionStatus::Stopped,
                        row);
        }
        if (item.m_state == ITEM_REGISTERED) {
            const TransactionResult result = m_protocol.DeleteId(m_portName, row);
            if (!result) {
                return Fail(std::move(outcome), OperationText::DeleteFailed, result.status, row);
            }
        }
        if (item.InUse()) {
            outcome.ids.push_back(row);
            m_progress->SetBar(inUse, static_cast<int>(outcome.ids.size()));
        }
        item.Reset();
        m_op.PumpEvents();
    }
    m_progress->SetProgress(inUse, inUse, Text(OperationText::DeleteDone));
    m_progress->ShowCloseButton();
    m_op.RefreshItemList();
    return outcome;
}

OperationOutcome CLogoSession::OnAllClear() {
    if (!m_op.AskYesNo(Text(texts::kAllClearCaption), Text(texts::kAllClearQuestion),
                       MessageIcon::Exclamation)) {
        return Outcome(OperationStatus::Declined, std::nullopt);
    }
    CBusyScope busy(m_busy);
    m_progress = m_op.OpenProgress();
    m_progress->SetProgress(1, 0, Text(texts::kAllClearing));
    m_op.PumpEvents();
    const TransactionResult result = m_protocol.DeleteAllIds(m_portName);
    if (!result) return Fail(OperationOutcome{}, OperationText::AllClearFailed, result.status);
    ClearTable();
    m_op.RefreshItemList();
    m_progress->SetProgress(1, 1, Text(OperationText::AllClearDone));
    m_progress->ShowCloseButton();
    return Outcome(OperationStatus::Done, OperationText::AllClearDone);
}

BatchConversionResult CLogoSession::OnConvertBmpToPld(
    const std::vector<std::filesystem::path>& files) {
    // Converting is not selecting: the files pass through an image of their own, and the
    // previews keep showing the item they showed.
    CurrentImage work;
    work.keepSourcePixels = m_image.keepSourcePixels;
    return ConvertBitmapsToLogoFiles(files, m_reader, work, m_op);
}
