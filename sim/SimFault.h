#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Faults the virtual printer can be told to show.
enum class SimFault {
    None,
    Silence,     // never answers anything
    SlowErase,   // erasing (overwrite, delete, delete all) keeps it silent for a while
    Garbage,     // status replies and ACK come back as garbage of the same length
    ShortReply,  // status and information replies come back cut to their first byte
    NoStx,       // the registration stream starts without STX
    NoEtx,       // the registration stream ends without ETX
    Stall,       // the registration stream falls silent after the first record
    HangUp,      // stops listening and answering halfway through a data frame
};

// "none", "silence", "slow-erase", "garbage", "short-reply", "no-stx", "no-etx", "stall",
// "hang-up".
std::optional<SimFault> ParseSimFault(std::string_view name);
std::string_view SimFaultName(SimFault fault);
std::vector<std::string> SimFaultNames();
