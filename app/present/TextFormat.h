#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// printf-style formatting of the program's format texts into a std::string.
// The formats come from res/Texts.h, never from input.
template <typename... Args>
std::string FormatText(std::string_view format, Args... args) {
    const std::string fmt(format);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#pragma GCC diagnostic ignored "-Wformat-security"
    const int size = std::snprintf(nullptr, 0, fmt.c_str(), args...);
    if (size <= 0) {
        return {};
    }
    std::string out(static_cast<std::size_t>(size) + 1, '\0');
    std::snprintf(out.data(), out.size(), fmt.c_str(), args...);
#pragma GCC diagnostic pop
    out.resize(static_cast<std::size_t>(size));
    return out;
}
