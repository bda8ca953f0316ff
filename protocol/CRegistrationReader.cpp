#include "protocol/CRegistrationReader.h"

#include <algorithm>
#include <array>

#include "protocol/PrinterFrames.h"

CRegistrationReader::CRegistrationReader(ISerialLink& link, IdleCallback idle)
    : m_link(link), m_idle(std::move(idle)) {}

void CRegistrationReader::SendFrame(std::span<const std::uint8_t> frame) {
    m_link.WriteBytes(frame.data(), frame.size(), m_idle);
    m_link.DrainOutput(frame.size(), m_idle);
}

bool CRegistrationReader::ReadExactly(std::uint8_t* buffer, std::size_t length) {
    return m_link.ReadUpTo(buffer, length, m_idle) == length;
}

InfoResult CRegistrationReader::Run(CItemTable& table, const InfoCallbacks& callbacks) {
    InfoResult result;
    const auto& request = frames::kInformationRequest;
    SendFrame(request);
    if (callbacks.onRequestSent) callbacks.onRequestSent();
    table.ClearItemTable();

    std::array<std::uint8_t, frames::kInformationReplySize> reply{};
    if (!m_link.ReadBytes(reply.data(), reply.size(), m_idle)) {
        SendFrame(request);
        if (!m_link.ReadBytes(reply.data(), reply.size(), m_idle)) {
            result.status = InfoStatus::NoAnswer;
            return result;
        }
    }
    if (reply[1] == frames::STATUS_FREE) {
        result.status = InfoStatus::Complete;  // nothing registered
        return result;
    }
    if (reply[1] != frames::STATUS_OCCUPIED) {
        // Not an answer to this request: reporting it as an empty printer would be wrong.
        result.status = InfoStatus::UnknownReply;
        return result;
    }
    const auto total = frames::ParseStreamLength(reply);
    if (!total) {
        result.status = InfoStatus::Broken;
        return result;
    }
    SendFrame(frames::kProceed);
    std::uint8_t mark = 0;
    if (!ReadExactly(&mark, 1) || mark != frames::STX) {
        result.status = InfoStatus::Broken;
        return result;
    }
    if (!ReadStream(table, callbacks, *total, result)) {
        result.status = InfoStatus::Broken;
        return result;
    }
    mark = 0;
    result.status =
        ReadExactly(&mark, 1) && mark == frames::ETX ? InfoStatus::Complete : InfoStatus::Broken;
    return result;
}

bool CRegistrationReader::ReadStream(CItemTable& table, const InfoCallbacks& callbacks,
                                     std::int64_t total, InfoResult& result) {
    std::int64_t consumed = 0;
    std::array<std::uint8_t, frames::kRecordSize> record{};
    while (consumed < total) {
        if (!ReadExactly(record.data(), record.size())) return false;
        const auto id = frames::RecordId(record);
        const std::uint32_t count = frames::RecordPatternCount(record);
        const std::int64_t entryBytes = static_cast<std::int64_t>(count) * kEntrySize;
        // A record whose entries would run past the announced end is out of step with it.
        if (entryBytes > total - consumed - static_cast<std::int64_t>(frames::kRecordSize)) {
            return false;
        }
        const bool storable = id.has_value() && count <= static_cast<std::uint32_t>(kMaxEntries);
        m_entries.resize(storable ? static_cast<std::size_t>(entryBytes) : kEntrySize);
        for (std::uint32_t i = 0; i < count; ++i) {
            std::uint8_t* target =
                storable ? m_entries.data() + std::size_t{i} * kEntrySize : m_entries.data();
            if (!ReadExactly(target, kEntrySize)) return false;
        }
        consumed += entryBytes;
        if (storable) {
            CFontPT& slot = table[*id];
            std::copy(m_entries.begin(), m_entries.end(), slot.m_entries.begin());
            slot.ParseHeader(record);
            slot.m_state = ITEM_REGISTERED;
            slot.m_sourcePath.clear();
            ++result.recordsStored;
        } else {
            ++result.recordsSkipped;
        }
        if (callbacks.onProgress) callbacks.onProgress(total, consumed);
        consumed += static_cast<std::int64_t>(frames::kRecordSize);
    }
    if (callbacks.onProgress) callbacks.onProgress(total, consumed);
    return true;
}
