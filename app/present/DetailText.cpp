#include "app/present/DetailText.h"

#include <algorithm>

#include "app/present/TextFormat.h"
#include "res/Texts.h"
#include "text/ControlCharacters.h"
#include "text/ShiftJis.h"

namespace {

int EntryCount(int count, std::span<const std::uint8_t> entries) {
    const int available = static_cast<int>(entries.size() / kEntrySize);
    return std::clamp(count, 0, std::min(available, kMaxEntries));
}

std::string CodeText(std::span<const std::uint8_t> entries, int index) {
    const auto at = static_cast<std::size_t>(index) * kEntrySize;
    return FormatText("0x%02X%02X", static_cast<unsigned>(entries[at]),
                      static_cast<unsigned>(entries[at + 1]));
}

std::string NameLine(const CFontPT& record) {
    return FormatText(texts::kDetailNameFormat,
                      text::EscapeControlCharacters(sjis::ToUtf8(record.m_name)).c_str());
}

std::string IdLine(const CFontPT& record) {
    return FormatText(texts::kDetailIdFormat, static_cast<int>(record.m_id));
}

}  // namespace

CFontPT ParseDetailRecord(std::span<const std::uint8_t, kHeaderSize> header) {
    CFontPT record;
    record.ParseHeader(header);
    return record;
}

LogoDetailText MakeLogoDetailText(const CFontPT& record, int count,
                                  std::span<const std::uint8_t> entries, double dotsPerMm) {
    LogoDetailText text;
    const int n = EntryCount(count, entries);
    for (int i = 0; i < n; ++i) {
        text.m_entries.push_back(CodeText(entries, i));
    }
    text.m_name = NameLine(record);
    text.m_id = IdLine(record);
    const double perMm = dotsPerMm > 0 ? dotsPerMm : 1.0;
    text.m_height = FormatText(texts::kDetailHeightFormat, static_cast<int>(record.m_width),
                               record.m_width / perMm);
    text.m_width = FormatText(texts::kDetailWidthFormat, static_cast<int>(record.m_height),
                              record.m_height / perMm);
    return text;
}

std::string EntryCharacter(std::uint8_t byte0, std::uint8_t byte1) {
    const char16_t unit = static_cast<char16_t>(byte1 * 256 + byte0);
    if (unit < 0x20 || unit == 0x7F || (unit >= 0xD800 && unit <= 0xDFFF)) {
        return {};
    }
    return sjis::Utf16ToUtf8(std::u16string_view(&unit, 1));
}

FontDetailText MakeFontDetailText(const CFontPT& record, int count,
                                  std::span<const std::uint8_t> entries) {
    FontDetailText text;
    const int n = EntryCount(count, entries);
    for (int i = 0; i < n; ++i) {
        const auto at = static_cast<std::size_t>(i) * kEntrySize;
        text.m_entries.push_back(CodeText(entries, i) + "     " +
                                 EntryCharacter(entries[at], entries[at + 1]));
    }
    text.m_name = NameLine(record);
    text.m_id = IdLine(record);
    text.m_fontCount = FormatText(texts::kDetailFontCountFormat, static_cast<int>(count));
    text.m_fontSize = FormatText(texts::kDetailFontSizeFormat, static_cast<int>(record.m_fontSize));
    text.m_bold =
        std::string(record.m_weight == 400 ? texts::kDetailBoldOff : texts::kDetailBoldOn);
    text.m_italic =
        std::string(record.m_italic == 0 ? texts::kDetailItalicOff : texts::kDetailItalicOn);
    return text;
}
