#pragma once

#include <optional>
#include <string>
#include <vector>

// Whether two port names reach the same device: COM3 and /dev/ttyS2, a link and its
// target, two spellings of one path. Two workers on one device would garble each other's
// dialogues, so such a pair is refused before any port is opened.
bool SamePortDevice(const std::string& a, const std::string& b);

// The first pair of `ports` that reach the same device, as indexes; nullopt when all differ.
std::optional<std::pair<std::size_t, std::size_t>> FindSharedDevice(
    const std::vector<std::string>& ports);
