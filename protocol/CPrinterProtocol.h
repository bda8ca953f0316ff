#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>

#include "host/IOperator.h"
#include "items/CFontPT.h"
#include "items/CItemTable.h"
#include "protocol/InfoResult.h"
#include "protocol/TransactionResult.h"
#include "serial/ISerialLink.h"

// Bytes of the data frame sent so far, of `total`.
using DataProgress = std::function<void(std::size_t sent, std::size_t total)>;

// The printer transactions. Each one opens the named port on the link, configures it,
// exchanges its frames and closes the port again on every path; a port that cannot be
// opened is reported to the operator (string 500 under caption 200) and fails the
// transaction. The link's waits and the waiting reads keep the operator's display alive
// through IOperator::PumpEvents. Every frame's bytes have left the port before the wait for
// its reply starts.
//
// A failed line or a stop request (`stop`, which the link should be given too) ends the
// transaction at once with failure (LineFailed, Stopped), the port closed; once stop is
// requested no transaction opens the port any more.
class CPrinterProtocol {
  public:
    CPrinterProtocol(ISerialLink& link, IOperator& op, const CStopFlag* stop = nullptr);

    // Registers `item` from its transfer file (all of whose bytes form the data frame).
    // `previewSlot` is the ID named in the overwrite question. Done on success, Declined when
    // the operator declined to overwrite (the item then stays ITEM_NEW); on a complete
    // registration the item becomes ITEM_REGISTERED. A missing or unreadable file fails
    // (NoTransferFile) without a message and without touching the port.
    TransactionResult DownloadItem(const std::string& port,
                                   const std::filesystem::path& transferFile, CFontPT& item,
                                   int previewSlot, const DataProgress& progress = {});
    // The same with the transfer file's bytes already in memory.
    TransactionResult DownloadData(const std::string& port, std::span<const std::uint8_t> data,
                                   CFontPT& item, int previewSlot,
                                   const DataProgress& progress = {});
    // Deletes the registration of one ID (0..99; any other ID fails at once, InvalidId).
    TransactionResult DeleteId(const std::string& port, int id);
    // Deletes every registration.
    TransactionResult DeleteAllIds(const std::string& port);
    // Reads back every registration into `table` (cleared once the request is sent).
    InfoResult ReadRegistrations(const std::string& port, CItemTable& table,
                                 const InfoCallbacks& callbacks = {});

  private:
    // Done, PortNotOpened (told to the operator) or Stopped.
    TransactionStatus OpenAndConfigure(const std::string& port);
    // A failure: Stopped when a stop was requested, LineFailed when the line failed, else
    // `otherwise`.
    TransactionStatus Failure(TransactionStatus otherwise) const;
    bool Write(std::span<const std::uint8_t> bytes);
    // Writes a frame of one write and waits until it has left the port.
    void WriteFrame(std::span<const std::uint8_t> bytes);
    // True when the transaction cannot go on: stop requested or the line failed.
    bool Abandoned() const;
    // Reads `length` bytes once; false when nothing arrived.
    bool Read(std::uint8_t* buffer, std::size_t length);
    // Reads until something arrives, however long that takes, keeping the display alive;
    // false when the line failed or a stop was requested first.
    bool WaitingRead(std::uint8_t* buffer, std::size_t length);
    bool AskOverwrite(int previewSlot);
    TransactionResult DeleteDialogue(const std::string& port,
                                     std::span<const std::uint8_t> request);

    ISerialLink& m_link;
    IOperator& m_op;
    const CStopFlag* m_stop;
    IdleCallback m_pump;
};
