#include "protocol/CPrinterProtocol.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <system_error>
#include <vector>

#include "protocol/CRegistrationReader.h"
#include "protocol/PortOpenMessage.h"
#include "protocol/PrinterFrames.h"
#include "res/Texts.h"

namespace {

// Closes the port when a transaction leaves, on every path.
class PortCloser {
  public:
    explicit PortCloser(ISerialLink& link) : m_link(link) {}
    ~PortCloser() { m_link.ClosePort(); }
    PortCloser(const PortCloser&) = delete;
    PortCloser& operator=(const PortCloser&) = delete;

  private:
    ISerialLink& m_link;
};

// A transfer file holds one logo of at most 44 Kbyte; anything far beyond the printer's
// whole memory is not one.
constexpr std::uintmax_t kMaxTransferFileBytes = 16u << 20;

bool ReadWholeFile(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes) {
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec || size > kMaxTransferFileBytes) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.resize(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
    return static_cast<std::uintmax_t>(in.gcount()) == size;
}

}  // namespace

CPrinterProtocol::CPrinterProtocol(ISerialLink& link, IOperator& op, const CStopFlag* stop)
    : m_link(link), m_op(op), m_stop(stop), m_pump([&op] { op.PumpEvents(); }) {}

bool CPrinterProtocol::Abandoned() const {
    return (m_stop != nullptr && m_stop->IsRequested()) || m_link.LineFailed();
}

TransactionStatus CPrinterProtocol::OpenAndConfigure(const std::string& port) {
    if (m_stop != nullptr && m_stop->IsRequested()) return TransactionStatus::Stopped;
    if (!m_link.OpenPort(port)) {
        m_op.ShowMessage(std::string(texts::StringTable(texts::IDS_ERROR_CAPTION)),
                         PortOpenMessage(m_link.OpenFailure()), MessageIcon::Exclamation);
        return TransactionStatus::PortNotOpened;
    }
    m_link.ConfigurePort();  // a failure shows later as missing or wrong replies
    return TransactionStatus::Done;
}

TransactionStatus CPrinterProtocol::Failure(TransactionStatus otherwise) const {
    if (m_stop != nullptr && m_stop->IsRequested()) return TransactionStatus::Stopped;
    if (m_link.LineFailed()) return TransactionStatus::LineFailed;
    return otherwise;
}

bool CPrinterProtocol::Write(std::span<const std::uint8_t> bytes) {
    return m_link.WriteBytes(bytes.data(), bytes.size(), m_pump);
}

bool CPrinterProtocol::Read(std::uint8_t* buffer, std::size_t length) {
    return m_link.ReadBytes(buffer, length, m_pump);
}

void CPrinterProtocol::WriteFrame(std::span<const std::uint8_t> bytes) {
    Write(bytes);
    m_link.DrainOutput(bytes.size(), m_pump);
}

bool CPrinterProtocol::WaitingRead(std::uint8_t* buffer, std::size_t length) {
    while (!Read(buffer, length)) {
        if (Abandoned()) return false;
        m_op.PumpEvents();
    }
    return true;
}

bool CPrinterProtocol::AskOverwrite(int previewSlot) {
    char text[256];
    std::snprintf(text, sizeof text, texts::kOverwriteQuestionFormat.data(), previewSlot);
    return m_op.AskYesNo(std::string(texts::kConfirmCaption), text, MessageIcon::Exclamation);
}

TransactionResult CPrinterProtocol::DownloadItem(const std::string& port,
                                                 const std::filesystem::path& transferFile,
                                                 CFontPT& item, int previewSlot,
                                                 const DataProgress& progress) {
    std::vector<std::uint8_t> data;
    if (!ReadWholeFile(transferFile, data)) return TransactionStatus::NoTransferFile;
    return DownloadData(port, data, item, previewSlot, progress);
}

