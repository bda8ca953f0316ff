#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/IOperator.h"
#include "imaging/BatchConversion.h"
#include "imaging/CLogoFileReader.h"
#include "imaging/CurrentImage.h"
#include "imaging/LogoFileKind.h"
#include "items/CItemTable.h"
#include "ops/CTempFolder.h"
#include "ops/OperationOutcome.h"
#include "protocol/CPrinterProtocol.h"
#include "serial/CStopFlag.h"
#include "serial/ISerialLink.h"

// The working set of one run and the operations that every front end drives: the item
// table, the current image, the preview slot, the port, and the progress display of the
// last operation. Every message, question and progress update goes through the IOperator
// given at construction; the front ends only translate the operator's clicks.
class CLogoSession {
  public:
    CLogoSession(IOperator& op, std::unique_ptr<ISerialLink> port);
    CLogoSession(const CLogoSession&) = delete;
    CLogoSession& operator=(const CLogoSession&) = delete;

    CItemTable m_items;
    CurrentImage m_image;
    int m_previewSlot = 0;
    std::string m_portName = "COM1";  // COM1..COM20 or a device path
    // Reads the items' files; the front end gives it its decoder of other formats.
    CLogoFileReader m_reader;

    // True while a printer operation runs; the front end must not end the session then.
    bool IsBusy() const { return m_busy; }
    // Stops the printer work: the running operation ends within about 100 ms as on a failed
    // line (its failure text, the port closed, its transfer file removed), and no later
    // operation of this session opens the port. Safe from any thread and from a signal
    // handler.
    void RequestStop() noexcept { m_stop.Request(); }
    bool StopRequested() const noexcept { return m_stop.IsRequested(); }
    // Also stops when `outer` is requested (a flag that a signal handler sets, say);
    // `outer` must outlive the session.
    void FollowStopFlag(const CStopFlag& outer) noexcept { m_stop.Follow(&outer); }
    // The progress display of the last printer operation (it stays until the operator
    // closes it).
    const std::shared_ptr<IProgressDisplay>& Progress() const { return m_progress; }

    // Adds one file into the first free slot at or after `startSlot`; shows its own
    // messages. True when an item was added.
    bool AddFile(const std::filesystem::path& path, int startSlot);
    // Adds files in order from one start slot, then refreshes the list and the previews.
    // Returns the slots that were filled.
    std::vector<int> AddFiles(const std::vector<std::filesystem::path>& paths, int startSlot);
    // Loads the image of a new item into the current image and repaints the previews. True
    // when the current image now holds the item's.
    bool ShowItemImage(int slot);

    // The printer operations show their progress and results to the operator as they go,
    // and return what they came to.

    // Downloads every new item, in ID order. Done when all were sent (or kept by the
    // operator); the IDs are those sent.
    OperationOutcome OnStartTransfer();
    // The same, but the items of the slots in `planned` are sent from the pictures given
    // there (read earlier, when the work was planned) instead of a fresh reading of their
    // files, so that what is sent is what was checked. The pictures must outlive the call.
    using PlannedImages = std::map<int, const CurrentImage*>;
    OperationOutcome OnStartTransfer(const PlannedImages& planned);
    // Replaces the table with what the printer holds; the IDs are those read back.
    OperationOutcome OnGetInfo();
    // Deletes the items of the given rows (in the printer too, when registered); the IDs
    // are the rows that held an item.
    OperationOutcome OnClearIds(std::vector<int> rows);
    // Deletes every registration in the printer and, on success, clears the table.
    OperationOutcome OnAllClear();
    // Converts bitmaps into .pld files beside them; the current image stays as it was.
    BatchConversionResult OnConvertBmpToPld(const std::vector<std::filesystem::path>& files);

  private:
    class CBusyScope;

    std::optional<int> AddFileToSlot(const std::filesystem::path& path, int startSlot);
    void ShowError(const std::string& text);
    // Resets every record and deletes the list's rows.
    void ClearTable();
    void Finish(const std::string& text);
    // Shows a refusal's message box under `caption`.
    OperationOutcome Refuse(OperationText text, const std::string& caption);
    // Ends the progress display with `text`: the work failed at `id` (or was stopped).
    OperationOutcome Fail(OperationOutcome outcome, OperationText text, TransactionStatus cause,
                          std::optional<int> id = std::nullopt);

    IOperator& m_op;
    std::unique_ptr<ISerialLink> m_port;
    CStopFlag m_stop;  // before the protocol, which keeps a pointer to it
    CPrinterProtocol m_protocol;
    CTempFolder m_tempFolder;
    std::shared_ptr<IProgressDisplay> m_progress;
    bool m_busy = false;
};
