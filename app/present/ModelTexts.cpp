#include "app/present/ModelTexts.h"

#include <array>

#include "app/present/TextFormat.h"
#include "items/PrinterModels.h"
#include "res/Texts.h"

std::string_view ModelRadioText(int model) {
    constexpr std::array<std::string_view, kModelCount> kRadioTexts{
        texts::kModelRadio0, texts::kModelRadio1, texts::kModelRadio2};
    if (model < 0 || model >= kModelCount) model = 0;
    return kRadioTexts[static_cast<std::size_t>(model)];
}

std::string MakeTitle(std::string_view modelName) {
    return FormatText(texts::kTitleFormat, std::string(modelName).c_str());
}
