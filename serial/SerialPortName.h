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

// The port a name typed or given by the operator stands for, as the program keeps it:
// "COMn" for a COM name (any case) and for the device a COM name stands for
// (/dev/ttyS<n-1>, so that a device is never two ports), else the path itself. Blanks
// around the name are dropped; nullopt for a name that is neither.
std::optional<std::string> ParsePortName(std::string_view text);

// The port of a run from the environment's value (STAMPIX_PORT): COM1 when it is unset
// or blank, its parsed port when it is one, else the value as given, so that every
// operation on it reports the name that is no port.
std::string PortFromEnvironment(const char* value);

}  // namespace serial
