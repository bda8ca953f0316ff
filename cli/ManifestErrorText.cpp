#include "cli/ManifestErrorText.h"

#include "items/CItemTable.h"
#include "items/PrinterModels.h"
#include "text/ControlCharacters.h"

namespace {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string ModelNames() {
    std::string names;
    for (int model = 0; model < kModelCount; ++model) {
        names += (model == 0 ? "" : ", ") + std::string(ModelInfo(model).m_name);
    }
    return names;
}

}  // namespace

std::string ManifestErrorText(const ManifestError& error) {
    const std::string number = std::to_string(error.number);
    switch (error.problem) {
        case ManifestProblem::CannotRead:
            return "cannot read the manifest" + (error.detail.empty() ? "" : ": " + error.detail);
        case ManifestProblem::TooLarge:
            return "the manifest is " + number + " bytes, more than a manifest can be";
        case ManifestProblem::Syntax:
            return error.detail;
        case ManifestProblem::ModelUnknown:
            return "model must be one of " + ModelNames();
        case ManifestProblem::ModelMissing:
            return "the printer model is missing (model = \"NV210a\")";
        case ManifestProblem::UnknownKey:
            return "unknown key " + Quoted(error.subject);
        case ManifestProblem::LogoNotTables:
            return "logo must be tables written [[logo]]";
        case ManifestProblem::IdNotANumber:
            return "id must be a whole number from 0 to 99";
        case ManifestProblem::FileNotAPath:
            return "file must be the path of a logo file";
        case ManifestProblem::NoId:
            return "the logo has no id";
        case ManifestProblem::NoFile:
            return "the logo has no file";
        case ManifestProblem::NoName:
            return "the logo has no name";
        case ManifestProblem::MillimetresOutOfRange:
            return error.subject + " must be a number of millimetres above 0, at most " +
                   std::to_string(static_cast<int>(CSyncManifest::kMaxPrintedMm));
        case ManifestProblem::NameNotAString:
            return "name must be a string";
        case ManifestProblem::NameControlCharacter:
            return "name " + Quoted(text::EscapeControlCharacters(error.subject)) +
                   " holds a control character";
        case ManifestProblem::NameNotShiftJis:
            return "name " + Quoted(error.subject) + " cannot be written in Shift-JIS";
        case ManifestProblem::NameTooLong:
            return "name " + Quoted(error.subject) + " is " + number +
                   " bytes in Shift-JIS, more than " + std::to_string(kMaxNameBytes);
        case ManifestProblem::IdTwice:
            return "ID " + number + " is used twice (first at line " +
                   std::to_string(error.firstLine) + ")";
        case ManifestProblem::TooManyLogos:
            return number + " logos: a printer holds at most " +
                   std::to_string(kMaxItemsAtDownload) + " IDs";
        case ManifestProblem::Stopped:
            return "stopped";
        case ManifestProblem::FileNotFound:
            return "file " + Quoted(error.subject) + " not found";
        case ManifestProblem::FileUnusable:
            return "file " + Quoted(error.subject) + " cannot be used" +
                   (error.detail.empty() ? "" : ": " + error.detail);
        case ManifestProblem::MemoryFull:
            return "with this logo the logos need " + number +
                   " bytes: a printer holds less than 240 Kbyte (" +
                   std::to_string(kPrinterMemory) + " bytes)";
    }
    return "the manifest cannot be used";
}
