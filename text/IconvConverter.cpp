#include "text/IconvConverter.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>

namespace {

// Bytes to skip past an invalid sequence: one code unit of the source encoding.
std::size_t CodeUnitSize(const char* from) {
    if (std::strncmp(from, "UTF-16", 6) == 0) return 2;
    return 1;
}

}  // namespace

CIconvConverter::CIconvConverter(const char* to, const char* from, std::string replacement,
                                 bool lenient)
    : m_cd(iconv_open(to, from)),
      m_replacement(std::move(replacement)),
      m_lenient(lenient),
      m_invalidStep(CodeUnitSize(from)) {
    if (m_cd == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    }
}

CIconvConverter::~CIconvConverter() { iconv_close(m_cd); }

std::optional<std::string> CIconvConverter::Convert(std::string_view input) {
    iconv(m_cd, nullptr, nullptr, nullptr, nullptr);  // reset the shift state
    std::string out;
    out.reserve(input.size() * 2 + 4);
    char buffer[1024];
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    while (inLeft > 0) {
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        const std::size_t rc = iconv(m_cd, &in, &inLeft, &dst, &dstLeft);
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        if (rc != static_cast<std::size_t>(-1)) continue;
        if (errno == E2BIG) continue;
        // EILSEQ (not convertible) or EINVAL (truncated at the end).
        if (!m_lenient) return std::nullopt;
        out += m_replacement;
        const std::size_t step = std::min(m_invalidStep, inLeft);
        in += step;
        inLeft -= step;
    }
    char* dst = buffer;
    std::size_t dstLeft = sizeof buffer;
    iconv(m_cd, nullptr, nullptr, &dst, &dstLeft);
    out.append(buffer, static_cast<std::size_t>(dst - buffer));
    return out;
}
