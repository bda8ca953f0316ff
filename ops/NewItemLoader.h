#pragma once

#include <filesystem>

#include "host/IOperator.h"
#include "imaging/CLogoFileReader.h"
#include "imaging/CurrentImage.h"
#include "items/CFontPT.h"

// Loading a file into a new item, for whoever builds a list of items (the session, sync's
// manifest): no session needed, only the front end's reader with its decoder and model.

// Reads `path` into `image` with `reader`; a kind of file the reader does not take, or a
// file it cannot read, is refused with the message shown.
bool ReadItemFile(const std::filesystem::path& path, CLogoFileReader& reader, CurrentImage& image,
                  IOperator& op);

// Makes `item` the new item of `slot` from `image`, read from `path`: named after the file
// (cut to 32 bytes) and sized by its transfer file, written to `transferFile` and removed
// again. An item that cannot be sized or is larger than a printer takes is refused with the
// message shown, and `item` is reset.
bool MakeNewItem(const std::filesystem::path& path, int slot, const CurrentImage& image,
                 const std::filesystem::path& transferFile, CFontPT& item, IOperator& op);
