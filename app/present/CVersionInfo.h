#pragma once

#include <cstdint>
#include <string>

// The program's version record: the fixed file version and the string values the version
// dialog and the help path read. Linux executables carry no version resource, so the
// values are compiled in from the project's version.
struct VersionRecord {
    std::uint32_t m_fileVersionMs = 0;  // major << 16 | minor
    std::uint32_t m_fileVersionLs = 0;  // third << 16 | fourth
    std::string m_fileDescription;
    std::string m_legalCopyright;
    std::string m_originalFilename;
    std::string m_productName;
    std::string m_internalName;
    std::string m_companyName;
};

// Reads the program's version record; tests may give it another one.
class CVersionInfo {
  public:
    CVersionInfo();
    explicit CVersionInfo(VersionRecord record);

    // The file version run together as "%d%d.%d%d" (9.1.0.20 gives "91.020"); the dialog
    // puts the missing points back with InsertVersionPoints.
    std::string GetVersionText() const;
    std::string GetFileDescription() const { return m_record.m_fileDescription; }
    std::string GetLegalCopyright() const { return m_record.m_legalCopyright; }
    std::string GetOriginalFilename() const { return m_record.m_originalFilename; }

    // The program's own record.
    static VersionRecord ProgramRecord();

  private:
    VersionRecord m_record;
};

// The dialog's step: insert "." at index 4, then at index 1 ("91.020" -> "9.1.0.20").
// Texts too short for an insertion are returned as they are.
std::string InsertVersionPoints(std::string text);

// The version dialog's line: "Version %s" with the pointed version text.
std::string VersionLine(const CVersionInfo& info);

// The base name of the help page, from the original file name without its extension
// ("Stampix.exe" -> "Stampix"); empty when there is none.
std::string HelpBaseName(const CVersionInfo& info);