TransactionResult CPrinterProtocol::DownloadData(const std::string& port,
                                                 std::span<const std::uint8_t> data, CFontPT& item,
                                                 int previewSlot, const DataProgress& progress) {
    if (const TransactionStatus opened = OpenAndConfigure(port);
        opened != TransactionStatus::Done) {
        return opened;
    }
    PortCloser closer(m_link);

    Write(frames::kRegistrationHead);
    Write(item.m_header);
    Write(frames::kRegistrationTail);
    m_link.DrainOutput(
        frames::kRegistrationHead.size() + item.m_header.size() + frames::kRegistrationTail.size(),
        m_pump);

    std::array<std::uint8_t, frames::kStatusReplySize> status{};
    if (!Read(status.data(), status.size())) return Failure(TransactionStatus::NoAnswer);
    std::array<std::uint8_t, frames::kStatusReplySize> ready{};
    if (status[1] == frames::STATUS_FREE) {
        WriteFrame(frames::kProceed);
        if (!Read(ready.data(), ready.size())) return Failure(TransactionStatus::NoAnswer);
    } else if (status[1] == frames::STATUS_OCCUPIED) {
        const bool overwrite = AskOverwrite(previewSlot);
        // Stopped (or the line lost) while the question was open.
        if (Abandoned()) return Failure(TransactionStatus::LineFailed);
        if (!overwrite) {
            std::array<std::uint8_t, frames::kStatusReplySize> ignored{};
            WriteFrame(frames::kDecline);
            Read(ignored.data(), ignored.size());
            item.m_state = ITEM_NEW;
            return TransactionStatus::Declined;
        }
        WriteFrame(frames::kProceed);
        if (!WaitingRead(ready.data(), ready.size())) return Failure(TransactionStatus::NoAnswer);
    } else {
        return Failure(TransactionStatus::UnexpectedReply);
    }
    if (ready[1] != frames::STATUS_READY) return Failure(TransactionStatus::UnexpectedReply);

    // The data frame; a failed write does not stop it, the replies decide.
    const std::uint8_t stx = frames::STX;
    const std::uint8_t etx = frames::ETX;
    m_link.WriteBytes(&stx, 1, m_pump);
    for (std::size_t i = 0; i < data.size(); ++i) {
        m_link.WriteBytes(&data[i], 1, m_pump);
        m_op.PumpEvents();
        if (Abandoned()) return Failure(TransactionStatus::LineFailed);
        if (progress) progress(i + 1, data.size());
    }
    m_link.WriteBytes(&etx, 1, m_pump);
    m_link.DrainOutput(data.size() + 2, m_pump);

    std::uint8_t ack = 0;
    if (!Read(&ack, 1)) return Failure(TransactionStatus::NoAnswer);
    if (ack != frames::ACK) return Failure(TransactionStatus::UnexpectedReply);
    std::array<std::uint8_t, frames::kStatusReplySize> done{};
    if (!Read(done.data(), done.size())) return Failure(TransactionStatus::NoAnswer);
    if (done[1] != frames::STATUS_DONE) return Failure(TransactionStatus::UnexpectedReply);
    item.m_state = ITEM_REGISTERED;
    return TransactionStatus::Done;
}

TransactionResult CPrinterProtocol::DeleteDialogue(const std::string& port,
                                                   std::span<const std::uint8_t> request) {
    if (const TransactionStatus opened = OpenAndConfigure(port);
        opened != TransactionStatus::Done) {
        return opened;
    }
    PortCloser closer(m_link);

    WriteFrame(request);
    std::array<std::uint8_t, frames::kStatusReplySize> status{};
    if (!Read(status.data(), status.size())) {
        WriteFrame(request);
        if (!Read(status.data(), status.size())) return Failure(TransactionStatus::NoAnswer);
    }
    if (status[1] == frames::STATUS_FREE) return TransactionStatus::Done;
    if (status[1] != frames::STATUS_OCCUPIED) return Failure(TransactionStatus::UnexpectedReply);
    std::array<std::uint8_t, frames::kStatusReplySize> done{};
    WriteFrame(frames::kProceed);
    if (!WaitingRead(done.data(), done.size())) return Failure(TransactionStatus::NoAnswer);
    if (done[1] != frames::STATUS_DONE) return Failure(TransactionStatus::UnexpectedReply);
    return TransactionStatus::Done;
}

TransactionResult CPrinterProtocol::DeleteId(const std::string& port, int id) {
    if (!CItemTable::IsValidSlot(id)) return TransactionStatus::InvalidId;
    return DeleteDialogue(port, frames::DeleteIdFrame(id));
}

TransactionResult CPrinterProtocol::DeleteAllIds(const std::string& port) {
    return DeleteDialogue(port, frames::kDeleteAll);
}

InfoResult CPrinterProtocol::ReadRegistrations(const std::string& port, CItemTable& table,
                                               const InfoCallbacks& callbacks) {
    if (OpenAndConfigure(port) != TransactionStatus::Done) {
        return InfoResult{InfoStatus::PortNotOpened, 0, 0};
    }
    PortCloser closer(m_link);
    CRegistrationReader reader(m_link, m_pump);
    return reader.Run(table, callbacks);
}
