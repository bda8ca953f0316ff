#include "app/present/LeadingNumber.h"

#include <cctype>

int LeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) {
        ++i;
    }
    int value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        if (value > 99'999'999) {
            break;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}
