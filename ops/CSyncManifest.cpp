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

ManifestError Refusal(int line, ManifestProblem problem, std::string subject = {},
                      std::int64_t number = 0, std::string detail = {}) {
    ManifestError error;
    error.line = line;
    error.problem = problem;
    error.subject = std::move(subject);
    error.number = number;
    error.detail = std::move(detail);
    return error;
}

int LineOf(const toml::node& node) { return static_cast<int>(node.source().begin.line); }

std::optional<int> ModelNumber(std::string_view name) {
    for (int model = 0; model < kModelCount; ++model) {
        if (ModelInfo(model).m_name == name) return model;
    }
    return std::nullopt;
}

std::optional<ManifestError> ReadText(const std::filesystem::path& path, std::string& text) {
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec) return Refusal(0, ManifestProblem::CannotRead, {}, 0, ec.message());
    if (size > CSyncManifest::kMaxFileBytes) {
        return Refusal(0, ManifestProblem::TooLarge, {}, static_cast<std::int64_t>(size));
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    if (!in) return Refusal(0, ManifestProblem::CannotRead);
    text = content.str();
    return std::nullopt;
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
                if (!model) Error(LineOf(value), ManifestProblem::ModelUnknown);
            } else if (key.str() == "logo") {
                ReadLogos(value, entries);
            } else {
                Error(static_cast<int>(key.source().begin.line), ManifestProblem::UnknownKey,
                      std::string(key.str()));
            }
        }
        if (!modelGiven) Error(0, ManifestProblem::ModelMissing);
    }

    std::filesystem::path Resolve(const std::string& file) const {
        const std::filesystem::path written = std::filesystem::u8path(file);
        const std::filesystem::path joined = written.is_absolute() ? written : m_folder / written;
        std::error_code ec;
        const std::filesystem::path absolute = std::filesystem::absolute(joined, ec);
        return ec ? joined : absolute.lexically_normal();
    }

    void Error(int line, ManifestProblem problem, std::string subject = {},
               std::int64_t number = 0) {
        m_errors.push_back(Refusal(line, problem, std::move(subject), number));
    }
    void Error(ManifestError error) { m_errors.push_back(std::move(error)); }

  private:
    void ReadLogos(const toml::node& value, std::vector<LogoEntry>& entries) {
        const toml::array* logos = value.as_array();
        if (logos == nullptr || !logos->is_array_of_tables()) {
            Error(LineOf(value), ManifestProblem::LogoNotTables);
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
                    Error(line, ManifestProblem::IdNotANumber);
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
                    Error(line, ManifestProblem::FileNotAPath);
                }
            } else {
                Error(static_cast<int>(key.source().begin.line), ManifestProblem::UnknownKey,
                      std::string(key.str()));
            }
        }
        if (!hasId) Error(entry.line, ManifestProblem::NoId);
        if (!hasFile) Error(entry.line, ManifestProblem::NoFile);
        if (!table.contains("name")) Error(entry.line, ManifestProblem::NoName);
        return entry;
    }

    std::optional<double> ReadMillimetres(const toml::node& value, std::string_view key, int line) {
        std::optional<double> mm;
        if (const auto* number = value.as_floating_point()) mm = number->get();
        if (const auto* number = value.as_integer()) mm = static_cast<double>(number->get());
        if (!mm || !(*mm > 0) || *mm > CSyncManifest::kMaxPrintedMm) {
            Error(line, ManifestProblem::MillimetresOutOfRange, std::string(key));
            return std::nullopt;
        }
        return mm;
    }

    std::optional<std::string> ReadName(const toml::node& value, int line) {
        const auto* text = value.as_string();
        if (text == nullptr) {
            Error(line, ManifestProblem::NameNotAString);
            return std::nullopt;
        }
        // A control character would never come back from the printer as it was sent (a NUL
        // ends the name there), and would reach every terminal that shows the plan.
        if (text::HasControlCharacter(text->get())) {
            Error(line, ManifestProblem::NameControlCharacter, text->get());
            return std::nullopt;
        }
        const std::optional<std::string> sjisName = sjis::FromUtf8(text->get());
        if (!sjisName) {
            Error(line, ManifestProblem::NameNotShiftJis, text->get());
            return std::nullopt;
        }
        if (sjisName->size() > static_cast<std::size_t>(kMaxNameBytes)) {
            Error(line, ManifestProblem::NameTooLong, text->get(),
                  static_cast<std::int64_t>(sjisName->size()));
            return std::nullopt;
        }
        return sjisName;
    }

    std::filesystem::path m_folder;
    std::vector<ManifestError>& m_errors;
};

}  // namespace

