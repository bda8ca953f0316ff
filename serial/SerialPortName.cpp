#include "serial/SerialPortName.h"

#include <cctype>

namespace serial {

std::optional<int> ComNumber(std::string_view name) {
    if (name.size() < 4 || name.size() > 5) return std::nullopt;
    for (int i = 0; i < 3; ++i) {
        if (std::toupper(static_cast<unsigned char>(name[static_cast<std::size_t>(i)])) !=
            "COM"[i]) {
            return std::nullopt;
        }
    }
    const std::string_view digits = name.substr(3);
    if (digits.front() == '0') return std::nullopt;
    int number = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        number = number * 10 + (c - '0');
    }
    if (number < kMinComNumber || number > kMaxComNumber) return std::nullopt;
    return number;
}

std::string ComName(int number) { return "COM" + std::to_string(number); }

std::optional<std::string> ResolvePortName(std::string_view name) {
    if (const auto number = ComNumber(name)) return "/dev/ttyS" + std::to_string(*number - 1);
    if (name.find('/') != std::string_view::npos && name.find('\0') == std::string_view::npos) {
        return std::string(name);
    }
    return std::nullopt;
}

std::optional<std::string> ParsePortName(std::string_view text) {
    const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    if (const auto number = ComNumber(text)) return ComName(*number);
    const auto path = ResolvePortName(text);
    if (!path) return std::nullopt;
    for (int number = kMinComNumber; number <= kMaxComNumber; ++number) {
        if (*path == *ResolvePortName(ComName(number))) return ComName(number);
    }
    return path;
}

std::string PortFromEnvironment(const char* value) {
    const std::string given = value != nullptr ? value : "";
    if (given.find_first_not_of(" \t\r\n") == std::string::npos) return ComName(kMinComNumber);
    return ParsePortName(given).value_or(given);
}

}  // namespace serial
