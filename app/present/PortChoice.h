#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The port names the operator can choose: COM1..COM20 (COMn is /dev/ttyS<n-1>) or a
// device path.

inline constexpr int kComPortCount = 20;
inline constexpr std::string_view kDefaultPort = "COM1";

// "COM1" .. "COM20".
std::vector<std::string> ComPortNames();

// The port of a new run: the value of STAMPIX_PORT when it is set and valid, else COM1.
std::string StartPort(const char* environmentValue);

// A port typed by the operator: "COMn" (any case, n 1..20) or an absolute device path.
// Surrounding blanks are dropped; anything else is refused.
std::optional<std::string> ParseTypedPort(std::string_view text);
