#pragma once

#include <optional>
#include <string>
#include <string_view>

// Port names: "COM1" to "COM20" (COMn is /dev/ttyS<n-1>) or a device path.
namespace serial {

inline constexpr int kMinComNumber = 1;
inline constexpr int kMaxComNumber = 20;

// The COM number of a name "COMn" (1..20, "COM" in any case); nullopt otherwise.
std::optional<int> ComNumber(std::string_view name);
// "COMn" for a number 1..20.
std::string ComName(int number);
// The device path a port name stands for; nullopt for a name that is neither a COM name
// nor a path (a path contains '/').
std::optional<std::string> ResolvePortName(std::string_view name);

}  // namespace serial
