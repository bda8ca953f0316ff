#pragma once

#include <cstdint>
#include <string>

// The narrow-platform rule for UTF-16 text from the input method, the clipboard and
// KEM_SETTEXT: on a platform that is not Unicode-capable, each character that the ANSI code
// page cannot hold without the default character becomes a space before it is inserted.
// This platform is Unicode-capable, so the rule changes nothing here; this is the one place
// that would apply it.
namespace kenarrow {

constexpr std::uint32_t kPlatformWin32Windows = 1;  // VER_PLATFORM_WIN32_WINDOWS
constexpr std::uint32_t kPlatformWin32NT = 2;       // VER_PLATFORM_WIN32_NT

// What GetVersionExA would report of a platform.
struct KEPlatformVersion {
    std::uint32_t platformId = kPlatformWin32NT;
    std::uint32_t majorVersion = 10;
};

// The platform this library runs on: Unicode-capable.
constexpr KEPlatformVersion kThisPlatform{};

// NT with major version 4, or any platform with a major version above 4.
bool IsUnicodeCapable(KEPlatformVersion version);

// `text` as the rule leaves it on `version`.
std::u16string Apply(std::u16string text, KEPlatformVersion version = kThisPlatform);

}  // namespace kenarrow
