#pragma once

#include <iconv.h>

#include <optional>
#include <string>
#include <string_view>

// One iconv conversion direction, opened once and reused. Not thread-safe: each thread
// that converts text uses its own instances (see ShiftJis.cpp).
class CIconvConverter {
  public:
    // `replacement` is written (in the target encoding) for each invalid input sequence
    // when `lenient` is true; a strict converter fails instead.
    CIconvConverter(const char* to, const char* from, std::string replacement, bool lenient);
    ~CIconvConverter();
    CIconvConverter(const CIconvConverter&) = delete;
    CIconvConverter& operator=(const CIconvConverter&) = delete;

    // Converts `input`; nullopt when a strict conversion meets an unconvertible character.
    std::optional<std::string> Convert(std::string_view input);

  private:
    iconv_t m_cd;
    std::string m_replacement;
    bool m_lenient;
    std::size_t m_invalidStep;
};
