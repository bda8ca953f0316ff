#include "ops/CSyncManifest.h"

#include <toml++/toml.h>
#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <system_error>

#include "imaging/PatternHash.h"
#include "items/CItemTable.h"
#include "items/PrinterModels.h"
#include "ops/CTempFolder.h"
#include "ops/NewItemLoader.h"
#include "text/ControlCharacters.h"
#include "text/ShiftJis.h"

namespace {

// Keeps what the loaders say about a file, to report it at the file's line.
class CLoaderMessages : public IOperator {
  public:
    void ShowMessage(const std::string&, const std::string& text, MessageIcon) override {
        m_texts.push_back(text);
    }
    bool AskYesNo(const std::string&, const std::string&, MessageIcon) override { return false; }
    std::shared_ptr<IProgressDisplay> OpenProgress() override { return nullptr; }

    // Every text since the last call, joined; empty when there was none.
    std::string Take() {
        std::string joined;
        for (const std::string& text : m_texts) joined += (joined.empty() ? "" : " ") + text;
        m_texts.clear();
        return joined;
    }

  private:
    std::vector<std::string> m_texts;
};

int LineOf(const toml::node& node) { return static_cast<int>(node.source().begin.line); }

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::optional<int> ModelNumber(std::string_view name) {
    for (int model = 0; model < kModelCount; ++model) {
        if (ModelInfo(model).m_name == name) return model;
    }
    return std::nullopt;
}

std::string ModelNames() {
    std::string names;
    for (int model = 0; model < kModelCount; ++model) {
        names += (model == 0 ? "" : ", ") + std::string(ModelInfo(model).m_name);
    }
    return names;
}

bool ReadText(const std::filesystem::path& path, std::string& text, std::string& error) {
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec) {
        error = "cannot read the manifest: " + ec.message();
        return false;
    }
    if (size > CSyncManifest::kMaxFileBytes) {
        error = "the manifest is " + std::to_string(size) + " bytes, more than a manifest can be";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    if (!in) {
        error = "cannot read the manifest";
        return false;
    }
    text = content.str();
    return true;
}

// What one [[logo]] table says, before its file is loaded.
struct LogoEntry {
    int line = 0;
    int idLine = 0;
    int fileLine = 0;
    std::optional<int> id;
    std::optional<std::string> name;  // Shift-JIS
    std::string file;
    std::optional<double> widthMm;  // printed size of a vector picture
    std::optional<double> heightMm;
};

class CManifestReader {
  public:
    CManifestReader(const std::filesystem::path& path, std::vector<ManifestError>& errors)
        : m_folder(path.parent_path()), m_errors(errors) {}

    void Read(const toml::table& root, std::optional<int>& model, std::vector<LogoEntry>& entries) {
        bool modelGiven = false;
        for (auto&& [key, value] : root) {
            if (key.str() == "model") {
                modelGiven = true;
                const auto* name = value.as_string();
                model = name ? ModelNumber(name->get()) : std::nullopt;
                if (!model) Error(LineOf(value), "model must be one of " + ModelNames());
            } else if (key.str() == "logo") {
                ReadLogos(value, entries);
            } else {
                Error(static_cast<int>(key.source().begin.line),
                      "unknown key " + Quoted(key.str()));
            }
        }
        if (!modelGiven) Error(0, "the printer model is missing (model = \"NV210a\")");
    }

    std::filesystem::path Resolve(const std::string& file) const {
        const std::filesystem::path written = std::filesystem::u8path(file);
        const std::filesystem::path joined = written.is_absolute() ? written : m_folder / written;
        std::error_code ec;
        const std::filesystem::path absolute = std::filesystem::absolute(joined, ec);
        return ec ? joined : absolute.lexically_normal();
    }

    void Error(int line, std::string text) { m_errors.push_back({line, std::move(text)}); }

  private:
    void ReadLogos(const toml::node& value, std::vector<LogoEntry>& entries) {
        const toml::array* logos = value.as_array();
        if (logos == nullptr || !logos->is_array_of_tables()) {
            Error(LineOf(value), "logo must be tables written [[logo]]");
            return;
        }
        for (const toml::node& node : *logos) entries.push_back(ReadLogo(*node.as_table()));
    }

