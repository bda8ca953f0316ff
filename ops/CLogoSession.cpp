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

bool CLogoSession::LoadSourceFile(const std::filesystem::path& path) {
    return m_reader.Load(path, m_image, m_op);
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

void CLogoSession::ShowItemImage(int slot) {
    if (!CItemTable::IsValidSlot(slot) || m_items[slot].m_state != ITEM_NEW) {
        m_op.RepaintPreviews();
        return;
    }
    const std::filesystem::path& path = m_items[slot].m_sourcePath;
    if (m_reader.Kind(path) == LogoFileKind::Unsupported) {
        ShowError(std::string(texts::StringTable(texts::IDS_UNEXPECTED_FILE)));
        return;
    }
    if (LoadSourceFile(path)) m_op.RepaintPreviews();
}

bool CLogoSession::OnStartTransfer() { return OnStartTransfer(PlannedImages{}); }

bool CLogoSession::OnStartTransfer(const PlannedImages& planned) {
    if (CItemTable::GaugePosition(m_items.GetMemoryTotal()) >= kGaugeMax) {
        ShowError(Text(texts::kDownloadMemoryFull));
        return false;
    }
    if (m_items.CountInUse() > kMaxItemsAtDownload) {
        ShowError(Text(texts::kDownloadTooManyIds));
        return false;
    }
    CBusyScope busy(m_busy);
    const int waiting = m_items.CountNew();
    m_progress = m_op.OpenProgress();
    m_progress->SetProgress(waiting, 0, Text(texts::kWaitingForPrinter));

    int sent = 0;
    for (int slot = 0; slot < kItemCount; ++slot) {
        CFontPT& item = m_items[slot];
        if (item.m_state != ITEM_NEW) continue;
        if (StopRequested()) {
            Finish(Text(texts::kDownloadFailed));
            return false;
        }
        m_previewSlot = slot;
        const auto plannedImage = planned.find(slot);
        const CurrentImage* image = &m_image;
        bool loaded = true;
        if (plannedImage != planned.end()) {
            image = plannedImage->second;
            m_op.PumpEvents();
        } else {
            ShowItemImage(slot);
            m_op.PumpEvents();
            // The item is sent from a fresh reading of its file. A file that can no longer
            // be read fails the item (its loader has said why) rather than sending the image
            // of another item under this ID.
            if (m_reader.Kind(item.m_sourcePath) == LogoFileKind::Unsupported) {
                ShowError(std::string(texts::StringTable(texts::IDS_UNEXPECTED_FILE)));
            } else {
                loaded = LoadSourceFile(item.m_sourcePath);
            }
        }
        const std::filesystem::path transferFile = m_tempFolder.TransferFile(slot);
        CTransferFileRemover remover(transferFile);
        const bool written = loaded && WriteTransferFile(transferFile, item, *image, m_op);
        item.BuildHeader();
        if (!written || !m_protocol.DownloadItem(m_portName, transferFile, item, m_previewSlot)) {
            Finish(Text(texts::kDownloadFailed));
            return false;
        }
        ++sent;
        m_progress->SetProgress(waiting, sent, Text(texts::kDownloadSending));
    }
    m_progress->SetProgress(waiting, waiting, Text(texts::kDownloadDone));
    m_progress->ShowCloseButton();
    m_op.RefreshItemList();
    return true;
}

bool CLogoSession::OnGetInfo() {
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
    switch (result.status) {
        case InfoStatus::PortNotOpened:
            return false;
        case InfoStatus::NoAnswer:
        case InfoStatus::UnknownReply:
            Finish(Text(texts::kInfoFailed));
            break;
        case InfoStatus::Broken:
            Finish(Text(texts::kInfoBroken));
            break;
        case InfoStatus::Complete:
            if (!progressReported) m_progress->SetBar(1, 1);  // nothing registered: bar full
            Finish(Text(texts::kInfoDone));
            break;
    }
    m_op.RefreshItemList();
    return result.status == InfoStatus::Complete;
}

bool CLogoSession::OnClearIds(std::vector<int> rows) {
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
        m_op.ShowMessage(Text(texts::kResultCaption), Text(texts::kDeleteNothingSelected),
                         MessageIcon::Exclamation);
        return false;
    }
    if (anyRegistered &&
        !m_op.AskYesNo(Text(texts::kConfirmCaption), Text(texts::kDeleteRegisteredQuestion),
                       MessageIcon::Information)) {
        return false;
    }
    CBusyScope busy(m_busy);
    m_progress = m_op.OpenProgress();
    m_progress->SetProgress(inUse, 0, Text(texts::kDeleting));
    int done = 0;
    for (int row : rows) {
        m_op.PumpEvents();
        CFontPT& item = m_items[row];
        if (StopRequested() ||
            (item.m_state == ITEM_REGISTERED && !m_protocol.DeleteId(m_portName, row))) {
            Finish(Text(texts::kDeleteFailed));
            return false;
        }
        if (item.InUse()) m_progress->SetBar(inUse, ++done);
        item.Reset();
        m_op.PumpEvents();
    }
    m_progress->SetProgress(inUse, inUse, Text(texts::kDeleteDone));
    m_progress->ShowCloseButton();
    m_op.RefreshItemList();
    return true;
}

bool CLogoSession::OnAllClear() {
    if (!m_op.AskYesNo(Text(texts::kAllClearCaption), Text(texts::kAllClearQuestion),
                       MessageIcon::Exclamation)) {
        return false;
    }
    CBusyScope busy(m_busy);
    m_progress = m_op.OpenProgress();
    m_progress->SetProgress(1, 0, Text(texts::kAllClearing));
    m_op.PumpEvents();
    const bool deleted = m_protocol.DeleteAllIds(m_portName);
    if (deleted) {
        ClearTable();
        m_op.RefreshItemList();
        m_progress->SetProgress(1, 1, Text(texts::kAllClearDone));
    } else {
        m_progress->SetMessage(Text(texts::kAllClearFailed));
    }
    m_progress->ShowCloseButton();
    return deleted;
}

BatchConversionResult CLogoSession::OnConvertBmpToPld(
    const std::vector<std::filesystem::path>& files) {
    // Converting is not selecting: the files pass through an image of their own, and the
    // previews keep showing the item they showed.
    CurrentImage work;
    work.keepSourcePixels = m_image.keepSourcePixels;
    return ConvertBitmapsToLogoFiles(files, m_reader, work, m_op);
}
