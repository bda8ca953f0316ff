#include "sim/SimFault.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<SimFault, std::string_view>, 9> kNames{{
    {SimFault::None, "none"},
    {SimFault::Silence, "silence"},
    {SimFault::SlowErase, "slow-erase"},
    {SimFault::Garbage, "garbage"},
    {SimFault::ShortReply, "short-reply"},
    {SimFault::NoStx, "no-stx"},
    {SimFault::NoEtx, "no-etx"},
    {SimFault::Stall, "stall"},
    {SimFault::HangUp, "hang-up"},
}};

}  // namespace

std::optional<SimFault> ParseSimFault(std::string_view name) {
    for (const auto& [fault, text] : kNames) {
        if (text == name) return fault;
    }
    return std::nullopt;
}

std::string_view SimFaultName(SimFault fault) {
    for (const auto& [value, text] : kNames) {
        if (value == fault) return text;
    }
    return "none";
}

std::vector<std::string> SimFaultNames() {
    std::vector<std::string> names;
    for (const auto& entry : kNames) names.emplace_back(entry.second);
    return names;
}