    LogoEntry ReadLogo(const toml::table& table) {
        LogoEntry entry;
        entry.line = LineOf(table);
        bool hasId = false;
        bool hasFile = false;
        for (auto&& [key, value] : table) {
            const int line = LineOf(value);
            if (key.str() == "id") {
                hasId = true;
                entry.idLine = line;
                const auto* id = value.as_integer();
                if (id != nullptr && id->get() >= 0 && id->get() < kItemCount) {
                    entry.id = static_cast<int>(id->get());
                } else {
                    Error(line, "id must be a whole number from 0 to 99");
                }
            } else if (key.str() == "name") {
                entry.name = ReadName(value, line);
            } else if (key.str() == "width_mm" || key.str() == "height_mm") {
                const bool width = key.str() == "width_mm";
                (width ? entry.widthMm : entry.heightMm) = ReadMillimetres(value, key.str(), line);
            } else if (key.str() == "file") {
                hasFile = true;
                entry.fileLine = line;
                const auto* file = value.as_string();
                if (file != nullptr && !file->get().empty()) {
                    entry.file = file->get();
                } else {
                    Error(line, "file must be the path of a logo file");
                }
            } else {
                Error(static_cast<int>(key.source().begin.line),
                      "unknown key " + Quoted(key.str()));
            }
        }
        if (!hasId) Error(entry.line, "the logo has no id");
        if (!hasFile) Error(entry.line, "the logo has no file");
        if (!table.contains("name")) Error(entry.line, "the logo has no name");
        return entry;
    }

    std::optional<double> ReadMillimetres(const toml::node& value, std::string_view key, int line) {
        std::optional<double> mm;
        if (const auto* number = value.as_floating_point()) mm = number->get();
        if (const auto* number = value.as_integer()) mm = static_cast<double>(number->get());
        if (!mm || !(*mm > 0) || *mm > CSyncManifest::kMaxPrintedMm) {
            Error(line, std::string(key) + " must be a number of millimetres above 0, at most " +
                            std::to_string(static_cast<int>(CSyncManifest::kMaxPrintedMm)));
            return std::nullopt;
        }
        return mm;
    }

    std::optional<std::string> ReadName(const toml::node& value, int line) {
        const auto* text = value.as_string();
        if (text == nullptr) {
            Error(line, "name must be a string");
            return std::nullopt;
        }
        // A control character would never come back from the printer as it was sent (a NUL
        // ends the name there), and would reach every terminal that shows the plan.
        if (text::HasControlCharacter(text->get())) {
            Error(line, "name " + Quoted(text::EscapeControlCharacters(text->get())) +
                            " holds a control character");
            return std::nullopt;
        }
        const std::optional<std::string> sjisName = sjis::FromUtf8(text->get());
        if (!sjisName) {
            Error(line, "name " + Quoted(text->get()) + " cannot be written in Shift-JIS");
            return std::nullopt;
        }
        if (sjisName->size() > static_cast<std::size_t>(kMaxNameBytes)) {
            Error(line, "name " + Quoted(text->get()) + " is " + std::to_string(sjisName->size()) +
                            " bytes in Shift-JIS, more than 32");
            return std::nullopt;
        }
        return sjisName;
    }

    std::filesystem::path m_folder;
    std::vector<ManifestError>& m_errors;
};

}  // namespace

