#include "editctl/model/KENarrowPlatform.h"

#include "editctl/model/KEAnsiCodePage.h"

namespace kenarrow {

bool IsUnicodeCapable(KEPlatformVersion version) {
    return (version.platformId == kPlatformWin32NT && version.majorVersion == 4) ||
           version.majorVersion > 4;
}

std::u16string Apply(std::u16string text, KEPlatformVersion version) {
    if (IsUnicodeCapable(version)) {
        return text;
    }
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const bool pair = i + 1 < text.size() && text[i] >= 0xD800 && text[i] <= 0xDBFF &&
                          text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
        const std::u16string_view character = std::u16string_view(text).substr(i, pair ? 2 : 1);
        // A surrogate pair is one character: it becomes one space.
        bool defaulted = false;
        const bool lone = !pair && text[i] >= 0xD800 && text[i] <= 0xDFFF;
        keansi::FromUtf16(character, &defaulted);
        out += defaulted || lone ? std::u16string_view(u" ") : character;
        i += character.size();
    }
    text = std::move(out);
    return text;
}

}  // namespace kenarrow
