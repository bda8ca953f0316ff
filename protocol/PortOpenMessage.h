#pragma once

#include <optional>
#include <string>

#include "serial/PortOpenFailure.h"

// The message shown when a port cannot be opened: string 500 as it is, then, when the link
// can tell why, the device and the system's reason on a line of their own, and for a
// refusal the operator can mend (no permission, no serial device) what to do.
std::string PortOpenMessage(const std::optional<PortOpenFailure>& failure);