std::string_view ManifestProblemCode(ManifestProblem problem) {
    switch (problem) {
        case ManifestProblem::CannotRead:
            return "cannot-read";
        case ManifestProblem::TooLarge:
            return "too-large";
        case ManifestProblem::Syntax:
            return "syntax";
        case ManifestProblem::ModelUnknown:
            return "model-unknown";
        case ManifestProblem::ModelMissing:
            return "model-missing";
        case ManifestProblem::UnknownKey:
            return "unknown-key";
        case ManifestProblem::LogoNotTables:
            return "logo-not-tables";
        case ManifestProblem::IdNotANumber:
            return "id-not-a-number";
        case ManifestProblem::FileNotAPath:
            return "file-not-a-path";
        case ManifestProblem::NoId:
            return "no-id";
        case ManifestProblem::NoFile:
            return "no-file";
        case ManifestProblem::NoName:
            return "no-name";
        case ManifestProblem::MillimetresOutOfRange:
            return "millimetres-out-of-range";
        case ManifestProblem::NameNotAString:
            return "name-not-a-string";
        case ManifestProblem::NameControlCharacter:
            return "name-control-character";
        case ManifestProblem::NameNotShiftJis:
            return "name-not-shift-jis";
        case ManifestProblem::NameTooLong:
            return "name-too-long";
        case ManifestProblem::IdTwice:
            return "id-twice";
        case ManifestProblem::TooManyLogos:
            return "too-many-logos";
        case ManifestProblem::Stopped:
            return "stopped";
        case ManifestProblem::FileNotFound:
            return "file-not-found";
        case ManifestProblem::FileUnusable:
            return "file-unusable";
        case ManifestProblem::MemoryFull:
            return "memory-full";
    }
    return "unknown";
}

bool CSyncManifest::Load(const std::filesystem::path& path, std::vector<ManifestError>& errors) {
    m_logos.clear();
    errors.clear();
    std::string text;
    if (std::optional<ManifestError> unread = ReadText(path, text)) {
        errors.push_back(std::move(*unread));
        return false;
    }
    toml::table root;
    try {
        root = toml::parse(text, path.string());
    } catch (const toml::parse_error& e) {
        errors.push_back(Refusal(static_cast<int>(e.source().begin.line), ManifestProblem::Syntax,
                                 {}, 0, std::string(e.description())));
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
            ManifestError twice = Refusal(entry.idLine, ManifestProblem::IdTwice, {}, *entry.id);
            twice.firstLine = it->second;
            reader.Error(std::move(twice));
        } else {
            unique.push_back(&entry);
        }
    }
    if (unique.size() > static_cast<std::size_t>(kMaxItemsAtDownload)) {
        reader.Error(unique[kMaxItemsAtDownload]->line, ManifestProblem::TooManyLogos, {},
                     static_cast<std::int64_t>(unique.size()));
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
            reader.Error(0, ManifestProblem::Stopped);
            break;
        }
        if (entry->file.empty()) continue;
        const std::filesystem::path file = reader.Resolve(entry->file);
        std::error_code ec;
        if (!std::filesystem::is_regular_file(file, ec)) {
            reader.Error(entry->fileLine, ManifestProblem::FileNotFound, entry->file);
            continue;
        }
        fileReader.m_request.widthMm = entry->widthMm;
        fileReader.m_request.heightMm = entry->heightMm;
        CFontPT item;
        if (!ReadItemFile(file, fileReader, image, loaderMessages) ||
            !MakeNewItem(file, *entry->id, image, tempFolder.TransferFile(*entry->id), item,
                         loaderMessages)) {
            reader.Error(Refusal(entry->fileLine, ManifestProblem::FileUnusable, entry->file, 0,
                                 loaderMessages.Take()));
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
            reader.Error(entry->line, ManifestProblem::MemoryFull, {}, memory);
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
