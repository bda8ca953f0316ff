#pragma once

#include <cstdint>
#include <functional>

// How an information exchange (reading back the printer's registrations) ended.
enum class InfoStatus {
    PortNotOpened,  // the port could not be opened; the message was shown, nothing sent
    NoAnswer,       // no information reply, even after the resend
    UnknownReply,   // a reply that is neither "nothing registered" nor "records follow"
    Broken,         // the stream broke off or was malformed; records before the break kept
    Complete,       // the whole stream (or an answer with nothing registered) arrived
};

struct InfoResult {
    InfoStatus status = InfoStatus::PortNotOpened;
    int recordsStored = 0;   // records stored into the table
    int recordsSkipped = 0;  // records read off the line but not stored (bad ID or count)
};

struct InfoCallbacks {
    // The request has been written and the reply is about to be read: the operation shows
    // its progress display here. The table is cleared right after this call.
    std::function<void()> onRequestSent;
    // Progress through the stream: `consumed` of `total` bytes, after each record's entries
    // and once more after the last record.
    std::function<void(std::int64_t total, std::int64_t consumed)> onProgress;
};
