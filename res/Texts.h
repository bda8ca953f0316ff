#pragma once

#include <string_view>

// The program's texts, UTF-8, exactly as the operator sees them. Numbered texts are the
// string table (`StringTable`); the others are literal texts of the code that shows them.
// Each subsystem keeps its literal texts in its own section below.
namespace texts {

// ---- String table (numbered) ----
inline constexpr int IDS_BMP_OPEN_FAILED = 103;
inline constexpr int IDS_BMP_UNSUPPORTED = 104;
inline constexpr int IDS_NO_MEMORY = 105;
inline constexpr int IDS_BMP_TOO_LARGE = 106;
inline constexpr int IDS_PLD_CREATE_FAILED = 108;
inline constexpr int IDS_LOGO = 109;
inline constexpr int IDS_UNEXPECTED_FILE = 111;
inline constexpr int IDS_PLD_BAD_VERSION = 113;
inline constexpr int IDS_PLD_BAD_ID_CODE = 114;
inline constexpr int IDS_PLD_BAD_FORMAT = 115;
inline constexpr int IDS_ERROR_CAPTION = 200;
inline constexpr int IDS_PORT_OPEN_FAILED = 500;

// The text of a numbered string; empty for a number the table does not hold.
std::string_view StringTable(int id);

// ---- Item table (items/) ----
inline constexpr std::string_view kStateUnregistered = "未登録ID";
inline constexpr std::string_view kStateRegistered = "登録済みID";
inline constexpr std::string_view kStateNew = "新規登録ID";
// printf format: the table total in Kbyte, rounded up.
inline constexpr std::string_view kMemoryUsageFormat = "メモリ使用量　%d/240Kbyte";

// ---- Imaging (imaging/) ----

// ---- Serial link (serial/) ----

// ---- Printer protocol and operations (protocol/, ops/) ----

// ---- Application (app/) ----

}  // namespace texts
