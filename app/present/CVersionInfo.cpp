#include "app/present/CVersionInfo.h"

#include <utility>

#include "app/present/TextFormat.h"
#include "app/present/VersionConstants.h"
#include "res/Texts.h"

CVersionInfo::CVersionInfo() : m_record(ProgramRecord()) {}

CVersionInfo::CVersionInfo(VersionRecord record) : m_record(std::move(record)) {}

VersionRecord CVersionInfo::ProgramRecord() {
    VersionRecord record;
    record.m_fileVersionMs = (version::kMajor << 16) | (version::kMinor & 0xFFFFu);
    record.m_fileVersionLs = (version::kPatch << 16) | (version::kTweak & 0xFFFFu);
    record.m_fileDescription = std::string(texts::kSelectPrinterCaption);
    record.m_legalCopyright = "Copyright (C) 2026 The Stampix developers";
    record.m_originalFilename = "Stampix.exe";
    record.m_productName = "ロゴダウンロードツール";
    record.m_internalName = "Stampix";
    record.m_companyName = "The Stampix developers";
    return record;
}

std::string CVersionInfo::GetVersionText() const {
    const unsigned major = m_record.m_fileVersionMs >> 16;
    const unsigned minor = m_record.m_fileVersionMs & 0xFFFFu;
    const unsigned third = m_record.m_fileVersionLs >> 16;
    const unsigned fourth = m_record.m_fileVersionLs & 0xFFFFu;
    // A major version of 0 is formatted the same way, so that the inserted points fall
    // between single-digit parts as for any other major version below 10.
    return FormatText("%u%u.%u%u", major, minor, third, fourth);
}

std::string InsertVersionPoints(std::string text) {
    if (text.size() >= 4) {
        text.insert(4, ".");
    }
    if (text.size() >= 1) {
        text.insert(1, ".");
    }
    return text;
}

std::string VersionLine(const CVersionInfo& info) {
    return FormatText(texts::kVersionLineFormat,
                      InsertVersionPoints(info.GetVersionText()).c_str());
}

std::string HelpBaseName(const CVersionInfo& info) {
    const std::string name = info.GetOriginalFilename();
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}
