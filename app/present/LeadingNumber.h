#pragma once

#include <string_view>

// The usual leading-digits conversion: the number the text starts with, 0 when it starts
// with no digit (an empty text included). Digits beyond what an int holds are ignored.
int LeadingNumber(std::string_view text);
