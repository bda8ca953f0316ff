#include "cli/InfoCommand.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/ItemRows.h"
#include "cli/OutcomeText.h"
#include "items/PrinterModels.h"
#include "text/ShiftJis.h"

namespace {

std::string CallCode(const CFontPT& item, int entry) {
    char code[8];
    std::snprintf(code, sizeof code, "0x%02X%02X", item.m_entries[entry * kEntrySize],
                  item.m_entries[entry * kEntrySize + 1]);
    return code;
}

nlohmann::json ItemJson(const CFontPT& item, double dotsPerMm) {
    nlohmann::json codes = nlohmann::json::array();
    const int count = std::min(item.m_patternCount, kMaxEntries);
    for (int entry = 0; entry < count; ++entry) codes.push_back(CallCode(item, entry));
    nlohmann::json json = {
        {"id", item.m_id},
        {"name", sjis::ToUtf8(item.m_name)},
        {"kind", item.IsLogo() ? "logo" : "font"},
        {"width", item.m_width},
        {"height", item.m_height},
        {"width_mm", item.m_width / dotsPerMm},
        {"height_mm", item.m_height / dotsPerMm},
        {"pattern_size", item.m_patternSize},
        {"pattern_count", item.m_patternCount},
        {"memory_need", item.GetMemoryNeed()},
        {"codes", codes},
    };
    if (!item.IsLogo()) {
        json["font"] = {{"size", item.m_fontSize},
                        {"bold", item.m_weight != 400},
                        {"italic", item.m_italic != 0}};
    }
    return json;
}

}  // namespace

CLI::App* InfoCommand::Register(CLI::App& app) {
    CLI::App* sub = app.add_subcommand("info", "Read back the logos and fonts the printer holds");
    m_port.AddOption(*sub);
    sub->add_option("--model", m_model,
                    "Printer model for the sizes in mm: 0 NV210a, 1 NV430a, 2 NV450a")
        ->check(CLI::Range(0, kModelCount - 1));
    sub->add_flag("--json", m_json, "Print the registrations as JSON");
    return sub;
}

int InfoCommand::Run(CCliContext& context) {
    std::unique_ptr<CLogoSession> session = m_port.OpenSession(context.op);
    const OperationOutcome outcome = session->OnGetInfo();
    const bool complete = outcome.Succeeded();
    if (!complete) context.err << "info: " << OutcomeText(outcome) << '\n';
    const CItemTable& items = session->m_items;
    // A failure that read nothing prints nothing: an empty list would claim an empty printer.
    // Records that arrived before a stream broke off are shown, as the table keeps them.
    if (!complete && items.CountInUse() == 0) return 1;
    const double dotsPerMm = ModelInfo(m_model).m_dotsPerMm;
    if (m_json) {
        nlohmann::json list = nlohmann::json::array();
        for (int slot = 0; slot < kItemCount; ++slot) {
            if (items[slot].m_state == ITEM_REGISTERED)
                list.push_back(ItemJson(items[slot], dotsPerMm));
        }
        const std::int64_t total = items.GetMemoryTotal();
        const nlohmann::json json = {
            {"complete", complete},
            {"items", list},
            {"memory",
             {{"used_bytes", total},
              {"used_kbytes", CItemTable::MemoryTextKbytes(total)},
              {"capacity_bytes", kPrinterMemory}}},
        };
        context.out << json.dump(2) << '\n';
    } else {
        for (int slot = 0; slot < kItemCount; ++slot) {
            if (items[slot].m_state == ITEM_REGISTERED)
                PrintItemRow(context.out, items[slot], dotsPerMm);
        }
        PrintMemoryLine(context.out, items);
    }
    return complete ? 0 : 1;
}
