#include "cli/ItemRows.h"

#include <cstdio>
#include <ostream>
#include <string>

#include "res/Texts.h"
#include "text/ControlCharacters.h"
#include "text/ShiftJis.h"

void PrintItemRow(std::ostream& out, const CFontPT& item, double dotsPerMm) {
    char sizes[160];
    std::snprintf(sizes, sizeof sizes, "%d x %d dots (%.1f x %.1f mm)", item.m_width, item.m_height,
                  item.m_width / dotsPerMm, item.m_height / dotsPerMm);
    out << IdText(item.m_id) << "  " << text::EscapeControlCharacters(sjis::ToUtf8(item.m_name))
        << "  " << (item.IsLogo() ? "logo" : "font") << "  " << sizes << "  pattern "
        << item.m_patternSize << " x " << item.m_patternCount << "  memory " << item.GetMemoryNeed()
        << " bytes\n";
}

void PrintMemoryLine(std::ostream& out, const CItemTable& items) {
    const std::string format(texts::kMemoryUsageFormat);
    char line[128];
    std::snprintf(line, sizeof line, format.c_str(),
                  static_cast<int>(CItemTable::MemoryTextKbytes(items.GetMemoryTotal())));
    out << line << '\n';
}