bool CSyncManifest::Load(const std::filesystem::path& path, std::vector<ManifestError>& errors) {
    m_logos.clear();
    errors.clear();
    std::string text;
    std::string readError;
    if (!ReadText(path, text, readError)) {
        errors.push_back({0, readError});
        return false;
    }
    toml::table root;
    try {
        root = toml::parse(text, path.string());
    } catch (const toml::parse_error& e) {
        errors.push_back({static_cast<int>(e.source().begin.line), std::string(e.description())});
        return false;
    }

    CManifestReader reader(path, errors);
    std::optional<int> model;
    std::vector<LogoEntry> entries;
    reader.Read(root, model, entries);

    // IDs first, so that a file is loaded only for a logo that could be kept.
    std::map<int, int> firstLine;
    std::vector<const LogoEntry*> unique;
    for (const LogoEntry& entry : entries) {
        if (!entry.id) continue;
        const auto [it, inserted] = firstLine.emplace(*entry.id, entry.idLine);
        if (!inserted) {
            reader.Error(entry.idLine, "ID " + std::to_string(*entry.id) +
                                           " is used twice (first at line " +
                                           std::to_string(it->second) + ")");
        } else {
            unique.push_back(&entry);
        }
    }
    if (unique.size() > static_cast<std::size_t>(kMaxItemsAtDownload)) {
        reader.Error(unique[kMaxItemsAtDownload]->line,
                     std::to_string(unique.size()) + " logos: a printer holds at most 80 IDs");
    }

    CLoaderMessages loaderMessages;
    CLogoFileReader fileReader;
    fileReader.SetDecoder(m_decoder);
    fileReader.m_request.stopRequested = m_stopRequested;
    fileReader.m_request.dotsPerMm = static_cast<int>(ModelInfo(model.value_or(0)).m_dotsPerMm);
    CurrentImage image;
    image.keepSourcePixels = false;  // only the transfer image is sent
    CTempFolder tempFolder;          // where each logo's transfer file sizes it
    std::int64_t memory = 0;
    bool memoryReported = false;
    std::vector<SyncLogo> logos;
    for (const LogoEntry* entry : unique) {
        if (m_stopRequested && m_stopRequested()) {
            reader.Error(0, "stopped");
            break;
        }
        if (entry->file.empty()) continue;
        const std::filesystem::path file = reader.Resolve(entry->file);
        std::error_code ec;
        if (!std::filesystem::is_regular_file(file, ec)) {
            reader.Error(entry->fileLine, "file " + Quoted(entry->file) + " not found");
            continue;
        }
        fileReader.m_request.widthMm = entry->widthMm;
        fileReader.m_request.heightMm = entry->heightMm;
        CFontPT item;
        if (!ReadItemFile(file, fileReader, image, loaderMessages) ||
            !MakeNewItem(file, *entry->id, image, tempFolder.TransferFile(*entry->id), item,
                         loaderMessages)) {
            const std::string said = loaderMessages.Take();
            reader.Error(entry->fileLine, "file " + Quoted(entry->file) + " cannot be used" +
                                              (said.empty() ? "" : ": " + said));
            continue;
        }
        loaderMessages.Take();
        if (!entry->name) continue;  // already reported
        SyncLogo logo;
        logo.line = entry->line;
        logo.file = file;
        logo.item = item;
        logo.item.m_name = *entry->name;
        logo.image = image;
        logo.patternHash = PatternHash(logo.image);
        logo.item.BuildHeader();
        memory += logo.item.GetMemoryNeed();
        if (!memoryReported && CItemTable::GaugePosition(memory) >= kGaugeMax) {
            memoryReported = true;
            reader.Error(entry->line, "with this logo the logos need " + std::to_string(memory) +
                                          " bytes: a printer holds less than 240 Kbyte (" +
                                          std::to_string(kPrinterMemory) + " bytes)");
        }
        logos.push_back(std::move(logo));
    }

    if (!errors.empty()) {
        std::stable_sort(
            errors.begin(), errors.end(),
            [](const ManifestError& a, const ManifestError& b) { return a.line < b.line; });
        return false;
    }
    std::sort(logos.begin(), logos.end(),
              [](const SyncLogo& a, const SyncLogo& b) { return a.item.m_id < b.item.m_id; });
    m_model = *model;
    m_logos = std::move(logos);
    return true;
}

const SyncLogo* CSyncManifest::Find(int id) const {
    for (const SyncLogo& logo : m_logos) {
        if (logo.item.m_id == id) return &logo;
    }
    return nullptr;
}

std::int64_t CSyncManifest::MemoryNeed() const {
    std::int64_t total = 0;
    for (const SyncLogo& logo : m_logos) total += logo.item.GetMemoryNeed();
    return total;
}
