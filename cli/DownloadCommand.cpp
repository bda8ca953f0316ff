#include "cli/DownloadCommand.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <ostream>

#include "cli/ItemRows.h"
#include "cli/OutcomeText.h"
#include "items/PrinterModels.h"
#include "text/ControlCharacters.h"
#include "text/ShiftJis.h"

namespace {

// Compares what the printer holds under `sent`'s ID with what was sent; prints mismatches.
bool Matches(std::ostream& err, const CFontPT& sent, const CFontPT& held) {
    auto mismatch = [&](const char* what, const std::string& was, const std::string& is) {
        err << "verify: ID " << sent.m_id << ": " << what << " sent " << was << ", printer holds "
            << is << '\n';
        return false;
    };
    if (held.m_state != ITEM_REGISTERED) return mismatch("logo", "registered", "nothing");
    bool same = true;
    if (held.m_name != sent.m_name) {
        // The printer's reply may hold anything; it reaches the terminal made visible.
        same =
            mismatch("name", '"' + text::EscapeControlCharacters(sjis::ToUtf8(sent.m_name)) + '"',
                     '"' + text::EscapeControlCharacters(sjis::ToUtf8(held.m_name)) + '"');
    }
    if (held.m_width != sent.m_width) {
        same = mismatch("width", std::to_string(sent.m_width), std::to_string(held.m_width));
    }
    if (held.m_height != sent.m_height) {
        same = mismatch("height", std::to_string(sent.m_height), std::to_string(held.m_height));
    }
    if (held.m_patternSize != sent.m_patternSize) {
        same = mismatch("pattern size", std::to_string(sent.m_patternSize),
                        std::to_string(held.m_patternSize));
    }
    return same;
}

}  // namespace

CLI::App* DownloadCommand::Register(CLI::App& app) {
    CLI::App* sub = app.add_subcommand(
        "download",
        "Add bitmap, .pld or picture files (PNG, JPEG, GIF, WebP, TIFF, SVG) as new logos and "
        "download them to the printer");
    m_port.AddOption(*sub);
    sub->add_option("--start", m_start, "First slot to fill (the first free ID at or after it)")
        ->check(CLI::Range(0, kItemCount - 1));
    sub->add_option("--model", m_model,
                    "Printer model for the sizes in mm: 0 NV210a, 1 NV430a, 2 NV450a")
        ->check(CLI::Range(0, kModelCount - 1));
    m_pictures.AddOptions(*sub, false);
    sub->add_flag("--verify", m_verify,
                  "Read the registrations back and check every ID sent (name, size, pattern)");
    sub->add_option("FILE", m_files, "Files to add, in order")->required();
    return sub;
}

int DownloadCommand::Run(CCliContext& context) {
    std::unique_ptr<CLogoSession> session = m_port.OpenSession(context.op);
    session->m_image.keepSourcePixels = false;  // no preview on a terminal
    m_pictures.Configure(session->m_reader, m_model);
    std::vector<std::filesystem::path> paths;
    for (const std::string& file : m_files) {
        std::error_code error;
        const std::filesystem::path full = std::filesystem::absolute(file, error);
        paths.push_back(error ? std::filesystem::path(file) : full);
    }
    const std::vector<int> added = session->AddFiles(paths, m_start);
    const double dotsPerMm = ModelInfo(m_model).m_dotsPerMm;
    for (int slot : added) PrintItemRow(context.out, session->m_items[slot], dotsPerMm);
    if (added.empty()) {
        context.err << "download: no file could be added\n";
        return 1;
    }
    const bool allAdded = added.size() == paths.size();
    const OperationOutcome download = session->OnStartTransfer();
    if (!download.Succeeded()) {
        context.err << "download: " << OutcomeText(download) << '\n';
        return 1;
    }
    for (int slot : download.kept) {
        context.err << "download: ID " << slot << " was not overwritten and still waits\n";
    }
    if (!m_verify) return allAdded ? 0 : 1;

    // What was sent, before the read-back replaces the table.
    std::vector<CFontPT> sent;
    for (int slot : download.ids) sent.push_back(session->m_items[slot]);
    const OperationOutcome readBack = session->OnGetInfo();
    if (!readBack.Succeeded()) {
        context.err << "download: verify: " << OutcomeText(readBack) << '\n';
        return 1;
    }
    bool verified = true;
    for (const CFontPT& item : sent) {
        verified = Matches(context.err, item, session->m_items[item.m_id]) && verified;
    }
    if (verified) context.out << "verified " << sent.size() << " ID(s)\n";
    return allAdded && verified ? 0 : 1;
}
