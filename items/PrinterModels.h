#pragma once

#include <string_view>

// The printer models the program knows. Only the window title, the millimetre figures
// and the size at which an SVG logo is drawn depend on the model.
struct PrinterModelInfo {
    std::string_view m_name;  // "NV210a"
    int m_dotsPerMm = 0;
};

inline constexpr int kModelCount = 3;

// Model 0..2; numbers outside that range give model 0.
const PrinterModelInfo& ModelInfo(int model);
