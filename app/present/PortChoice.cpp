#include "app/present/PortChoice.h"

#include <cctype>

std::vector<std::string> ComPortNames() {
    std::vector<std::string> names;
    for (int n = 1; n <= kComPortCount; ++n) {
        names.push_back("COM" + std::to_string(n));
    }
    return names;
}

std::string StartPort(const char* environmentValue) {
    if (environmentValue != nullptr) {
        if (auto port = ParseTypedPort(environmentValue)) {
            return *port;
        }
    }
    return std::string(kDefaultPort);
}

std::optional<std::string> ParseTypedPort(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
        text.remove_suffix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    if (text.front() == '/') {
        return std::string(text);
    }
    if (text.size() < 4 || text.size() > 5) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < 3; ++i) {
        if (std::toupper(static_cast<unsigned char>(text[i])) != "COM"[i]) {
            return std::nullopt;
        }
    }
    int number = 0;
    for (char c : text.substr(3)) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            return std::nullopt;
        }
        number = number * 10 + (c - '0');
    }
    if (text[3] == '0' || number < 1 || number > kComPortCount) {
        return std::nullopt;
    }
    return "COM" + std::to_string(number);
}
