#pragma once

#include <filesystem>

#include "host/IOperator.h"
#include "imaging/CurrentImage.h"
#include "items/CFontPT.h"

// Writes the transfer file (the bytes a download sends as the logo's data) for the transfer
// image of `image`: the printer's 10-byte pattern prefix (0x6B 0x82, then 0, width, 0,
// height big-endian) and the packed pattern data. Sets the item's m_width, m_height and
// m_patternSize. Written whole or not at all; on failure message 108 (or 105) is shown and
// the item is left unchanged.
bool WriteTransferFile(const std::filesystem::path& path, CFontPT& item, const CurrentImage& image,
                       IOperator& op);
