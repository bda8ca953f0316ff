#pragma once

// How one printer transaction ended.
enum class TransactionStatus {
    Done,             // the printer did what was asked
    Declined,         // the operator kept the registered ID: nothing was sent
    PortNotOpened,    // the port could not be opened (the operator was told); nothing sent
    NoAnswer,         // a reply the dialogue waits for did not come
    UnexpectedReply,  // the printer answered something the dialogue cannot go on from
    BrokenReply,      // a reply broke off or was malformed part way
    LineFailed,       // the line failed (the device went away, a write failed)
    Stopped,          // a stop request ended it, the port closed
    NoTransferFile,   // there was no transfer file to send; the port was not touched
    InvalidId,        // an ID outside 0..99; the port was not touched
};

// A transaction's status, true when it went through: done, or declined by the operator.
struct TransactionResult {
    TransactionStatus status = TransactionStatus::Done;

    // Implicit, so that a transaction returns its status.
    TransactionResult(TransactionStatus s) : status(s) {}
    explicit operator bool() const {
        return status == TransactionStatus::Done || status == TransactionStatus::Declined;
    }
    bool operator==(const TransactionResult&) const = default;
};
