#pragma once

#include <array>
#include <string>
#include <string_view>

// One printer model the operator can choose at start-up. Only the title and the
// millimetre figures of the logo information depend on it.
struct CModelProfile {
    std::string_view m_radioText;  // UTF-8, the radio button of the model dialog
    std::string_view m_modelName;
    int m_dotsPerMm = 0;
};

inline constexpr int kModelCount = 3;

// The profile of model 0..2; model numbers outside that range give model 0.
const CModelProfile& ModelProfile(int model);

// The main window's title for a model name: "%sロゴダウンロードツール".
std::string MakeTitle(std::string_view modelName);
