#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

// Writes `parts` one after the other as the whole content of `path`, replacing any file
// there. The bytes go to a new file in the same folder, which is renamed over `path` only
// when everything was written; on failure it is removed and `path` stays as it was.
bool WriteFileWhole(const std::filesystem::path& path,
                    std::span<const std::span<const std::uint8_t>> parts);
