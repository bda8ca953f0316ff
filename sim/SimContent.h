#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "sim/CSimRegistrations.h"
#include "sim/SimRegistration.h"

// Registrations to preload into the virtual printer.
namespace simcontent {

// A logo of `width` x `height` dots under `id`; `sjisName` is cut at 32 bytes. The pattern
// is a frame with a diagonal, so that it is not blank.
SimRegistration MakeLogo(int id, std::string_view sjisName, int width, int height);

// A downloaded font under `id`: one pattern of `dots` x `dots` per character; each entry's
// call code is the character's UTF-16 code unit, low byte first.
SimRegistration MakeFont(int id, std::string_view sjisName, int dots,
                         std::span<const char16_t> characters, bool bold, bool italic);

// Three logos (IDs 1, 2, 5) and a font of the 83 hiragana and the ten digits (ID 10).
void PreloadDemo(CSimRegistrations& registrations);

}  // namespace simcontent
